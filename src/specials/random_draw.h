// The draw of the chance effects: a number from 1 to 50 whose band of ten picks one of
// five positions through the effect's own table.
#pragma once

#include "board/window.h"

#include <array>

namespace grim::activationSubs {

// positions[0] answers draws 1-10, positions[1] 11-20, ... positions[4] 41-50.
using BandTable = std::array<int, 5>;

// The integer part of r x 50 + 1 for the next fraction r of the window's generator,
// kept within 1..50 even if the generator strays outside [0, 1).
int drawOneToFifty(Window& w);

// The position the next draw lands on.
int randomDraw(Window& w, const BandTable& positions);

} // namespace grim::activationSubs
