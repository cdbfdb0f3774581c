// What the window remembers of each core control it renders.
#pragma once

#include <QObject>

#include <string>
#include <vector>

namespace grim::app {

struct ControlBinding {
    QObject* object = nullptr;      // the widget, action, menu or timer named like the control
    std::vector<std::string> items; // list items last shown
    std::string text;               // multi-line text last shown
    bool shown = false;             // text or items have been shown once
    unsigned restarts = 0;          // timer restarts last applied
};

} // namespace grim::app
