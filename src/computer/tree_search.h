// HARD: information set Monte Carlo tree search. One tree over the searching side's
// information sets: a node is a sequence of its moves this turn (keyed by the cards and
// slots they name, so that the same move matches on every dealt board), each iteration
// deals a fresh board that agrees with the observation, walks the tree choosing among the
// moves legal on that board (upper confidence bounds, each move's availability counted),
// adds one move, plays the rest of the turn and the following turns quickly, and scores the
// board it reaches. The move of the root played most often is chosen.
#pragma once

#include "computer/search.h"

#include <vector>

namespace grim::computer {

// The sensible legal moves at the root are given (at least two); returns one of them.
Move chooseByTree(const Observation& o, const std::vector<Move>& rootMoves, const SearchOptions& options,
                  std::stop_token stop);

} // namespace grim::computer
