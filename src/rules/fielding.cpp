#include "rules/fielding.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"

namespace grim::gameSubs {

namespace {


// What every sacrifice does once its card is in the graveyard.
void finishSacrifice(Side& s) {
    disableDrawing(s.btnQ5, s.btnAdd);
    s.turnSacrifices = saturate(s.turnSacrifices + 1);
    addNumber(s.txtSacriCnt, 1);
    writeNumber(s.txtGraveCnt, s.cmbGrave.count());
    if (s.turnSacrifices >= sacrificesPerTurn) {
        s.btnSacri.enabled = false;
        setSlotLabels(s, false);
    }
}

} // namespace

void field(Window& w, CardList& hand, Field& slots, SideId side) {
    Prompter& prompter = *w.ports.prompter;
    if (!hand.hasSelection()) {
        prompter.show(MessageId::noCardToField);
        return;
    }
    if (occupiedSlots(slots) == slotCount) {
        prompter.show(MessageId::fieldFull);
        return;
    }
    const CardId card = *hand.selectedItem();
    int power = cardPower(card);
    if (card.special()) {
        if (!prompter.ask(MessageId::specialFieldQuestion)) return;
        power = specialFieldPower;
    }

    const Cost cost = fieldingCost(card.code());
    if (payLifeAndSacrificed(w, side, cost.life, cost.sacrificed) == Verdict::failed) return;

    for (auto& slot : slots) {
        if (slot.empty()) {
            putCard(slot, card, power);
            break;
        }
    }
    hand.remove(hand.selected());

    Side& s = w.side(side);
    disableDrawing(s.btnQ5, s.btnAdd);
    s.btnSacri.enabled = false;
    setSlotLabels(s, false);
    s.btnField.enabled = false;
}

void sacrifice(Window& w, SacrificeFrom from, SideId side, int slot) {
    Side& s = w.side(side);
    Prompter& prompter = *w.ports.prompter;
    if (from == SacrificeFrom::hand) {
        if (!s.lstHand.hasSelection()) {
            prompter.show(MessageId::noHandCardToSacrifice);
            return;
        }
        if (!prompter.ask(MessageId::sacrificeQuestion)) return;
        s.cmbGrave.add(GraveItem{*s.lstHand.selectedItem(), std::nullopt});
        s.lstHand.remove(s.lstHand.selected());
        finishSacrifice(s);
    } else {
        if (slot < 1 || slot > slotCount) return;
        FieldSlot& box = s.slot(slot);
        if (box.empty()) {
            prompter.show(MessageId::emptySlotToSacrifice);
            return;
        }
        if (!prompter.ask(MessageId::sacrificeQuestion)) return;
        toGraveyard(s, box);
        finishSacrifice(s);
    }
}

void master(Window& w, Field& slots, Counter& opponentLp, SideId side) {
    if (occupiedSlots(slots) < slotCount) {
        w.ports.prompter->show(MessageId::masterNeedsFullField);
        return;
    }
    addNumber(opponentLp, -1);
    Side& s = w.side(side);
    s.btnMaster.enabled = false;
    endPreparation(w, side);
    s.btnField.enabled = false;
}

} // namespace grim::gameSubs
