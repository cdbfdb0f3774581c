// Paying for cards: life points ("L") and sacrificed cards ("C"). Each payment shows its
// own message and answers failed when the side cannot afford it, changing nothing.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

enum class Verdict { passed, failed };

struct Cost {
    int life = 0;
    int sacrificed = 0;
};

// The cost of fielding the card with this code (special cards cost nothing).
constexpr Cost fieldingCost(int code) {
    if (code < 120) return {0, 0};
    if (code < 135) return {0, 1};
    if (code < 150) return {1, 1};
    if (code < 160) return {1, 2};
    if (code < 165) return {2, 2};
    if (code == 165) return {5, 5};
    return {0, 0};
}

// The side's life points must stay above 0 after paying.
Verdict payLifePoints(Window& w, SideId side, int life);
// The side's sacrificed count must be at least the cost.
Verdict paySacrificed(Window& w, SideId side, int sacrificed);
// Both tested before either is paid.
Verdict payLifeAndSacrificed(Window& w, SideId side, int life, int sacrificed);

} // namespace grim::gameSubs
