// Combat: a field card attacks an opposing field card (attackSubs::attack), or the side
// strikes the opponent's life points while the opponent's field is empty
// (gameSubs::directAttack). Either is the last action of a turn: only END stays enabled.
#pragma once

#include "board/window.h"

namespace grim::attackSubs {

// Own slot A fights the opponent's slot B (selectors of the attacking side). The weaker
// card goes to its owner's graveyard and its owner loses 1 life point; the stronger keeps
// the difference of the powers; equal cards both go.
void attack(Window& w, SideId side, SlotSelector& cmbSlotA, SlotSelector& cmbSlotB, Field& ownField,
            Field& opponentField);

} // namespace grim::attackSubs

namespace grim::gameSubs {

// Takes 1 life point from the opponent; needs a card on the own field and none on the
// opponent's.
void directAttack(Window& w, Field& ownField, Field& opponentField, Counter& opponentLp, SideId side);

} // namespace grim::gameSubs
