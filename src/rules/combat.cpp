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

TextBox& slotOf(Field& field, int n) {
    return field.at(static_cast<std::size_t>(n - 1));
}

// After an attack only the side's END button is usable.
void leaveOnlyEnd(Window& w, SideId side) {
    gameSubs::disableSide(w, side);
    w.side(side).btnEnd.enabled = true;
}

} // namespace

namespace attackSubs {

void attack(Window& w, SideId side, ListBox& cmbSlotA, ListBox& cmbSlotB, Field& ownField,
            Field& opponentField) {
    Prompter& prompter = *w.ports.prompter;
    const auto a = gameSubs::selectedSlot(cmbSlotA);
    const auto b = gameSubs::selectedSlot(cmbSlotB);
    if (!a || !b) {
        prompter.message(selectBothMessage);
        return;
    }
    TextBox& attacker = slotOf(ownField, *a);
    if (attacker.text.empty()) {
        prompter.message(emptyOwnSlotMessage);
        return;
    }
    const int attackerPower = gameSubs::slotPower(attacker.text);
    TextBox& defender = slotOf(opponentField, *b);
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
        gameSubs::toGraveyard(opponent, defender);
        addNumber(opponent.txtLp, -1);
    } else if (attackerPower < defenderPower) {
        gameSubs::toGraveyard(own, attacker);
        defender.text = gameSubs::withPower(defender.text, defenderPower - attackerPower);
        addNumber(own.txtLp, -1);
    } else {
        gameSubs::toGraveyard(own, attacker);
        gameSubs::toGraveyard(opponent, defender);
    }
}

} // namespace attackSubs

namespace gameSubs {

void directAttack(Window& w, Field& ownField, Field& opponentField, TextBox& opponentLp, SideId side) {
    if (occupiedSlots(ownField) == 0) {
        w.ports.prompter->message(noAttackerMessage);
        return;
    }
    if (occupiedSlots(opponentField) > 0) {
        w.ports.prompter->message(targetsOnFieldMessage);
        return;
    }
    addNumber(opponentLp, -1);
    leaveOnlyEnd(w, side);
}

} // namespace gameSubs
} // namespace grim
