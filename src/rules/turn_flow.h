// The skeleton of a duel (module gameSubs): opening a deck for play, drawing, ending a
// turn and the three-minute turn limit. Each operation takes the acting side's own
// controls, so one operation serves both players.
#pragma once

#include "board/window.h"

#include <string>
#include <string_view>

namespace grim::gameSubs {


// Reads a deck file chosen in the file dialog into the deck list. A file that is
// outdated, unreadable, short or holds a line that is not a card entry of the catalogue
// is refused with a message and loads nothing; the open-deck button stays enabled.
void openDeckForPlay(Window& w, CardList& deck, Switch& btnOpen, Counter& deckCnt, SideId side);

// The message refusing a deck file whose line (1-based, the header being line 1) is no card.
std::string notACardMessage(int lineNumber, std::string_view line);

// Starts player 1's first turn: no attack, direct attack or master yet.
void firstMove(Window& w);

// Moves the top card of the deck to the end of the hand.
void draw(Window& w, Switch& btnQ5, Switch& btnAdd, CardList& deck, CardList& hand, Counter& deckCnt,
          Counter& handCnt);
// Draws until the hand holds 5 cards, all at once or not at all.
void q5(Window& w, Switch& btnQ5, Switch& btnAdd, CardList& deck, CardList& hand, Counter& deckCnt,
        Counter& handCnt);

// Ends the side's turn: checks for the end of the game
// and, on one machine, gives the other side its turn.
void endTurn(Window& w, SideId side);

// One minute of the turn has passed; the third ends the turn of the side whose END
// button is enabled.
void turnTimerTick(Window& w);

} // namespace grim::gameSubs
