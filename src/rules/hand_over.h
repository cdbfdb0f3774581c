// The end of a turn between two windows: the board goes over to the other window.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::gameSubs {

// The notice that announces a hand-over, after "<[" and the sender's time of day.
inline constexpr std::string_view handOverNotice = "] Other player is updating changes 1-8 to you.>";

// Starts the hand-over after the ending side was disabled: progress "0 of 8", the log line,
// the notice to the other window, "</synch/>" after player 1's first turn, and the eight
// parts on the update timer's ticks.
void handOver(Window& w, SideId ended);

} // namespace grim::gameSubs
