// Side control, the end-of-game check and the resets for a new game (module gameSubs),
// and the reading and rewriting of field slot texts.
#pragma once

#include "board/window.h"

#include <optional>
#include <string>
#include <string_view>

namespace grim::gameSubs {

// A side sacrifices at most this many cards a turn.
inline constexpr int sacrificesPerTurn = 2;

// Disables every turn control of "u1", "u2" or "both"; "u1" and "u2" also reset that
// side's sacrifices of the turn. Any other text does nothing.
void disableSide(Window& w, std::string_view side);
// Enables a side's turn controls except its open-deck button; any text but "u1" is player 2.
void enableSide(Window& w, std::string_view side);
// Ends drawing, Q5, sacrifice from the hand and special cards for the turn, and
// enables the slot labels unless the side has made its two sacrifices of the turn.
void endPreparation(Window& w, std::string_view side);

// Shows the result and disables both sides when a side's life points are 0 or below;
// returns "over" then, else an empty text.
std::string gameOverCheck(Window& w);

// Clears the board for a new game on one machine.
void newGameReset(Window& w);
// Clears the board for a new game between two windows.
void newGameResetOnline(Window& w);

// The 1-based position of the last occurrence of part in text, or nothing.
std::optional<std::size_t> lastPosition(std::string_view text, std::string_view part);

// A field slot text is a card entry, a blank and the card's current power.
// The power is the number after the last blank.
std::int16_t slotPower(std::string_view slotText);
// The slot text with its power replaced; the entry and the blank stay as they were.
std::string withPower(std::string_view slotText, long long power);
// The number of occupied slots of a side, or of a field given as its five slots.
int occupiedSlots(const Side& s);
int occupiedSlots(const std::array<TextBox, 5>& slots);

} // namespace grim::gameSubs
