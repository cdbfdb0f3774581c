#include "specials/effect_support.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "cards/catalogue.h"
#include "rules/costs.h"

namespace grim::activationSubs {

namespace {

// The slot number 1 to 5 selected in the side's selector A; nothing when no number is selected.
std::optional<int> selectedSlotA(const Side& s) {
    if (!s.cmbSlotA.hasSelection()) return std::nullopt;
    const int slot = readNumber(s.cmbSlotA.selectedText());
    if (slot < 1 || slot > 5) return std::nullopt;
    return slot;
}

} // namespace

std::optional<int> pickOccupiedSlot(Window& w, const Side& picker, const Side& target,
                                    const std::string& noPick, const std::string& emptySlot) {
    const auto slot = selectedSlotA(picker);
    if (!slot) {
        refuse(w, noPick);
        return std::nullopt;
    }
    if (target.slot(*slot).text.empty()) {
        refuse(w, emptySlot);
        return std::nullopt;
    }
    return slot;
}

bool feedDeadCard(Window& w, std::string_view side, TextBox& slot, int souls, const std::string& noSouls) {
    if (!isDeadCard(slot.text)) {
        refuse(w, notDead);
        return false;
    }
    if (souls <= 0) {
        refuse(w, noSouls);
        return false;
    }
    const int cost = souls <= 20 ? 3 : 4;
    if (paymentFailed(gameSubs::payLifeAndSacrificed(w, side, cost, cost))) return false;
    slot.text = gameSubs::withPower(slot.text, gameSubs::slotPower(slot.text) + 10 * souls);
    return true;
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
