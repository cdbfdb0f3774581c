#include "specials/field_destruction.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"
#include "specials/random_draw.h"

namespace grim::activationSubs {

namespace {

constexpr int omega = 165;
constexpr int deathLimit = 100;
constexpr BandTable diceSlots{2, 5, 3, 1, 4};

bool weakEnoughForDeath(const FieldSlot& slot) {
    return !slot.empty() && slot.power <= deathLimit;
}

} // namespace

void godKiller(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    const auto b = pickOccupiedSlot(w, w.side(side), opp, MessageId::noSlotOpponent, MessageId::slotEmpty);
    if (!b) return;
    if (opp.slot(*b).card->code() != omega) return refuse(w, MessageId::noOmega);
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, 5, 5))) return;
    destroySlot(opp, *b);
    gameSubs::finishSpecial(w, side);
}

void death(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    if (gameSubs::occupiedSlots(opp) == 0) return refuse(w, MessageId::opponentFieldEmpty);
    bool anyWeak = false;
    for (const FieldSlot& slot : opp.txtAtt)
        anyWeak = anyWeak || weakEnoughForDeath(slot);
    if (!anyWeak) return refuse(w, MessageId::opponentFieldStrong);
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, 1, 1))) return;
    for (int i = 1; i <= slotCount; ++i) {
        if (!weakEnoughForDeath(opp.slot(i))) continue;
        destroySlot(opp, i);
        addNumber(opp.txtLp, -1);
    }
    gameSubs::finishSpecial(w, side);
}

void armageddon(Window& w, SideId side) {
    if (cardsOnField(w) == 0) return refuse(w, MessageId::fieldEmpty);
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, 5, 5))) return;
    for (int i = 1; i <= slotCount; ++i) {
        for (Side* owner : {&w.u1, &w.u2}) {
            if (owner->slot(i).empty()) continue;
            destroySlot(*owner, i);
            addNumber(owner->txtLp, -1);
        }
    }
    gameSubs::finishSpecial(w, side);
}

void deadlyDice(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    if (gameSubs::occupiedSlots(opp) == 0) return refuse(w, MessageId::opponentFieldEmpty);
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, 2, 1))) return;
    const int slot = randomDraw(w, diceSlots);
    if (!opp.slot(slot).empty()) {
        destroySlot(opp, slot);
        addNumber(opp.txtLp, -1);
    } else {
        w.ports.prompter->show(MessageId::fieldCardsSpared);
    }
    gameSubs::finishSpecial(w, side);
}

} // namespace grim::activationSubs
