#include "rules/fielding.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"

namespace grim::gameSubs {

namespace {

const char* const noCardToFieldMessage = "No card has been selected to send to an ATTACK slot.";
const char* const fieldFullMessage = "Your ATTACK area is full. Action cancelled.";
const char* const noHandCardMessage =
    "No card in HAND selected for sacrifice. Sacrifice will not take place.";
const char* const emptySlotMessage =
    "There is no card to sacrifice in this slot. Sacrifice will not take place.";
const char* const masterMessage = "You must have 5 cards on the FIELD to use MASTER.";

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
        prompter.message(noCardToFieldMessage);
        return;
    }
    if (occupiedSlots(slots) == slotCount) {
        prompter.message(fieldFullMessage);
        return;
    }
    const std::string entry = hand.selectedText();
    const auto code = cardSubs::cardCode(entry);
    if (!code) return; // no card entry at all: nothing can be fielded

    std::string slotText;
    if (cardSubs::isSpecial(*code)) {
        if (!prompter.question(specialFieldQuestion)) return;
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
            prompter.message(noHandCardMessage);
            return;
        }
        if (!prompter.question(sacrificeQuestion)) return;
        s.cmbGrave.add(s.lstHand.selectedText());
        s.lstHand.remove(s.lstHand.selected());
        finishSacrifice(s);
    } else {
        if (slot < 1 || slot > slotCount) return;
        TextBox& box = s.slot(slot);
        if (box.text.empty()) {
            prompter.message(emptySlotMessage);
            return;
        }
        if (!prompter.question(sacrificeQuestion)) return;
        toGraveyard(s, box);
        finishSacrifice(s);
    }
}

void master(Window& w, Field& slots, TextBox& opponentLp, SideId side) {
    if (occupiedSlots(slots) < slotCount) {
        w.ports.prompter->message(masterMessage);
        return;
    }
    addNumber(opponentLp, -1);
    Side& s = w.side(side);
    s.btnMaster.enabled = false;
    endPreparation(w, side);
    s.btnField.enabled = false;
}

} // namespace grim::gameSubs
