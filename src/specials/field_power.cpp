#include "specials/field_power.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "rules/costs.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void invigoration(Window& w, SideId side) {
    Side& own = w.side(side);
    const auto a = pickOccupiedSlot(w, own, own, MessageId::noSlotOwn, MessageId::nothingToIncrease);
    if (!a) return;
    FieldSlot& slot = own.slot(*a);
    const int power = slot.power;
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    gameSubs::setPower(slot, power + 20 * cardsOnField(w));
    gameSubs::finishSpecial(w, side);
}

void devestation(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    const auto b = pickOccupiedSlot(w, w.side(side), opp, MessageId::noSlotOpponent, MessageId::slotEmptyCancelled);
    if (!b) return;
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    FieldSlot& slot = opp.slot(*b);
    const int p = slot.power - 20 * cardsOnField(w);
    if (p <= 0) {
        destroySlot(opp, *b);
        addNumber(opp.txtLp, -1);
    } else {
        gameSubs::setPower(slot, p);
    }
    gameSubs::finishSpecial(w, side);
}

void soulStealer(Window& w, SideId side) {
    // Each player has always been told of the empty slot in different words.
    feedOnSouls(w, side, w.opponent(side), side == SideId::u1 ? MessageId::slotEmptyCancelled : MessageId::nothingToIncrease,
                MessageId::needOpponentGrave);
}

} // namespace grim::activationSubs
