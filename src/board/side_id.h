// Which player a side of the board belongs to.
#pragma once

#include <cstdint>

namespace grim {

enum class SideId : std::uint8_t { u1, u2 };

// The one place that decides who the other side is.
constexpr SideId other(SideId s) { return s == SideId::u1 ? SideId::u2 : SideId::u1; }

// The side's identifier as handler names and log text spell it: "u1" or "u2".
constexpr const char* idText(SideId s) { return s == SideId::u1 ? "u1" : "u2"; }

} // namespace grim
