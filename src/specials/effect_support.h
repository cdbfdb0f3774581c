// What the special-card effects share: reading the slot picked for an effect, destroying a
// field card, the DEAD test and the messages several effects show.
#pragma once

#include "board/window.h"

#include <optional>
#include <string>

namespace grim::activationSubs {

inline constexpr const char* noSlotOwn = "No # selected for SLOT A. This # is your card.";
inline constexpr const char* noSlotOpponent = "No # selected for SLOT A. This # is opponent's card.";
inline constexpr const char* slotEmptyCancelled = "Selected slot is empty. Action cancelled.";
inline constexpr const char* nothingToIncrease =
    "There is no card to increase in power in selected slot. Action cancelled.";
inline constexpr const char* notDead = "This card isn't a DEAD type.";
inline constexpr const char* opponentFieldEmpty = "Opponent has no cards on the FIELD.";

// The slot number 1 to 5 selected in the side's selector A; nothing when no number is selected.
std::optional<int> selectedSlotA(const Side& s);

// A payment's verdict meant the effect must stop (the payment has shown its message).
bool paymentFailed(const std::string& verdict);

// Appends the slot's text, power included, to its owner's graveyard and empties the slot.
// The owner's graveyard count box is left for the caller to rewrite.
void destroySlot(Side& owner, int slot);
// Rewrites the side's graveyard count box from its list.
void refreshGraveCount(Side& s);

// The cards of type DEAD are the regular cards with codes 116 to 119.
bool isDeadCard(const std::string& slotText);

// The occupied slots of both fields together (0 to 10).
int cardsOnField(const Window& w);

// Shows a refusal of an effect.
void refuse(Window& w, const std::string& message);

} // namespace grim::activationSubs
