// The message log txtChat: log lines and the texts they are made of.
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

} // namespace grim
