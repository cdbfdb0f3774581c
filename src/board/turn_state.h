// What the board says about the duel as a whole: whose move it is and whether a game is
// under way. Nothing is stored for this; it is read from the controls.
#pragma once

#include "board/window.h"

#include <optional>

namespace grim {

// The side may act now: one of its turn controls (the open-deck button included) is
// enabled. This is what "its turn" means on the board.
// One expression without a branch per control: asked after every action, mostly of a side
// whose controls are all disabled.
inline bool hasTurn(const Side& s) {
    const auto& l = s.lblAtt;
    return s.btnOpen.enabled | s.btnQ5.enabled | s.btnAdd.enabled | s.btnSacri.enabled |
           s.btnSpecial.enabled | s.btnField.enabled | s.btnDirect.enabled | s.btnMaster.enabled |
           s.btnAttack.enabled | s.btnEnd.enabled | l[0].enabled | l[1].enabled | l[2].enabled |
           l[3].enabled | l[4].enabled;
}

// The side that may act now, player 1 first; none while neither may.
inline std::optional<SideId> sideToMove(const Window& w) {
    if (hasTurn(w.u1)) return SideId::u1;
    if (hasTurn(w.u2)) return SideId::u2;
    return std::nullopt;
}

// How the game is played, as the options menu's checked mode item says: not chosen yet,
// OFFLINE (both players share the window), ONLINE, or VS COMPUTER (the program plays
// player 2).
enum class PlayMode { none, offline, online, computer };
PlayMode playMode(const Window& w);

// The game is played at this window alone: OFFLINE or VS COMPUTER. The rules treat both alike.
bool oneMachine(const Window& w);

// Connected to another window, as the rules read it: DISCONNECT is enabled (from the start
// of hosting, and on the joining side from the opening of the duel, until the connection ends).
bool connected(const Window& w);

// A game is under way: one machine's game was chosen (OFFLINE or VS COMPUTER) or a connection to another
// window is open, and the game has not ended. It has ended when a side's life points are
// 0 or below and neither side may act (the end-of-game check has disabled both).
bool gameRunning(const Window& w);

} // namespace grim
