// The computer's choice of a move: determinized Monte Carlo search. It deals boards that
// agree with what it can see (observation.h), plays each legal move on each of them, looks
// ahead through the rest of its turn and the opponent's reply (quick_play.h), and takes the
// move whose boards score best on average. The same observation and seed always give the
// same move; nothing outside the observation is read.
#pragma once

#include "computer/moves.h"
#include "computer/observation.h"

#include <cstdint>
#include <stop_token>

namespace grim::computer {

struct SearchOptions {
    std::uint64_t seed = 1;
    // Boards dealt per decision.
    int determinizations = 32;
    // Whole turns played after the rest of the own turn: the opponent's reply, then the own next turn, ...
    int turns = 6;
};

// The move the observing side takes now. It must have the turn; a side that may only end
// its turn ends it. Asked to stop, it stops before the next board it deals and returns the
// best move of the boards played so far (the first legal move when none was).
Move chooseMove(const Observation& o, const SearchOptions& options = {}, std::stop_token stop = {});

} // namespace grim::computer
