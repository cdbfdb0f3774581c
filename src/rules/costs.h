// Paying for cards: life points ("L") and sacrificed cards ("C"). Each payment shows its
// own message and answers failed when the side cannot afford it, changing nothing.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

enum class Verdict { passed, failed };

using Cost = FieldingCost;

// The cost of fielding the card with this code (special cards cost nothing).
constexpr Cost fieldingCost(int code) {
    return cardCost(code);
}

// The side's life points must stay above 0 after paying.
Verdict payLifePoints(Window& w, SideId side, int life);
// The side's sacrificed count must be at least the cost.
Verdict paySacrificed(Window& w, SideId side, int sacrificed);
// Both tested before either is paid.
Verdict payLifeAndSacrificed(Window& w, SideId side, int life, int sacrificed);

} // namespace grim::gameSubs
