#include "rules/combat.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "board/sound_subs.h"

namespace grim {

namespace {


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
        prompter.show(MessageId::selectBothSlots);
        return;
    }
    TextBox& attacker = slotOf(ownField, *a);
    if (attacker.text.empty()) {
        prompter.show(MessageId::attackFromEmptySlot);
        return;
    }
    const int attackerPower = gameSubs::slotPower(attacker.text);
    TextBox& defender = slotOf(opponentField, *b);
    if (defender.text.empty()) {
        prompter.show(MessageId::attackEmptySlot);
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
        w.ports.prompter->show(MessageId::directNeedsAttacker);
        return;
    }
    if (occupiedSlots(opponentField) > 0) {
        w.ports.prompter->show(MessageId::directNeedsEmptyField);
        return;
    }
    addNumber(opponentLp, -1);
    leaveOnlyEnd(w, side);
}

} // namespace gameSubs
} // namespace grim
