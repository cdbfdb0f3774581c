#include "rules/game_handlers.h"

#include "board/numbers.h"
#include "rules/combat.h"
#include "rules/fielding.h"
#include "rules/turn_flow.h"

namespace grim::gameSubs {

void btnOpen_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnOpen.enabled) openDeckForPlay(w, s.lstDeck, s.btnOpen, s.txtDeckCnt, side);
}

void btnAdd_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnAdd.enabled) draw(w, s.btnQ5, s.btnAdd, s.lstDeck, s.lstHand, s.txtDeckCnt, s.txtHandCnt);
}

void btnQ5_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnQ5.enabled) q5(w, s.btnQ5, s.btnAdd, s.lstDeck, s.lstHand, s.txtDeckCnt, s.txtHandCnt);
}

void btnSacri_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (!s.btnSacri.enabled) return;
    sacrifice(w, SacrificeFrom::hand, side);
    writeNumber(s.txtHandCnt, s.lstHand.count());
}

void lblAtt_Click(Window& w, SideId side, int i) {
    if (i < 1 || i > slotCount) return;
    if (w.side(side).lblAtt.at(static_cast<std::size_t>(i - 1)).enabled)
        sacrifice(w, SacrificeFrom::field, side, i);
}

void btnField_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (!s.btnField.enabled) return;
    field(w, s.lstHand, s.txtAtt, side);
    writeNumber(s.txtHandCnt, s.lstHand.count());
}

void btnDirect_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnDirect.enabled) directAttack(w, s.txtAtt, w.opponent(side).txtAtt, w.opponent(side).txtLp, side);
}

void btnMaster_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnMaster.enabled) master(w, s.txtAtt, w.opponent(side).txtLp, side);
}

void btnAttack_Click(Window& w, SideId side) {
    Side& s = w.side(side);
    if (s.btnAttack.enabled)
        attackSubs::attack(w, side, s.cmbSlotA, s.cmbSlotB, s.txtAtt, w.opponent(side).txtAtt);
}

void btnEnd_Click(Window& w, SideId side) {
    if (w.side(side).btnEnd.enabled) endTurn(w, side);
}

void tmrTurnLimit_Timer(Window& w) {
    if (w.timers.tmrTurnLimit.on()) turnTimerTick(w);
}

} // namespace grim::gameSubs
