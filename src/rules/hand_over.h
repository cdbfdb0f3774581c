// The end of a turn between two windows: the board goes over to the other window.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

// Starts the hand-over after the ending side was disabled: progress "0 of 8", the log line,
// the notice to the other window, "</synch/>" after player 1's first turn, and the eight
// parts on the update timer's ticks.
void handOver(Window& w, SideId ended);

} // namespace grim::gameSubs
