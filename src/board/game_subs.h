// Side control, the end-of-game check and the resets for a new game (module gameSubs),
// and the field slots' powers.
#pragma once

#include "board/window.h"

#include <optional>

namespace grim::gameSubs {

// A side sacrifices at most this many cards a turn.
inline constexpr int sacrificesPerTurn = 2;

// What the end-of-game check found: the game goes on, or who won.
enum class GameOverResult { notOver, player1, player2, draw };

// Disables every turn control of a side and resets its sacrifices of the turn.
void disableSide(Window& w, SideId side);
// Disables every turn control of both sides (the sacrifices of the turn stay).
void disableBoth(Window& w);
// Enables a side's turn controls except its open-deck button.
void enableSide(Window& w, SideId side);
// Ends drawing (Q5 and ADD) for the turn.
void disableDrawing(Switch& btnQ5, Switch& btnAdd);
// Enables or disables the five slot labels (sacrifice from the field).
void setSlotLabels(Side& s, bool enabled);
// Ends drawing, Q5, sacrifice from the hand and special cards for the turn, and
// enables the slot labels unless the side has made its two sacrifices of the turn.
void endPreparation(Window& w, SideId side);

// Shows the result and disables both sides when a side's life points are 0 or below, and
// answers who won; else answers notOver.
GameOverResult gameOverCheck(Window& w);
// Shows or hides both sides' deck and hand lists.
void setListsVisible(Window& w, bool visible);

// Empties the board and ends the turn: no side may act, every zone is empty and every
// counter as at start; the deck and hand lists stay shown or hidden as they are.
void clearDuel(Window& w);
// Clears the board for a new game on one machine.
void newGameReset(Window& w);

// Sets a field slot's power, saturated to 16 bits.
void setPower(FieldSlot& slot, long long power);
// Puts a card on a field slot with a power.
void putCard(FieldSlot& slot, CardId card, long long power);
// The slot number 1 to 5 a slot selector names; nothing when it names none.
std::optional<int> selectedSlot(const SlotSelector& selector);

// The card of a field slot goes to its owner's graveyard, whose count box follows, and
// the slot becomes free.
void toGraveyard(Side& owner, FieldSlot& slot);

// The number of occupied slots of a side, or of a field given as its five slots.
int occupiedSlots(const Side& s);
int occupiedSlots(const Field& slots);
// The powers of the cards on a side's field, added up.
int fieldPower(const Side& s);

} // namespace grim::gameSubs
