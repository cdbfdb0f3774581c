#include "board/log.h"

namespace grim {

void appendLogLine(Window& w, std::string_view text) {
    std::string& log = w.txtChat.text;
    log += "\r\n<[";
    log += w.ports.clock.timeOfDay();
    log += text;
}

} // namespace grim
