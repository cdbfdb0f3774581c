#include "rules/combat.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "board/sound_subs.h"

namespace grim {

namespace {


FieldSlot& slotOf(Field& field, int n) {
    return field.at(static_cast<std::size_t>(n - 1));
}

// After an attack only the side's END button is usable.
void leaveOnlyEnd(Window& w, SideId side) {
    gameSubs::disableSide(w, side);
    w.side(side).btnEnd.enabled = true;
}

} // namespace

namespace attackSubs {

void attack(Window& w, SideId side, SlotSelector& cmbSlotA, SlotSelector& cmbSlotB, Field& ownField,
            Field& opponentField) {
    Prompter& prompter = *w.ports.prompter;
    const auto a = gameSubs::selectedSlot(cmbSlotA);
    const auto b = gameSubs::selectedSlot(cmbSlotB);
    if (!a || !b) {
        prompter.show(MessageId::selectBothSlots);
        return;
    }
    FieldSlot& attacker = slotOf(ownField, *a);
    if (attacker.empty()) {
        prompter.show(MessageId::attackFromEmptySlot);
        return;
    }
    const int attackerPower = attacker.power;
    FieldSlot& defender = slotOf(opponentField, *b);
    if (defender.empty()) {
        prompter.show(MessageId::attackEmptySlot);
        return;
    }
    const int defenderPower = defender.power;

    soundSubs::playSound(w, soundSubs::attack);
    leaveOnlyEnd(w, side);

    Side& own = w.side(side);
    Side& opponent = w.opponent(side);
    if (attackerPower > defenderPower) {
        gameSubs::setPower(attacker, attackerPower - defenderPower);
        gameSubs::toGraveyard(opponent, defender);
        addNumber(opponent.txtLp, -1);
    } else if (attackerPower < defenderPower) {
        gameSubs::toGraveyard(own, attacker);
        gameSubs::setPower(defender, defenderPower - attackerPower);
        addNumber(own.txtLp, -1);
    } else {
        gameSubs::toGraveyard(own, attacker);
        gameSubs::toGraveyard(opponent, defender);
    }
}

} // namespace attackSubs

namespace gameSubs {

void directAttack(Window& w, Field& ownField, Field& opponentField, Counter& opponentLp, SideId side) {
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
