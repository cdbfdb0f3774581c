// Meeting the other window through a meeting server (module onlineSubs): with a room name
// typed, HOST GAME and JOIN GAME connect to the server in txtServer and send the room; once
// the server pairs the two windows, the host goes on as after accepting a connection and the
// joiner as after its connection succeeded. docs/protocol.md describes the exchange.
#pragma once

#include "board/window.h"
#include "online/meeting_wire.h"

#include <string>

namespace grim::onlineSubs {

// HOST GAME or JOIN GAME with a room typed (the socket already closed).
void meetThroughServer(Window& w, meet::Role role);

// The socket's events while this window is meeting. Each returns false, doing nothing, when
// it is not: the event then belongs to the other window, as in direct play.
bool meetingConnected(Window& w);
bool meetingMessage(Window& w, const std::string& message);
bool meetingClosed(Window& w);
bool meetingFailed(Window& w, const std::string& description);
// The connect timer's minute ran out with no host in the room: the wait is given up and
// logged as a join that did not connect.
void meetingGivenUp(Window& w);

} // namespace grim::onlineSubs
