#include "rules/game_handlers.h"

#include "board/numbers.h"
#include "rules/combat.h"
#include "rules/fielding.h"
#include "rules/turn_flow.h"

namespace grim::gameSubs {

namespace {
std::string_view sideId(std::string_view side) {
    return side == "u1" ? "u1" : "u2";
}
} // namespace

void btnOpen_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnOpen.enabled) openDeckForPlay(w, s.lstDeck, s.btnOpen, s.txtDeckCnt, sideId(side));
}

void btnAdd_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnAdd.enabled) draw(w, s.btnQ5, s.btnAdd, s.lstDeck, s.lstHand, s.txtDeckCnt, s.txtHandCnt);
}

void btnQ5_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnQ5.enabled) q5(w, s.btnQ5, s.btnAdd, s.lstDeck, s.lstHand, s.txtDeckCnt, s.txtHandCnt);
}

void btnSacri_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (!s.btnSacri.enabled) return;
    sacrifice(w, "hand", sideId(side));
    writeNumber(s.txtHandCnt, s.lstHand.count());
}

void lblAtt_Click(Window& w, std::string_view side, int i) {
    if (i < 1 || i > 5) return;
    if (w.side(side).lblAtt.at(static_cast<std::size_t>(i - 1)).enabled) sacrifice(w, "att", sideId(side), i);
}

void btnField_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (!s.btnField.enabled) return;
    field(w, s.lstHand, s.txtAtt, sideId(side));
    writeNumber(s.txtHandCnt, s.lstHand.count());
}

void btnDirect_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnDirect.enabled)
        directAttack(w, s.txtAtt, w.opponent(side).txtAtt, w.opponent(side).txtLp, sideId(side));
}

void btnMaster_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnMaster.enabled) master(w, s.txtAtt, w.opponent(side).txtLp, sideId(side));
}

void btnAttack_Click(Window& w, std::string_view side) {
    Side& s = w.side(side);
    if (s.btnAttack.enabled)
        attackSubs::attack(w, sideId(side), s.cmbSlotA, s.cmbSlotB, s.txtAtt, w.opponent(side).txtAtt);
}

void btnEnd_Click(Window& w, std::string_view side) {
    if (w.side(side).btnEnd.enabled) endTurn(w, sideId(side));
}

void tmrTurnLimit_Timer(Window& w) {
    if (w.timers.tmrTurnLimit.on()) turnTimerTick(w);
}

} // namespace grim::gameSubs
