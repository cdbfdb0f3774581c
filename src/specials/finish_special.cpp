#include "specials/finish_special.h"

#include "board/game_subs.h"
#include "board/numbers.h"

namespace grim::gameSubs {

void finishSpecial(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.lstHand.hasSelection()) {
        const int played = s.lstHand.selected();
        s.cmbGrave.add(GraveItem{s.lstHand.item(played), std::nullopt});
        s.lstHand.remove(played);
    }
    writeNumber(s.txtHandCnt, s.lstHand.count());
    writeNumber(s.txtGraveCnt, s.cmbGrave.count());
    endPreparation(w, side);
}

} // namespace grim::gameSubs
