#include "specials/effect_support.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"
#include "specials/finish_special.h"

namespace grim::activationSubs {

std::optional<int> pickOccupiedSlot(Window& w, const Side& picker, const Side& target,
                                    MessageId noPick, MessageId emptySlot) {
    const auto slot = gameSubs::selectedSlot(picker.cmbSlotA);
    if (!slot) {
        refuse(w, noPick);
        return std::nullopt;
    }
    if (target.slot(*slot).empty()) {
        refuse(w, emptySlot);
        return std::nullopt;
    }
    return slot;
}

void feedOnSouls(Window& w, SideId side, Side& souls, MessageId emptySlot, MessageId noSouls) {
    Side& own = w.side(side);
    const auto a = pickOccupiedSlot(w, own, own, MessageId::noSlotOwn, emptySlot);
    if (!a) return;
    FieldSlot& slot = own.slot(*a);
    if (!isDeadCard(*slot.card)) return refuse(w, MessageId::notDead);
    // The count box, not the list, says how many souls there are to take.
    const int n = readNumber(souls.txtGraveCnt);
    if (n <= 0) return refuse(w, noSouls);
    const int cost = n <= 20 ? 3 : 4;
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, cost, cost))) return;
    gameSubs::setPower(slot, slot.power + 10 * n);
    souls.cmbGrave.clear();
    gameSubs::finishSpecial(w, side);
    refreshGraveCount(souls);
}

bool paymentFailed(gameSubs::Verdict verdict) {
    return verdict == gameSubs::Verdict::failed;
}

void destroySlot(Side& owner, int slot) {
    gameSubs::toGraveyard(owner, owner.slot(slot));
}

void refreshGraveCount(Side& s) {
    writeNumber(s.txtGraveCnt, s.cmbGrave.count());
}

bool isDeadCard(CardId card) {
    return card.code() >= 116 && card.code() <= 119;
}

int cardsOnField(const Window& w) {
    return gameSubs::occupiedSlots(w.u1) + gameSubs::occupiedSlots(w.u2);
}

void refuse(Window& w, MessageId message) {
    w.ports.prompter->show(message);
}

} // namespace grim::activationSubs
