#include "specials/life_power.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

void lifeless(Window& w, SideId side) {
    addNumber(w.opponent(side).txtLp, -1);
    gameSubs::finishSpecial(w, side);
}

void suicide(Window& w, SideId side) {
    const int p1 = readNumber(w.u1.txtLp);
    const int p2 = readNumber(w.u2.txtLp);
    writeNumber(w.u1.txtLp, p1 - 1);
    writeNumber(w.u2.txtLp, p2 - 1);
    gameSubs::finishSpecial(w, side);
}

void lifepoint(Window& w, SideId side) {
    addNumber(w.side(side).txtLp, 1);
    gameSubs::finishSpecial(w, side);
}

void increase(Window& w, SideId side) {
    Side& own = w.side(side);
    const auto a = pickOccupiedSlot(w, own, own, MessageId::noSlotOwn, MessageId::nothingToIncrease);
    if (!a) return;
    FieldSlot& slot = own.slot(*a);
    gameSubs::setPower(slot, slot.power + 50);
    gameSubs::finishSpecial(w, side);
}

void reduction(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    // Player 1's wording of the first message has always ended in two full stops.
    const auto b = pickOccupiedSlot(
        w, w.side(side), opp, side == SideId::u1 ? MessageId::noSlotOpponentTwoStops : MessageId::noSlotOpponent,
        MessageId::nothingToReduce);
    if (!b) return;
    FieldSlot& slot = opp.slot(*b);
    const int p = slot.power - 50;
    if (p > 0) {
        gameSubs::setPower(slot, p);
    } else {
        destroySlot(opp, *b);
        addNumber(opp.txtLp, -1);
    }
    gameSubs::finishSpecial(w, side);
}

void soulTransfer(Window& w, SideId side) {
    feedOnSouls(w, side, w.side(side), MessageId::slotEmptyCancelled, MessageId::needOwnGrave);
}

} // namespace grim::activationSubs
