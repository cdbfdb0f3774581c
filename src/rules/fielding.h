// Moving cards onto and off the field (module gameSubs): fielding a hand card, sacrificing
// a hand or field card for "C", and the master action.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

// A special card put on the field as an attacker has this power.
inline constexpr int specialFieldPower = 50;

// Puts the selected hand card into the first free slot, paying its cost.
void field(Window& w, CardList& hand, Field& slots, SideId side);

// Where a sacrificed card comes from.
enum class SacrificeFrom { hand, field };

// Sends the selected hand card, or the card in field slot 1..5, to the side's graveyard
// and adds 1 to its sacrificed count.
void sacrifice(Window& w, SacrificeFrom from, SideId side, int slot = 0);

// With all five slots filled: takes 1 life point from the opponent and ends the side's
// preparation for the turn.
void master(Window& w, Field& slots, Counter& opponentLp, SideId side);

} // namespace grim::gameSubs
