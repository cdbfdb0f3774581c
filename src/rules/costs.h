// Paying for cards: life points ("L") and sacrificed cards ("C"). Each payment shows its
// own message and answers "failed" when the side cannot afford it, changing nothing.
#pragma once

#include "board/window.h"

#include <string>
#include <string_view>

namespace grim::gameSubs {

inline constexpr const char* passed = "passed";
inline constexpr const char* failed = "failed";

struct Cost {
    int life = 0;
    int sacrificed = 0;
};

// The cost of fielding the card with this code (special cards cost nothing).
Cost fieldingCost(int code);

// The side's life points must stay above 0 after paying.
std::string payLifePoints(Window& w, std::string_view side, int life);
// The side's sacrificed count must be at least the cost.
std::string paySacrificed(Window& w, std::string_view side, int sacrificed);
// Both tested before either is paid.
std::string payLifeAndSacrificed(Window& w, std::string_view side, int life, int sacrificed);

} // namespace grim::gameSubs
