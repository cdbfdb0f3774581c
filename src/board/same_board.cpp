#include "board/same_board.h"

#include "board/registry.h"

#include <tuple>
#include <vector>

namespace grim {

namespace {

bool same(const Switch& a, const Switch& b) {
    return a.enabled == b.enabled && a.checked == b.checked && a.visible == b.visible;
}
bool same(const TextBox& a, const TextBox& b) {
    return a.text == b.text && a.enabled == b.enabled && a.visible == b.visible;
}
bool same(const Counter& a, const Counter& b) {
    return a.value == b.value && a.enabled == b.enabled && a.visible == b.visible;
}
bool same(const FieldSlot& a, const FieldSlot& b) {
    return a.card == b.card && a.power == b.power && a.enabled == b.enabled && a.visible == b.visible;
}
template <class T> bool same(const List<T>& a, const List<T>& b) {
    return a.selected() == b.selected() && a.enabled == b.enabled && a.visible == b.visible &&
           a.items() == b.items();
}
bool same(const Timer& a, const Timer& b) {
    return a.on() == b.on();
}

} // namespace

bool sameBoard(const Window& a, const Window& b) {
    std::vector<const void*> controls; // b's controls, visited in the same order as a's
    forEachControl(b, [&](const std::string&, const auto& c) { controls.push_back(&c); });
    std::size_t i = 0;
    bool equal = true;
    forEachControl(a, [&](const std::string&, const auto& c) {
        equal = equal && same(c, *static_cast<const std::decay_t<decltype(c)>*>(controls[i++]));
    });
    auto counters = [](const Window& w) {
        return std::tuple(w.u1.turnSacrifices, w.u2.turnSacrifices, w.timePassed, w.blnFirstMove, w.waitTicks,
                          w.partsSent, w.partsReceived, w.synchTicks);
    };
    return equal && counters(a) == counters(b);
}

} // namespace grim
