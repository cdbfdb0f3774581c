// The duel's counters are 16-bit signed numbers; text boxes that hold a number (the deck
// editor's counts) are read and written as decimal text. Results saturate at the 16-bit bounds.
#pragma once

#include "board/controls.h"

#include <cstdint>
#include <limits>
#include <string>

namespace grim {

// A whole number clamped into -32768..32767.
constexpr std::int16_t saturate(long long value) {
    constexpr long long lo = std::numeric_limits<std::int16_t>::min();
    constexpr long long hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value < lo ? lo : (value > hi ? hi : value));
}

// Writes value, clamped to 16 bits, as decimal text.
void writeNumber(TextBox& box, long long value);

// A counter of the duel holds its number as a number.
inline std::int16_t readNumber(const Counter& c) { return c.value; }
inline void writeNumber(Counter& c, long long value) { c.value = saturate(value); }
inline void addNumber(Counter& c, long long delta) { writeNumber(c, c.value + delta); }

} // namespace grim
