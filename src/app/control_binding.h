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
    // How a list's items are shown, for the deck editor's catalogue lists: row k shows item
    // order[k] (none: the list's own order), and the items marked hidden are not shown.
    std::vector<int> order, shownOrder;
    std::vector<bool> hidden, shownHidden;
};

// The row of a list's widget that shows item i, and the item a row shows; -1 for none.
inline int rowOfItem(const ControlBinding& b, int item) {
    if (item < 0 || b.order.empty()) return item;
    for (std::size_t row = 0; row < b.order.size(); ++row)
        if (b.order[row] == item) return static_cast<int>(row);
    return -1;
}
inline int itemOfRow(const ControlBinding& b, int row) {
    if (row < 0 || b.order.empty()) return row;
    return row < static_cast<int>(b.order.size()) ? b.order[static_cast<std::size_t>(row)] : -1;
}

} // namespace grim::app
