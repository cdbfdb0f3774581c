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

// Plays on quickly, turn after turn of whichever side has the turn, until the side `me` has
// ended `turns` turns counted from the turn under way when the search began, `ended` of which
// are over already. Every look-ahead so stops right after a turn of `me`, however many moves
// it tried first. It stops too at a side that does not get its turn or makes no progress.
void playOn(Window& w, SideId me, int ended, int turns);
// Plays `turns` turns quickly (the one under way counted whole), each of the side that has the
// turn, starting with `me` when it has it; it stops at a side that makes no progress. Returns
// the turns it ended.
int playTurns(Window& w, SideId me, int turns);

// How good the board is for the side: life points first, then what stands on the fields,
// the sacrificed cards to pay with and the cards in hand. A won game scores highest.
double evaluate(const Window& w, SideId side);

} // namespace grim::computer
