// The computer's choice of a move, at three levels. Every level chooses among the sensible
// moves (judgement.h) of a board dealt to agree with what it can see (observation.h), so none
// reads anything outside the observation, and the same observation and seed always give the
// same move.
//  - NORMAL: determinized Monte Carlo search. It deals boards, plays each move on each of
//    them, looks ahead through the rest of its turn and the following turns played quickly
//    (quick_play.h), and takes the move whose boards score best on average.
//  - EASY: the same with two boards and no look-ahead past its own turn, and now and then a
//    sensible move taken at random instead of the best.
//  - HARD: information set Monte Carlo tree search (tree_search.h).
#pragma once

#include "computer/moves.h"
#include "computer/observation.h"

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string_view>

namespace grim::computer {

enum class Level : std::uint8_t { easy, normal, hard };

// "EASY", "NORMAL", "HARD": the names the menu and the log use.
std::string_view levelName(Level level);

struct SearchOptions {
    std::uint64_t seed = 1;
    // NORMAL: boards dealt per decision (EASY deals at most two).
    int determinizations = 32;
    // Whole turns looked ahead after the rest of the own turn (the opponent's reply, the own next
    // turn, ...): the look-ahead ends after turns / 2 more turns of the own.
    int turns = 6;
    Level level = Level::normal;
    // HARD: tree iterations per decision, and the thinking time one decision may take at most.
    int iterations = 4000;
    std::chrono::milliseconds budget{600};
};

// The move the observing side takes now. It must have the turn; a side that may only end
// its turn ends it. Asked to stop, it stops before the next board it deals and returns the
// best move of the boards played so far (the first legal move when none was).
Move chooseMove(const Observation& o, const SearchOptions& options = {}, std::stop_token stop = {});

} // namespace grim::computer
