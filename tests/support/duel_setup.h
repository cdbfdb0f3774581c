// Small helpers for tests of the duel rules: a board in the middle of a game on one
// machine, and the names of the controls an action changed.
#pragma once

#include "board/game_subs.h"
#include "support/fakes.h"
#include "support/snapshot.h"
#include "support/temp_folder.h"

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace grim::test {

// A game on one machine in which it is the side's full turn.
inline void startTurn(Window& w, SideId side) {
    w.menu.smnOffline.checked = true;
    w.menu.smnOffline.enabled = false;
    w.menu.smnOnline.enabled = false;
    w.menu.smnNewGame.enabled = true;
    gameSubs::enableSide(w, side);
    w.timers.tmrTurnLimit.setOn(true);
}

inline void setList(ListBox& list, const std::vector<std::string>& items, TextBox& count) {
    list.setItems(items);
    count.text = std::to_string(items.size());
}

// The names whose state differs between two snapshots.
inline std::set<std::string> changed(const std::map<std::string, std::string>& before,
                                     const std::map<std::string, std::string>& after) {
    std::set<std::string> names;
    for (const auto& [name, state] : after)
        if (before.count(name) == 0 || before.at(name) != state) names.insert(name);
    return names;
}

// The turn controls ("btnAddU1", "lblAttU1_3", ...) of a side that are enabled.
inline std::set<std::string> enabledTurnControls(const Window& w, SideId side) {
    const std::string u = side == SideId::u1 ? "U1" : "U2";
    std::set<std::string> names;
    forEachControl(w, [&](const std::string& name, const auto& control) {
        if constexpr (std::is_same_v<std::decay_t<decltype(control)>, Switch>)
            if (control.enabled && (name.rfind("btn", 0) == 0 || name.rfind("lblAtt", 0) == 0) &&
                name.find(u) != std::string::npos)
                names.insert(name);
    });
    return names;
}

inline std::set<std::string> allTurnControlsButOpen(SideId side) {
    const std::string u = side == SideId::u1 ? "U1" : "U2";
    std::set<std::string> names;
    for (const char* b : {"btnQ5", "btnAdd", "btnSacri", "btnSpecial", "btnField", "btnDirect", "btnMaster",
                          "btnAttack", "btnEnd"})
        names.insert(b + u);
    for (int i = 1; i <= 5; ++i)
        names.insert("lblAtt" + u + "_" + std::to_string(i));
    return names;
}

} // namespace grim::test
