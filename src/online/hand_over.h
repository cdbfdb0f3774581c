// The board hand-over at the end of a turn between two windows: announcing it, sending the
// eight parts, receiving them, and giving this window's player the turn when all eight have
// arrived (module onlineSubs).
#pragma once

#include "board/window.h"

#include <string>
#include <string_view>

namespace grim::onlineSubs {

// The notice that announces a hand-over, after "<[" and the sender's time of day.
inline constexpr std::string_view handOverNotice = "] Other player is updating changes 1-8 to you.>";

// Starts the hand-over after the ending side was disabled: progress "0 of 8", the log line,
// the notice to the other window, "</synch/>" after player 1's first turn, and the eight
// parts on the update timer's ticks.
void handOver(Window& w, SideId ended);

// A message that is neither a chat line, a tag nor a notice: the next part of the hand-over.
// A part that is not valid for its number is not applied and ends the connection.
void receivePart(Window& w, const std::string& m);
// Run after every received message: completes the hand-over once eight parts are in.
void completeUpdate(Window& w);
// "</synch/>": player 2 may open its deck once player 1's board has arrived.
void synchReceived(Window& w);
// A notice from the other window; the one that announces a hand-over starts taking its parts
// when this window waits for the other window's turn to end.
void noticeReceived(Window& w, const std::string& m);

} // namespace grim::onlineSubs
