// The whole state of a window as text, so a test can check that a refused action
// changed nothing: compare snapshot(w) before and after.
#pragma once

#include "board/registry.h"

#include <map>
#include <string>

namespace grim::test {

inline std::string describe(const Switch& s) {
    return "enabled=" + std::to_string(s.enabled) + " checked=" + std::to_string(s.checked) +
           " visible=" + std::to_string(s.visible);
}
inline std::string describe(const TextBox& t) {
    return "text=[" + t.text + "] enabled=" + std::to_string(t.enabled) +
           " visible=" + std::to_string(t.visible);
}
inline std::string describe(const ListBox& l) {
    std::string items;
    for (const auto& item : l.items())
        items += "[" + item + "]";
    return "selected=" + std::to_string(l.selected()) + " enabled=" + std::to_string(l.enabled) +
           " visible=" + std::to_string(l.visible) + " items=" + items;
}
inline std::string describe(const Timer& t) {
    return "on=" + std::to_string(t.on());
}

// Every control by name, and the window's counters and flags.
inline std::map<std::string, std::string> snapshot(const Window& w) {
    std::map<std::string, std::string> state;
    forEachControl(w, [&](const std::string& name, const auto& control) { state[name] = describe(control); });
    state["turnSacrificesU1"] = std::to_string(w.u1.turnSacrifices);
    state["turnSacrificesU2"] = std::to_string(w.u2.turnSacrifices);
    state["timePassed"] = std::to_string(w.timePassed);
    state["blnFirstMove"] = std::to_string(w.blnFirstMove);
    state["waitTicks"] = std::to_string(w.waitTicks);
    state["partsSent"] = std::to_string(w.partsSent);
    state["partsReceived"] = std::to_string(w.partsReceived);
    state["synchTicks"] = std::to_string(w.synchTicks);
    return state;
}

} // namespace grim::test
