#include "specials/life_power.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "rules/costs.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void lifeless(Window& w, std::string_view side) {
    addNumber(w.opponent(side).txtLp, -1);
    gameSubs::finishSpecial(w, side);
}

void suicide(Window& w, std::string_view side) {
    const int p1 = readNumber(w.u1.txtLp);
    const int p2 = readNumber(w.u2.txtLp);
    writeNumber(w.u1.txtLp, p1 - 1);
    writeNumber(w.u2.txtLp, p2 - 1);
    gameSubs::finishSpecial(w, side);
}

void lifepoint(Window& w, std::string_view side) {
    addNumber(w.side(side).txtLp, 1);
    gameSubs::finishSpecial(w, side);
}

void increase(Window& w, std::string_view side) {
    Side& own = w.side(side);
    const auto a = selectedSlotA(own);
    if (!a) return refuse(w, noSlotOwn);
    TextBox& slot = own.slot(*a);
    if (slot.text.empty()) return refuse(w, nothingToIncrease);
    slot.text = gameSubs::withPower(slot.text, gameSubs::slotPower(slot.text) + 50);
    gameSubs::finishSpecial(w, side);
}

void reduction(Window& w, std::string_view side) {
    Side& opp = w.opponent(side);
    const auto b = selectedSlotA(w.side(side));
    // Player 1's wording of this message has always ended in two full stops.
    if (!b) return refuse(w, side == "u1" ? std::string(noSlotOpponent) + "." : noSlotOpponent);
    TextBox& slot = opp.slot(*b);
    if (slot.text.empty())
        return refuse(w, "There is no card to reduce in power in selected slot. Action cancelled.");
    const int p = gameSubs::slotPower(slot.text) - 50;
    if (p > 0) {
        slot.text = gameSubs::withPower(slot.text, p);
    } else {
        destroySlot(opp, *b);
        refreshGraveCount(opp);
        addNumber(opp.txtLp, -1);
    }
    gameSubs::finishSpecial(w, side);
}

void soulTransfer(Window& w, std::string_view side) {
    Side& own = w.side(side);
    const auto a = selectedSlotA(own);
    if (!a) return refuse(w, noSlotOwn);
    TextBox& slot = own.slot(*a);
    if (slot.text.empty()) return refuse(w, slotEmptyCancelled);
    if (!isDeadCard(slot.text)) return refuse(w, notDead);
    // The count box, not the list, says how many souls there are to take.
    const int n = readNumber(own.txtGraveCnt);
    if (n <= 0) return refuse(w, "You must have at least 1 card in GRAVEYARD.");
    const int cost = n <= 20 ? 3 : 4;
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, cost, cost))) return;
    slot.text = gameSubs::withPower(slot.text, gameSubs::slotPower(slot.text) + 10 * n);
    own.cmbGrave.clear();
    gameSubs::finishSpecial(w, side);
}

} // namespace grim::activationSubs
