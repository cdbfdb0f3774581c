// The message log txtChat and the one way messages leave for the other window.
#pragma once

#include "board/window.h"

#include <string>
#include <string_view>

namespace grim {

// Appends CR LF and the line to the log; the window then shows the log's end.
void appendToLog(Window& w, std::string_view line);
// Appends a log line: "<[", the time of day, then the fixed text ("] ... >").
void logLine(Window& w, std::string_view fixedText);
// "<[" + the time of day + the fixed text, as notices to the other window are written.
std::string timedText(Window& w, std::string_view fixedText);
// Sends one message to the other window; while the socket is not connected nothing is sent.
void sendMessage(Window& w, const std::string& message);
bool socketConnected(const Window& w);

} // namespace grim
