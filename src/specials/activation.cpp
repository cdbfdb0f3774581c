#include "specials/activation.h"

#include "cards/catalogue.h"
#include "specials/counters.h"
#include "specials/field_destruction.h"
#include "specials/field_power.h"
#include "specials/graveyard_deck_hand.h"
#include "specials/life_power.h"

#include <array>

namespace grim::activationSubs {

namespace {

using Effect = void (*)(Window&, SideId);

// The effect of each special code, from 200 on; cards that share a name share an effect.
constexpr std::array<Effect, specialCount> effects{
    lifeless,      // 200 LIFELESS
    lifeless,      // 201 LIFELESS
    revival,       // 202 REVIVAL
    doubleTeam,    // 203 DOUBLE TEAM
    reduction,     // 204 REDUCTION
    reduction,     // 205 REDUCTION
    reduction,     // 206 REDUCTION
    increase,      // 207 INCREASE
    increase,      // 208 INCREASE
    chosenOne,     // 209 CHOSEN ONE
    godKiller,     // 210 GOD KILLER
    graveRobber,   // 211 GRAVE ROBBER
    suicide,       // 212 SUICIDE
    lifepoint,     // 213 LIFEPOINT
    iou,           // 214 IOU
    armageddon,    // 215 ARMAGEDDON
    invigoration,  // 216 INVIGORATION
    inconvenience, // 217 INCONVENIENCE
    deadlyDice,    // 218 DEADLY DICE
    soulTransfer,  // 219 SOUL TRANSFER
    recovery,      // 220 RECOVERY
    death,         // 221 DEATH
    selfishness,   // 222 SELFISHNESS
    disruptor,     // 223 DISRUPTOR
    exchange,      // 224 EXCHANGE
    luck,          // 225 LUCK
    soulStealer,   // 226 SOUL STEALER
    devestation,   // 227 DEVESTATION
    abyss,         // 228 ABYSS
};

} // namespace

void activateSpecial(Window& w, SideId side, CardList& hand) {
    if (!hand.hasSelection()) {
        w.ports.prompter->show(MessageId::noSpecialSelected);
        return;
    }
    const CardId card = *hand.selectedItem();
    if (!card.special()) {
        w.ports.prompter->show(MessageId::notASpecial);
        return;
    }
    const int index = card.code() - firstSpecial;
    effects[static_cast<std::size_t>(index)](w, side);
}

void btnSpecial_Click(Window& w, SideId side) {
    // A disabled button cannot be clicked, not even by a click queued behind a message box.
    if (w.side(side).btnSpecial.enabled) activateSpecial(w, side, w.side(side).lstHand);
}

} // namespace grim::activationSubs
