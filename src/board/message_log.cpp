#include "board/message_log.h"

namespace grim {

void appendToLog(Window& w, std::string_view line) {
    w.txtChat.text += "\r\n";
    w.txtChat.text += line;
}

std::string timedText(Window& w, std::string_view fixedText) {
    return "<[" + w.ports.clock->timeOfDay() + std::string(fixedText);
}

void logLine(Window& w, std::string_view fixedText) {
    appendToLog(w, timedText(w, fixedText));
}

} // namespace grim
