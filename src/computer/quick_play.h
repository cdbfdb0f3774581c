// The computer's picture of how a turn goes when nobody searches: draw to a full hand,
// pick the hand card worth most on the field for its price, sacrifice the weakest other
// cards it needs, field it, use MASTER with a full field, attack where the attacker wins
// (or directly at an empty field), end.
// Its look-ahead plays the rest of a turn and the opponent's reply this way, and scores
// the board it leads to.
#pragma once

#include "board/window.h"

namespace grim::computer {

// Plays the side's turn on a board whose ports are trial ports, until it has ended.
// A side that has not opened its deck yet is left as it is.
void playTurnQuickly(Window& w, SideId side);

// How good the board is for the side: life points first, then what stands on the fields,
// the sacrificed cards to pay with and the cards in hand. A won game scores highest.
double evaluate(const Window& w, SideId side);

} // namespace grim::computer
