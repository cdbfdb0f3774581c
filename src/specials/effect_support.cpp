#include "specials/effect_support.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"

namespace grim::activationSubs {

std::optional<int> selectedSlotA(const Side& s) {
    if (!s.cmbSlotA.hasSelection()) return std::nullopt;
    const int slot = readNumber(s.cmbSlotA.selectedText());
    if (slot < 1 || slot > 5) return std::nullopt;
    return slot;
}

bool paymentFailed(const std::string& verdict) {
    return verdict == gameSubs::failed;
}

void destroySlot(Side& owner, int slot) {
    TextBox& box = owner.slot(slot);
    owner.cmbGrave.add(box.text);
    box.text.clear();
}

void refreshGraveCount(Side& s) {
    writeNumber(s.txtGraveCnt, s.cmbGrave.count());
}

bool isDeadCard(const std::string& slotText) {
    const auto code = cardSubs::cardCode(slotText);
    return code && *code >= 116 && *code <= 119;
}

int cardsOnField(const Window& w) {
    return gameSubs::occupiedSlots(w.u1) + gameSubs::occupiedSlots(w.u2);
}

void refuse(Window& w, const std::string& message) {
    w.ports.prompter.message(message);
}

} // namespace grim::activationSubs
