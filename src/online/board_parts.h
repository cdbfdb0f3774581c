// The eight parts of the board hand-over: how each is written from the board, checked on
// arrival, and written into the receiving board (module onlineSubs).
#pragma once

#include "board/window.h"

#include <string>
#include <string_view>
#include <vector>

namespace grim::onlineSubs {

inline constexpr int partCount = 8;
// No list part carries more items than this.
inline constexpr std::size_t maxListItems = 100;

// Part n (1 to 8) of the current board, as the hand-over sends it.
std::string encodePart(const Window& w, int n);

// Whether the text is a part n that a window built to these rules could have sent: list
// parts of catalogue entries (graveyards also entries with a power) or "e@", at most
// maxListItems items; part 5 ten slot texts or "e"; part 8 ten 16-bit numbers; all ending in "@".
bool isValidPart(int n, std::string_view m);

// Reads part n once and writes it into the board; false, with nothing written, when it is
// not valid.
bool applyPart(Window& w, int n, std::string_view m);

} // namespace grim::onlineSubs
