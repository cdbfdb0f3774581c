// Special cards that work on graveyards, decks, hands and the fielding of a turn.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

void abyss(Window& w, SideId side);       // 228: the opponent's graveyard leaves the game
void graveRobber(Window& w, SideId side); // 211: a card of the opponent's graveyard becomes ours
void revival(Window& w, SideId side);     // 202: a card of the own graveyard goes on top of the deck
void chosenOne(Window& w, SideId side);   // 209: a random card of the opponent's hand is destroyed

void disruptor(Window& w, SideId side);  // 223: shuffles the opponent's deck
void luck(Window& w, SideId side);       // 225: shuffles the own deck
void exchange(Window& w, SideId side);   // 224: the two hands change places
void doubleTeam(Window& w, SideId side); // 203: one more card may be fielded this turn

} // namespace grim::activationSubs
