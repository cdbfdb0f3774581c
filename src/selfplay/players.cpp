#include "selfplay/players.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "computer/observation.h"

#include <algorithm>

namespace grim::selfplay {

using computer::Move;
using computer::MoveKind;

void ComputerPlayer::newGame(std::uint64_t seed) {
    seed_ = seed;
    moves_ = 0;
}

Move ComputerPlayer::choose(const Window& w, SideId side) {
    computer::SearchOptions options = options_;
    options.seed = deriveSeed(seed_, ++moves_);
    return computer::chooseMove(computer::observe(w, side), options);
}

void RandomPlayer::newGame(std::uint64_t seed) {
    trial_ = std::make_unique<computer::TrialPorts>(deriveSeed(seed, 0));
    random_ = SeededRandom(deriveSeed(seed, 1));
}

Move RandomPlayer::choose(const Window& w, SideId side) {
    const auto legal = computer::legalMoves(w, side, *trial_);
    if (legal.empty()) return Move{MoveKind::end};
    const auto n = static_cast<int>(legal.size());
    return legal[static_cast<std::size_t>(std::min(static_cast<int>(random_.next() * n), n - 1))];
}

void GreedyPlayer::newGame(std::uint64_t seed) {
    trial_ = std::make_unique<computer::TrialPorts>(deriveSeed(seed, 0));
}

Move GreedyPlayer::choose(const Window& w, SideId side) {
    const auto legal = computer::legalMoves(w, side, *trial_);
    if (legal.empty()) return Move{MoveKind::end};
    if (legal.front().kind == MoveKind::open) return legal.front();
    const double now = greedyScore(w, side);
    std::optional<Move> best;
    double bestGain = 0;
    Window copy = w;
    for (const Move& m : legal) {
        if (m.kind == MoveKind::end) continue;
        copy = w;
        copy.ports = trial_->ports();
        computer::applyMove(copy, side, m);
        const double gain = greedyScore(copy, side) - now;
        if (gain > bestGain) {
            best = m;
            bestGain = gain;
        }
    }
    if (best) return *best;
    const bool canEnd =
        std::any_of(legal.begin(), legal.end(), [](const Move& m) { return m.kind == MoveKind::end; });
    return canEnd ? Move{MoveKind::end} : legal.front();
}

double greedyScore(const Window& w, SideId side) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    const int life = readNumber(s.txtLp), opponentLife = readNumber(o.txtLp);
    if (life <= 0 || opponentLife <= 0) {
        if (life > 0) return 1e9;
        if (opponentLife > 0) return -1e9;
        return -1e8; // a draw: better than a loss, worse than any game still on
    }
    return 100.0 * (life - opponentLife) + gameSubs::fieldPower(s) - gameSubs::fieldPower(o) +
           10.0 * readNumber(s.txtSacriCnt) + 5.0 * s.lstHand.count();
}

} // namespace grim::selfplay
