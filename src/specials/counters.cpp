#include "specials/counters.h"

#include "board/numbers.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void recovery(Window& w, SideId side) {
    Side& own = w.side(side);
    const int s = readNumber(own.txtSacriCnt);
    if (s < 1) return refuse(w, MessageId::needSacrificed);
    addNumber(own.txtLp, s);
    writeNumber(own.txtSacriCnt, 0);
    gameSubs::finishSpecial(w, side);
}

void iou(Window& w, SideId side) {
    Side& own = w.side(side);
    if (own.btnSacri.enabled) return refuse(w, MessageId::sacrificeLimitFirst);
    addNumber(own.txtSacriCnt, 1);
    gameSubs::finishSpecial(w, side);
}

void inconvenience(Window& w, SideId side) {
    addNumber(w.opponent(side).txtSacriCnt, -1);
    gameSubs::finishSpecial(w, side);
}

void selfishness(Window& w, SideId side) {
    Side& own = w.side(side);
    if (own.cmbGrave.empty())
        return refuse(w, MessageId::needOwnGraveCancelled);
    own.cmbGrave.clear();
    writeNumber(own.txtGraveCnt, 0);
    addNumber(own.txtLp, 1);
    gameSubs::finishSpecial(w, side);
}

} // namespace grim::activationSubs
