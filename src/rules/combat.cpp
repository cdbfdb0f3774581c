#include "rules/combat.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "board/sound_subs.h"

namespace grim {

namespace {

const char* const selectBothMessage = "You need to select both slot #s.";
const char* const emptyOwnSlotMessage = "You can't ATTACK from an empty slot.";
const char* const emptyTargetMessage = "You can't ATTACK an empty slot.";
const char* const noAttackerMessage =
    "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS.";
const char* const targetsOnFieldMessage =
    "A DIRECT attack to opponent's LIFEPOINTS can only be done when opponent has no cards on FIELD.";

// The slot number a selector names, or 0 when it names none.
int selectedSlot(const ListBox& selector) {
    if (!selector.hasSelection()) return 0;
    const int n = readNumber(selector.selectedText());
    return n >= 1 && n <= 5 ? n : 0;
}

TextBox& slotOf(std::array<TextBox, 5>& field, int n) {
    return field.at(static_cast<std::size_t>(n - 1));
}

// After an attack only the side's END button is usable.
void leaveOnlyEnd(Window& w, std::string_view side) {
    const bool player1 = side == "u1";
    gameSubs::disableSide(w, player1 ? "u1" : "u2");
    (player1 ? w.u1 : w.u2).btnEnd.enabled = true;
}

// The card of a slot goes to its owner's graveyard and the slot becomes free.
void destroy(Side& owner, TextBox& slot) {
    owner.cmbGrave.add(slot.text);
    writeNumber(owner.txtGraveCnt, owner.cmbGrave.count());
    slot.text.clear();
}

} // namespace

namespace attackSubs {

void attack(Window& w, std::string_view side, ListBox& cmbSlotA, ListBox& cmbSlotB,
            std::array<TextBox, 5>& ownField, std::array<TextBox, 5>& opponentField) {
    Prompter& prompter = w.ports.prompter;
    const int a = selectedSlot(cmbSlotA);
    const int b = selectedSlot(cmbSlotB);
    if (a == 0 || b == 0) {
        prompter.message(selectBothMessage);
        return;
    }
    TextBox& attacker = slotOf(ownField, a);
    if (attacker.text.empty()) {
        prompter.message(emptyOwnSlotMessage);
        return;
    }
    const int attackerPower = gameSubs::slotPower(attacker.text);
    TextBox& defender = slotOf(opponentField, b);
    if (defender.text.empty()) {
        prompter.message(emptyTargetMessage);
        return;
    }
    const int defenderPower = gameSubs::slotPower(defender.text);

    soundSubs::playSound(w, soundSubs::attack);
    leaveOnlyEnd(w, side);

    Side& own = w.side(side);
    Side& opponent = w.opponent(side);
    if (attackerPower > defenderPower) {
        attacker.text = gameSubs::withPower(attacker.text, attackerPower - defenderPower);
        destroy(opponent, defender);
        addNumber(opponent.txtLp, -1);
    } else if (attackerPower < defenderPower) {
        destroy(own, attacker);
        defender.text = gameSubs::withPower(defender.text, defenderPower - attackerPower);
        addNumber(own.txtLp, -1);
    } else {
        destroy(own, attacker);
        destroy(opponent, defender);
    }
}

} // namespace attackSubs

namespace gameSubs {

void directAttack(Window& w, std::array<TextBox, 5>& ownField, std::array<TextBox, 5>& opponentField,
                  TextBox& opponentLp, std::string_view side) {
    if (occupiedSlots(ownField) == 0) {
        w.ports.prompter.message(noAttackerMessage);
        return;
    }
    if (occupiedSlots(opponentField) > 0) {
        w.ports.prompter.message(targetsOnFieldMessage);
        return;
    }
    addNumber(opponentLp, -1);
    leaveOnlyEnd(w, side);
}

} // namespace gameSubs
} // namespace grim
