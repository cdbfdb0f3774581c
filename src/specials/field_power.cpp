#include "specials/field_power.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "rules/costs.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void invigoration(Window& w, std::string_view side) {
    Side& own = w.side(side);
    const auto a = selectedSlotA(own);
    if (!a) return refuse(w, noSlotOwn);
    TextBox& slot = own.slot(*a);
    if (slot.text.empty()) return refuse(w, nothingToIncrease);
    const int power = gameSubs::slotPower(slot.text);
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    slot.text = gameSubs::withPower(slot.text, power + 20 * cardsOnField(w));
    gameSubs::finishSpecial(w, side);
}

void devestation(Window& w, std::string_view side) {
    Side& opp = w.opponent(side);
    const auto b = selectedSlotA(w.side(side));
    if (!b) return refuse(w, noSlotOpponent);
    TextBox& slot = opp.slot(*b);
    if (slot.text.empty()) return refuse(w, slotEmptyCancelled);
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    const int p = gameSubs::slotPower(slot.text) - 20 * cardsOnField(w);
    if (p <= 0) {
        destroySlot(opp, *b);
        addNumber(opp.txtLp, -1);
        refreshGraveCount(opp);
    } else {
        slot.text = gameSubs::withPower(slot.text, p);
    }
    gameSubs::finishSpecial(w, side);
}

void soulStealer(Window& w, std::string_view side) {
    Side& own = w.side(side);
    Side& opp = w.opponent(side);
    const auto a = selectedSlotA(own);
    if (!a) return refuse(w, noSlotOwn);
    TextBox& slot = own.slot(*a);
    // Each player has always been told of the empty slot in different words.
    if (slot.text.empty()) return refuse(w, side == "u1" ? slotEmptyCancelled : nothingToIncrease);
    if (!isDeadCard(slot.text)) return refuse(w, notDead);
    const int g = readNumber(opp.txtGraveCnt);
    if (g <= 0) return refuse(w, "Opponent must have at least 1 card in GRAVEYARD.");
    const int cost = g <= 20 ? 3 : 4;
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, cost, cost))) return;
    slot.text = gameSubs::withPower(slot.text, gameSubs::slotPower(slot.text) + 10 * g);
    opp.cmbGrave.clear();
    gameSubs::finishSpecial(w, side);
    refreshGraveCount(opp);
}

} // namespace grim::activationSubs
