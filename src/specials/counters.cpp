#include "specials/counters.h"

#include "board/numbers.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void recovery(Window& w, SideId side) {
    Side& own = w.side(side);
    const int s = readNumber(own.txtSacriCnt);
    if (s < 1) return refuse(w, "You must have at least 1 card sacrificed to use this card.");
    addNumber(own.txtLp, s);
    own.txtSacriCnt.text = "0";
    gameSubs::finishSpecial(w, side);
}

void iou(Window& w, SideId side) {
    Side& own = w.side(side);
    if (own.btnSacri.enabled) return refuse(w, "Use this card after reaching your sacrifice limit.");
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
        return refuse(w, "You must have at least 1 card in GRAVEYARD. Action cancelled.");
    own.cmbGrave.clear();
    own.txtGraveCnt.text = "0";
    addNumber(own.txtLp, 1);
    gameSubs::finishSpecial(w, side);
}

} // namespace grim::activationSubs
