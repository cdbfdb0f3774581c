// Choosing how the next game is played, and ending the current one: the OFFLINE and
// NEW GAME items of the options menu (module onlineSubs).
#pragma once

#include "board/window.h"

namespace grim::onlineSubs {

// Chooses a mode on an empty board: all three mode items disabled, the chosen one checked,
// NEW GAME enabled.
void chooseMode(Window& w, Switch& chosen);

// Play on one machine: player 1 may open a deck; the mode is fixed until NEW GAME.
void smnOffline_Click(Window& w);
// Ends the current game and returns to the choice of mode with an empty board.
void smnNewGame_Click(Window& w);

} // namespace grim::onlineSubs
