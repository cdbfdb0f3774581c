#include "computer/search.h"

#include "board/turn_state.h"
#include "computer/quick_play.h"

#include <algorithm>
#include <limits>

namespace grim::computer {

namespace {

// The rest of the turn and the opponent's reply, played quickly.
void lookAhead(Window& w, SideId me, int turns) {
    if (hasTurn(w.side(me))) playTurnQuickly(w, me);
    for (int t = 0; t < turns; ++t) {
        const SideId side = t % 2 == 0 ? other(me) : me;
        if (!hasTurn(w.side(side))) break;
        playTurnQuickly(w, side);
    }
}

} // namespace

Move chooseMove(const Observation& o, const SearchOptions& options, std::stop_token stop) {
    TrialPorts trial(options.seed);
    const Ports ports = trial.ports();
    Window board(ports), sim(ports);
    determinize(o, board, ports);
    const std::vector<Move> legal = legalMoves(board, o.me, trial);
    if (legal.empty()) return Move{MoveKind::end};
    if (legal.size() == 1) return legal.front();
    // A full hand first: drawing costs nothing and only adds choices.
    for (const Move& m : legal)
        if (m.kind == MoveKind::q5 || m.kind == MoveKind::draw) return m;

    std::vector<double> total(legal.size(), 0.0);
    for (int d = 0; d < options.determinizations && !stop.stop_requested(); ++d) {
        determinize(o, board, ports);
        // Every move meets the same chances on this board.
        const SeededRandom chances(static_cast<std::uint64_t>(trial.random().next() * 9007199254740992.0));
        for (std::size_t i = 0; i < legal.size(); ++i) {
            SeededRandom random = chances;
            sim = board;
            sim.ports.random = &random;
            trial.clear();
            applyMove(sim, o.me, legal[i]);
            lookAhead(sim, o.me, options.turns);
            total[i] += evaluate(sim, o.me);
        }
    }
    const auto best = std::max_element(total.begin(), total.end());
    return legal[static_cast<std::size_t>(best - total.begin())];
}

} // namespace grim::computer
