#include "specials/graveyard_deck_hand.h"

#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"
#include "rules/shuffle.h"
#include "specials/effect_support.h"
#include "specials/finish_special.h"
#include "specials/random_draw.h"

namespace grim::activationSubs {

namespace {
constexpr BandTable chosenPositions{2, 5, 4, 3, 1};
}

void abyss(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    if (opp.cmbGrave.empty())
        return refuse(w, MessageId::needOpponentGraveCancelled);
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    opp.cmbGrave.clear();
    refreshGraveCount(opp);
    gameSubs::finishSpecial(w, side);
}

void graveRobber(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    if (!opp.cmbGrave.hasSelection()) return refuse(w, MessageId::noOpponentGravePick);
    const int stolen = opp.cmbGrave.selected();
    w.side(side).cmbGrave.add(opp.cmbGrave.item(stolen));
    opp.cmbGrave.remove(stolen);
    gameSubs::finishSpecial(w, side);
    refreshGraveCount(opp);
}

void revival(Window& w, SideId side) {
    Side& own = w.side(side);
    const GraveItem* picked = own.cmbGrave.selectedItem();
    if (picked == nullptr) return refuse(w, MessageId::noGravePick);
    const CardId card = picked->card;
    if (paymentFailed(gameSubs::payLifePoints(w, side, 1))) return;
    own.lstDeck.insert(0, card);
    own.cmbGrave.remove(own.cmbGrave.selected());
    gameSubs::finishSpecial(w, side);
    writeNumber(own.txtDeckCnt, own.lstDeck.count());
}

void chosenOne(Window& w, SideId side) {
    Side& opp = w.opponent(side);
    if (opp.lstHand.empty()) return refuse(w, MessageId::noOpponentHand);
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    const int position = randomDraw(w, chosenPositions);
    if (position > opp.lstHand.count()) {
        w.ports.prompter->show(MessageId::cardsSpared);
        return gameSubs::finishSpecial(w, side);
    }
    opp.cmbGrave.add(GraveItem{opp.lstHand.item(position - 1), std::nullopt});
    opp.lstHand.remove(position - 1);
    gameSubs::finishSpecial(w, side);
    writeNumber(opp.txtHandCnt, opp.lstHand.count());
    refreshGraveCount(opp);
}

void disruptor(Window& w, SideId side) {
    gameSubs::shuffle(w, w.opponent(side).lstDeck);
    gameSubs::finishSpecial(w, side);
}

void luck(Window& w, SideId side) {
    gameSubs::shuffle(w, w.side(side).lstDeck);
    gameSubs::finishSpecial(w, side);
}

void exchange(Window& w, SideId side) {
    const int h = w.side(side).lstHand.count(); // still holds the EXCHANGE card
    const int o = w.opponent(side).lstHand.count();
    if (o == 0) return refuse(w, MessageId::noHandToExchange);
    if (h - 1 != o)
        return refuse(w, MessageId::handsDiffer);
    gameSubs::finishSpecial(w, side);
    // Each hand receives the other's entries behind its own, then gives up its own.
    CardList& hand1 = w.u1.lstHand;
    CardList& hand2 = w.u2.lstHand;
    for (int i = 0; i < o; ++i) {
        hand1.add(hand2.item(i));
        hand2.add(hand1.item(i));
    }
    for (int i = 0; i < o; ++i) {
        hand1.remove(0);
        hand2.remove(0);
    }
}

void doubleTeam(Window& w, SideId side) {
    Side& own = w.side(side);
    if (own.btnField.enabled) return refuse(w, MessageId::fieldFirst);
    if (paymentFailed(gameSubs::paySacrificed(w, side, 1))) return;
    own.btnField.enabled = true;
    gameSubs::finishSpecial(w, side);
}

} // namespace grim::activationSubs
