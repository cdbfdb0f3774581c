// The deck editor's list operations (module deckSubs): moving cards between the
// catalogue lists and the deck list, emptying the deck, and showing a card's record.
#pragma once

#include "board/window.h"

#include <optional>
#include <string>

namespace grim::deckSubs {

// Moves the selected entry of list (the regular or the special card list) to the end
// of the deck list, refusing with a message when nothing is selected or the deck holds
// 40 cards. The entry above the taken one, or else the first entry, becomes selected;
// the count boxes follow.
void addToDeck(Window& w, ListBox& list);

// Moves the selected deck entry back to its catalogue list; the entry above it, or else
// the first deck entry, becomes selected; the count boxes follow.
void removeFromDeck(Window& w);

// Returns the selected entry of list to its catalogue list: code below 200 to its sorted
// place in the regular card list, 200 to 299 to the end of the special card list. An
// entry that is not exactly the catalogue entry of its code (code 300 and above, no
// number, a misspelt name), or that its list already holds, is dropped, so the catalogue
// lists never hold anything but catalogue cards, each once.
void returnCardToCatalogue(Window& w, std::optional<int> code, const ListBox& list);

// How the deck list is emptied: silently, leaving the count boxes to the caller, or
// (CLOSE) refusing an empty deck and asking first, then rewriting the count boxes.
enum class CloseMode { silent, asking };

// Empties the deck list into the catalogue lists.
void closeDeck(Window& w, CloseMode mode);

// Writes the record of a catalogue code into the description box; any other code
// leaves the box as it is.
void showCardInfo(Window& w, int code);

// Selects item i of list as a click would: the selected card's record is shown.
void selectEntry(Window& w, ListBox& list, int i);

// The index of the first item of list that equals entry, or ListBox::none.
int findEntry(const ListBox& list, const std::string& entry);

// Writes the number of entries of each list into its count box.
void refreshCounts(Window& w);

} // namespace grim::deckSubs
