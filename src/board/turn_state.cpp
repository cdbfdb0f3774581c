#include "board/turn_state.h"

#include "board/numbers.h"

namespace grim {

bool hasTurn(const Side& s) {
    for (const Switch* c : {&s.btnOpen, &s.btnQ5, &s.btnAdd, &s.btnSacri, &s.btnSpecial, &s.btnField,
                            &s.btnDirect, &s.btnMaster, &s.btnAttack, &s.btnEnd})
        if (c->enabled) return true;
    for (const Switch& label : s.lblAtt)
        if (label.enabled) return true;
    return false;
}

bool oneMachine(const Window& w) {
    return w.menu.smnOffline.checked || w.menu.smnComputer.checked;
}

bool gameRunning(const Window& w) {
    if (!oneMachine(w) && !w.online.btnDisconnect.enabled) return false;
    const bool lifeLost = readNumber(w.u1.txtLp) <= 0 || readNumber(w.u2.txtLp) <= 0;
    return !(lifeLost && !hasTurn(w.u1) && !hasTurn(w.u2));
}

} // namespace grim
