#include "online/link.h"

namespace grim {

bool socketConnected(const Window& w) {
    return w.ports.socket->state() == Socket::State::connected;
}

void sendMessage(Window& w, const std::string& message) {
    if (socketConnected(w)) w.ports.socket->send(message);
}

} // namespace grim
