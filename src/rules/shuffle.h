#pragma once

#include "board/window.h"

namespace grim::gameSubs {

// Shuffles the items of a list in place (Fisher-Yates) with the window's random draw.
void shuffle(Window& w, CardList& list);

} // namespace grim::gameSubs
