// Moving cards onto and off the field (module gameSubs): fielding a hand card, sacrificing
// a hand or field card for "C", and the master action.
#pragma once

#include "board/window.h"

#include <array>
#include <string_view>

namespace grim::gameSubs {

inline constexpr const char* specialFieldQuestion =
    "Adding a SPECIAL card to the FIELD will make its abilities useless & its power will only be 50.";
inline constexpr const char* sacrificeQuestion = "Do you want to sacrifice this card?";

// Puts the selected hand card into the first free slot, paying its cost. Any side text
// but "u1" is player 2.
void field(Window& w, ListBox& hand, std::array<TextBox, 5>& slots, std::string_view side);

// Sends the selected hand card (mode "hand") or the card in slot 1..5 (mode "att") to the
// side's graveyard and adds 1 to its sacrificed count. Any other mode does nothing.
void sacrifice(Window& w, std::string_view mode, std::string_view side, int slot = 0);

// With all five slots filled: takes 1 life point from the opponent and ends the side's
// preparation for the turn.
void master(Window& w, std::array<TextBox, 5>& slots, TextBox& opponentLp, std::string_view side);

} // namespace grim::gameSubs
