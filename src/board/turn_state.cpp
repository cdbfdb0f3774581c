#include "board/turn_state.h"

#include "board/numbers.h"

namespace grim {

PlayMode playMode(const Window& w) {
    const Menu& m = w.menu;
    return m.smnOffline.checked    ? PlayMode::offline
           : m.smnOnline.checked   ? PlayMode::online
           : m.smnComputer.checked ? PlayMode::computer
                                   : PlayMode::none;
}

bool oneMachine(const Window& w) {
    const PlayMode mode = playMode(w);
    return mode == PlayMode::offline || mode == PlayMode::computer;
}

bool connected(const Window& w) {
    return w.online.btnDisconnect.enabled;
}

bool gameRunning(const Window& w) {
    if (!oneMachine(w) && !connected(w)) return false;
    const bool lifeLost = readNumber(w.u1.txtLp) <= 0 || readNumber(w.u2.txtLp) <= 0;
    return !(lifeLost && !hasTurn(w.u1) && !hasTurn(w.u2));
}

} // namespace grim
