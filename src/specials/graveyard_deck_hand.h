// Special cards that work on graveyards, decks, hands and the fielding of a turn.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::activationSubs {

void abyss(Window& w, std::string_view side);       // 228: the opponent's graveyard leaves the game
void graveRobber(Window& w, std::string_view side); // 211: a card of the opponent's graveyard becomes ours
void revival(Window& w, std::string_view side);   // 202: a card of the own graveyard goes on top of the deck
void chosenOne(Window& w, std::string_view side); // 209: a random card of the opponent's hand is destroyed

void disruptor(Window& w, std::string_view side);  // 223: shuffles the opponent's deck
void luck(Window& w, std::string_view side);       // 225: shuffles the own deck
void exchange(Window& w, std::string_view side);   // 224: the two hands change places
void doubleTeam(Window& w, std::string_view side); // 203: one more card may be fielded this turn

} // namespace grim::activationSubs
