// The whole state of a window as text, so a test can check that a refused action
// changed nothing: compare snapshot(w) before and after.
#pragma once

#include "board/registry.h"

#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

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
    for (const auto& item : l.items())
        out << "[" << item << "]";
    return out.str();
}
inline std::string describe(const Timer& t) {
    return std::string("on=") + (t.on() ? "1" : "0");
}

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

// The same comparison as snapshot(a) == snapshot(b), without building texts: for checks
// after many thousands of actions.
inline bool sameControl(const Switch& a, const Switch& b) {
    return a.enabled == b.enabled && a.checked == b.checked && a.visible == b.visible;
}
inline bool sameControl(const TextBox& a, const TextBox& b) {
    return a.text == b.text && a.enabled == b.enabled && a.visible == b.visible;
}
inline bool sameControl(const ListBox& a, const ListBox& b) {
    return a.selected() == b.selected() && a.enabled == b.enabled && a.visible == b.visible &&
           a.items() == b.items();
}
inline bool sameControl(const Timer& a, const Timer& b) {
    return a.on() == b.on();
}

inline bool sameState(const Window& a, const Window& b) {
    using Control = std::variant<const Switch*, const TextBox*, const ListBox*, const Timer*>;
    auto controls = [](const Window& w) {
        std::vector<Control> v;
        forEachControl(w, [&v](const std::string&, const auto& control) { v.emplace_back(&control); });
        return v;
    };
    const auto ca = controls(a);
    const auto cb = controls(b);
    for (std::size_t i = 0; i < ca.size(); ++i) {
        const bool same = std::visit(
            [&](auto pa) {
                using P = decltype(pa);
                return sameControl(*pa, *std::get<P>(cb[i]));
            },
            ca[i]);
        if (!same) return false;
    }
    return a.u1.turnSacrifices == b.u1.turnSacrifices && a.u2.turnSacrifices == b.u2.turnSacrifices &&
           a.timePassed == b.timePassed && a.blnFirstMove == b.blnFirstMove && a.waitTicks == b.waitTicks &&
           a.partsSent == b.partsSent && a.partsReceived == b.partsReceived && a.synchTicks == b.synchTicks;
}

} // namespace grim::test
