// The message log txtChat: game events are written into it as log lines.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim {

// Appends CR LF, "<[", the time of day and text to txtChat. The text begins with "] "
// and ends with ">", e.g. "] Changes updated successfully.>".
void appendLogLine(Window& w, std::string_view text);

} // namespace grim
