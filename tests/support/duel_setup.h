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
inline void startTurn(Window& w, std::string_view side) {
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
    for (const auto& [name, state] : after) {
        const auto it = before.find(name);
        if (it == before.end() || it->second != state) names.insert(name);
    }
    return names;
}

// The turn controls of a side that are enabled, by name ("btnAddU1", "lblAttU1_3", ...).
inline std::set<std::string> enabledTurnControls(const Window& w, std::string_view side) {
    const std::string u = side == "u1" ? "U1" : "U2";
    const Side& s = side == "u1" ? w.u1 : w.u2;
    std::set<std::string> names;
    const std::pair<const char*, const Switch*> buttons[] = {
        {"btnOpen", &s.btnOpen},     {"btnQ5", &s.btnQ5},           {"btnAdd", &s.btnAdd},
        {"btnSacri", &s.btnSacri},   {"btnSpecial", &s.btnSpecial}, {"btnField", &s.btnField},
        {"btnDirect", &s.btnDirect}, {"btnMaster", &s.btnMaster},   {"btnAttack", &s.btnAttack},
        {"btnEnd", &s.btnEnd}};
    for (const auto& [name, b] : buttons)
        if (b->enabled) names.insert(name + u);
    for (int i = 1; i <= 5; ++i)
        if (s.lblAtt[static_cast<std::size_t>(i - 1)].enabled)
            names.insert("lblAtt" + u + "_" + std::to_string(i));
    return names;
}

inline std::set<std::string> allTurnControlsButOpen(std::string_view side) {
    const std::string u = side == "u1" ? "U1" : "U2";
    std::set<std::string> names;
    for (const char* b : {"btnQ5", "btnAdd", "btnSacri", "btnSpecial", "btnField", "btnDirect", "btnMaster",
                          "btnAttack", "btnEnd"})
        names.insert(b + u);
    for (int i = 1; i <= 5; ++i)
        names.insert("lblAtt" + u + "_" + std::to_string(i));
    return names;
}

} // namespace grim::test
