// What the special-card effects share: reading the slot picked for an effect, the soul
// cards' feeding of a DEAD card, the DEAD test and the messages several effects show.
#pragma once

#include "board/window.h"
#include "rules/costs.h"

#include <optional>
#include <string>
#include <string_view>

namespace grim::activationSubs {

// The slot of target's field that picker's selector A names. Refuses with noPick when no
// number is selected and with emptySlot when that slot is empty.
std::optional<int> pickOccupiedSlot(Window& w, const Side& picker, const Side& target,
                                    MessageId noPick, MessageId emptySlot);

// The soul cards: the own DEAD card picked with selector A gains 10 for each card counted
// in the souls side's graveyard count box, after paying 3L & 3C for up to 20 souls and
// 4L & 4C for more; that graveyard is then emptied and the special card finished.
// Refuses with emptySlot, a card that is not DEAD, and with noSouls when there are none.
void feedOnSouls(Window& w, SideId side, Side& souls, MessageId emptySlot, MessageId noSouls);

// A payment's verdict meant the effect must stop (the payment has shown its message).
bool paymentFailed(gameSubs::Verdict verdict);

// The card in slot 1..5 of its owner's field goes to the owner's graveyard.
void destroySlot(Side& owner, int slot);
// Rewrites the side's graveyard count box from its list.
void refreshGraveCount(Side& s);

// The cards of type DEAD are the regular cards with codes 116 to 119.
bool isDeadCard(CardId card);

// The occupied slots of both fields together (0 to 10).
int cardsOnField(const Window& w);

// Shows a refusal of an effect.
void refuse(Window& w, MessageId message);

} // namespace grim::activationSubs
