// The whole state of a window as text, so a test can check that a refused action
// changed nothing: compare snapshot(w) before and after.
#pragma once

#include "board/registry.h"

#include <map>
#include <sstream>
#include <string>

namespace grim::test {

inline std::string describe(const Switch& s) {
    return std::string("enabled=") + (s.enabled ? "1" : "0") + " checked=" + (s.checked ? "1" : "0") +
           " visible=" + (s.visible ? "1" : "0");
}
inline std::string describe(const TextBox& t) {
    return "text=[" + t.text + "] enabled=" + (t.enabled ? "1" : "0") + " visible=" + (t.visible ? "1" : "0");
}
inline std::string describe(const ListBox& l) {
    std::ostringstream out;
    out << "selected=" << l.selected() << " enabled=" << l.enabled << " visible=" << l.visible << " items=";
    for (const auto& item : l.items()) out << "[" << item << "]";
    return out.str();
}
inline std::string describe(const Timer& t) { return std::string("on=") + (t.on() ? "1" : "0"); }

// Every control by name, and the window's counters and flags.
inline std::map<std::string, std::string> snapshot(const Window& w) {
    std::map<std::string, std::string> state;
    forEachControl(w, [&](const std::string& name, const auto& control) { state[name] = describe(control); });
    state["turnSacrificesU1"] = std::to_string(w.u1.turnSacrifices);
    state["turnSacrificesU2"] = std::to_string(w.u2.turnSacrifices);
    state["timePassed"] = std::to_string(w.timePassed);
    state["blnFirstMove"] = w.blnFirstMove ? "1" : "0";
    state["waitTicks"] = std::to_string(w.waitTicks);
    state["partsSent"] = std::to_string(w.partsSent);
    state["partsReceived"] = std::to_string(w.partsReceived);
    state["synchTicks"] = std::to_string(w.synchTicks);
    return state;
}

} // namespace grim::test
