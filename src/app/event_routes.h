// Which core handler each event of the window's controls runs, as one table. A control is
// named as forEachControl names it; a side's controls are listed once and routed for both
// sides, each to the handler of its own side.
#pragma once

#include "board/window.h"

#include <functional>
#include <string>
#include <vector>

namespace grim::app {

// The event of a control a route takes.
enum class Gesture {
    click,       // a button's, slot label's or menu item's click, a list item's click, an item
                 // chosen in a drop-down, a timer's tick
    pick,        // a list item's click, and every change of the list's selection
    doubleClick, // a list item's double click, or its keys on the current item
    enter,       // Return in a text box
    press,       // a mouse press in a text box
};

struct Route {
    std::string control;
    Gesture gesture;
    std::function<void(Window&)> handler;
};

// Every route of the window; a control has at most one route per gesture.
std::vector<Route> routes();

} // namespace grim::app
