#include "computer/search.h"

#include "computer/judgement.h"
#include "computer/quick_play.h"
#include "computer/tree_search.h"

#include <algorithm>
#include <array>

namespace grim::computer {

namespace {

// EASY deals at most this many boards, and takes a sensible move at random this often.
constexpr int easyDeals = 2;
constexpr double easyWhim = 0.55;

// Each move played on the same dealt boards, with the same chances; the best average wins.
Move flatSearch(const Observation& o, const std::vector<Move>& moves, TrialPorts& trial, int deals, int turns,
                std::stop_token stop) {
    const Ports ports = trial.ports();
    Window board(ports), sim(ports);
    std::vector<double> total(moves.size(), 0.0);
    for (int d = 0; d < deals && !stop.stop_requested(); ++d) {
        determinize(o, board, ports);
        const SeededRandom chances(static_cast<std::uint64_t>(trial.random().next() * 9007199254740992.0));
        for (std::size_t i = 0; i < moves.size(); ++i) {
            SeededRandom random = chances;
            sim = board;
            sim.ports.random = &random;
            trial.clear();
            applyMove(sim, o.me, moves[i]);
            playOn(sim, o.me, moves[i].kind == MoveKind::end ? 1 : 0, 1 + turns / 2);
            total[i] += evaluate(sim, o.me);
        }
    }
    const auto best = std::max_element(total.begin(), total.end());
    return moves[static_cast<std::size_t>(best - total.begin())];
}

} // namespace

std::string_view levelName(Level level) {
    static constexpr std::array<std::string_view, 3> names{"EASY", "NORMAL", "HARD"};
    return names[static_cast<std::size_t>(level)];
}

Move chooseMove(const Observation& o, const SearchOptions& options, std::stop_token stop) {
    TrialPorts trial(options.seed);
    const Ports ports = trial.ports();
    Window board(ports);
    determinize(o, board, ports);
    const std::vector<Move> legal = legalMoves(board, o.me, trial);
    if (legal.empty()) return Move{MoveKind::end};
    if (legal.size() == 1) return legal.front();
    const std::vector<Move> moves = sensibleMoves(board, o.me, legal, trial);
    if (moves.size() == 1) return moves.front();
    switch (options.level) {
    case Level::hard:
        return chooseByTree(o, moves, options, stop);
    case Level::easy:
        if (trial.random().next() < easyWhim)
            return moves[std::min(
                moves.size() - 1,
                static_cast<std::size_t>(trial.random().next() * static_cast<double>(moves.size())))];
        return flatSearch(o, moves, trial, std::min(options.determinizations, easyDeals), 0, stop);
    case Level::normal:
        break;
    }
    return flatSearch(o, moves, trial, options.determinizations, options.turns, stop);
}

} // namespace grim::computer
