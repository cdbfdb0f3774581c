// Whether the window may close: it asks first when closing would lose a deck being built
// or a game under way.
#pragma once

#include "board/window.h"

namespace grim {

// The deck editor holds a deck that differs from the one last saved or opened. An empty
// deck has nothing to lose.
bool unsavedDeckChanges(const DeckEditor& d);

// True when the window may close: nothing would be lost, or the player answered Yes.
bool formQueryUnload(Window& w);

} // namespace grim
