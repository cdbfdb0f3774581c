// The one way messages leave for the other window, and whether the socket holds a
// connection to it.
#pragma once

#include "board/window.h"

#include <string>

namespace grim {

// Sends one message to the other window; while the socket is not connected nothing is sent.
void sendMessage(Window& w, const std::string& message);
// The socket is connected to the other window (not listening, connecting or closed).
bool socketConnected(const Window& w);

} // namespace grim
