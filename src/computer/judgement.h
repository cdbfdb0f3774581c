// What a sensible player does and does not do, whatever its strength: it fills its hand
// before anything else, it sacrifices a card only for a card that needs the sacrifice, and it
// does not end a turn in which one of its field cards can win a fight. Every level of the
// computer chooses among the moves left after these rules, and the arena counts how often a
// player broke the last two.
#pragma once

#include "computer/moves.h"

#include <optional>
#include <vector>

namespace grim::computer {

// A fight the side can win now: DIRECT (enabled, with a card of its own against an empty
// field), else ATTACK (enabled) on the opponent's strongest card that one of its cards beats,
// with the weakest of its cards that beats it.
std::optional<Move> winningAttack(const Window& w, SideId side);

// Whether a sacrifice (from the hand or a slot) serves another card of the hand: one that the
// side could field or play now but for the sacrifices it lacks, or, for a slot, but for a full
// field.
bool sacrificeHasUse(const Window& w, SideId side, const Move& sacrifice, TrialPorts& trial);

// The legal moves a sensible player picks from: a draw alone when one is legal; else the legal
// moves less the sacrifices without use and, while a fight can be won, less END. Never empty
// when legal is not.
std::vector<Move> sensibleMoves(const Window& w, SideId side, std::vector<Move> legal, TrialPorts& trial);

} // namespace grim::computer
