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

void field(Window& w, ListBox& hand, Field& slots, SideId side) {
    Prompter& prompter = *w.ports.prompter;
    if (!hand.hasSelection()) {
        prompter.show(MessageId::noCardToField);
        return;
    }
    if (occupiedSlots(slots) == slotCount) {
        prompter.show(MessageId::fieldFull);
        return;
    }
    const std::string entry = hand.selectedText();
    const auto code = cardSubs::cardCode(entry);
    if (!code) return; // no card entry at all: nothing can be fielded

    std::string slotText;
    if (cardSubs::isSpecial(*code)) {
        if (!prompter.ask(MessageId::specialFieldQuestion)) return;
        slotText = entry + " 50";
    } else {
        const CardInfo* card = cardSubs::record(*code);
        if (card == nullptr) return; // not a card of the catalogue: it has no power to field
        slotText = entry + " " + card->power;
    }

    const Cost cost = fieldingCost(*code);
    if (payLifeAndSacrificed(w, side, cost.life, cost.sacrificed) == Verdict::failed) return;

    for (auto& slot : slots) {
        if (slot.text.empty()) {
            slot.text = std::move(slotText);
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
        s.cmbGrave.add(s.lstHand.selectedText());
        s.lstHand.remove(s.lstHand.selected());
        finishSacrifice(s);
    } else {
        if (slot < 1 || slot > slotCount) return;
        TextBox& box = s.slot(slot);
        if (box.text.empty()) {
            prompter.show(MessageId::emptySlotToSacrifice);
            return;
        }
        if (!prompter.ask(MessageId::sacrificeQuestion)) return;
        toGraveyard(s, box);
        finishSacrifice(s);
    }
}

void master(Window& w, Field& slots, TextBox& opponentLp, SideId side) {
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
