// Whether the window may close: it asks first when closing would lose a deck being built
// or a game under way.
#pragma once

#include "board/window.h"

namespace grim {

inline constexpr const char* unsavedDeckQuestion =
    "Your deck has changes that were not saved. Close the game anyway?";
inline constexpr const char* runningGameQuestion = "A game is in progress. Close the game anyway?";
inline constexpr const char* deckAndGameQuestion =
    "Your deck has changes that were not saved, and a game is in progress. Close the game anyway?";

// The deck editor holds a deck that differs from the one last saved or opened. An empty
// deck has nothing to lose.
bool unsavedDeckChanges(const DeckEditor& d);

// True when the window may close: nothing would be lost, or the player answered Yes.
bool formQueryUnload(Window& w);

} // namespace grim
