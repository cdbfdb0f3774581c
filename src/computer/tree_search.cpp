#include "computer/tree_search.h"

#include "board/turn_state.h"
#include "computer/judgement.h"
#include "computer/quick_play.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace grim::computer {

namespace {

// Exploration weight of the upper confidence bound, for scores between 0 and 1. The moves of
// a turn often score within a few hundredths of each other: a wider bound spreads the visits
// nearly evenly over them and the most visited is little better than a guess.
constexpr double exploration = 0.5;
// The score difference at which a board is about three quarters won.
constexpr double scale = 800;
// The turns whose moves the tree holds after the searching side's turn: the opponent's reply.
constexpr int treeTurns = 1;
// A turn holds few moves; a path this deep stops adding nodes and plays on quickly.
constexpr int maxDepth = 30;

// A move as the cards and slots it names: the same key on every dealt board.
struct MoveKey {
    MoveKind kind;
    std::int8_t card, slot, target, grave, opponentGrave;
    bool operator==(const MoveKey&) const = default;
};

MoveKey keyOf(const Window& w, SideId side, const Move& m) {
    const Side& s = w.side(side);
    const Side& o = w.opponent(side);
    auto index = [](std::optional<CardId> card) {
        return static_cast<std::int8_t>(card ? card->index() : -1);
    };
    auto graveCard = [&](const GraveList& grave, int i) {
        return index(i >= 0 && i < grave.count() ? std::optional(grave.item(i).card) : std::nullopt);
    };
    return {m.kind,
            index(m.hand >= 0 && m.hand < s.lstHand.count() ? std::optional(s.lstHand.item(m.hand))
                                                            : std::nullopt),
            static_cast<std::int8_t>(m.slot),
            static_cast<std::int8_t>(m.target),
            graveCard(s.cmbGrave, m.grave),
            graveCard(o.cmbGrave, m.opponentGrave)};
}

struct Node {
    MoveKey key{};
    int firstChild = -1, nextSibling = -1;
    int visits = 0, available = 0;
    double total = 0;
};

// A score of evaluate() as a reward from 0 (lost) to 1 (won), reached after `turns` ended
// turns. Any game won is worth more than any board still in play (at most 0.95), and one won
// sooner more than one won later: else a side sure to win would put its win off, turn after
// turn, as long as the look-ahead still finds it (and one sure to lose hurries nothing).
double reward(double score, int turns) {
    constexpr double perTurn = 0.004;
    const int counted = std::min(turns, 10);
    if (score >= 1e6) return 1 - perTurn * counted;
    if (score <= -1e6) return perTurn * counted;
    return 0.5 + 0.45 * std::tanh(score / scale);
}

class Tree {
  public:
    Tree(const Observation& o, const std::vector<Move>& rootMoves, const SearchOptions& options)
        : o_(o), options_(options), trial_(options.seed), board_(trial_.ports()) {
        nodes_.emplace_back();
        determinize(o_, board_, trial_.ports());
        for (const Move& m : rootMoves)
            rootKeys_.push_back(keyOf(board_, o_.me, m));
        rootMoves_ = rootMoves;
    }

    void iterate() {
        determinize(o_, board_, trial_.ports());
        trial_.clear();
        path_.assign(1, 0);
        int node = 0;
        int turnsInTree = 0;
        SideId last = o_.me;
        for (int depth = 0; depth < maxDepth && !trial_.over; ++depth) {
            const bool mine = hasTurn(board_.side(o_.me));
            if (!mine && !hasTurn(board_.opponent(o_.me))) break;
            const SideId actor = mine ? o_.me : other(o_.me);
            if (actor != last) {
                last = actor;
                if (++turnsInTree > treeTurns) break;
            }
            if (depth == 0) {
                moves_ = rootMoves_;
                keys_ = rootKeys_;
            } else {
                moves_ = sensibleMoves(board_, actor, legalMoves(board_, actor, trial_), trial_);
                keys_.clear();
                for (const Move& m : moves_)
                    keys_.push_back(keyOf(board_, actor, m));
            }
            if (moves_.empty() || moves_.front().kind == MoveKind::open) break;
            const auto [next, move, added] = select(node, actor == o_.me);
            trial_.clear();
            applyMove(board_, actor, moves_[move]);
            path_.push_back(next);
            node = next;
            if (added) break;
        }
        // Then as many whole turns as NORMAL looks ahead after a move, and one more, played
        // quickly from wherever the path ends: a path into the opponent's reply looks further.
        const int played = playTurns(board_, o_.me, options_.turns + 1);
        const double r = reward(evaluate(board_, o_.me), turnsInTree + played);
        for (const int n : path_) {
            ++nodes_[static_cast<std::size_t>(n)].visits;
            nodes_[static_cast<std::size_t>(n)].total += r;
        }
    }

    // The root's move played most often (ties: the better average, then the earlier move).
    Move best() const {
        int chosen = -1;
        for (int c = nodes_[0].firstChild; c >= 0; c = nodes_[static_cast<std::size_t>(c)].nextSibling) {
            const Node& n = nodes_[static_cast<std::size_t>(c)];
            if (chosen < 0) {
                chosen = c;
                continue;
            }
            const Node& b = nodes_[static_cast<std::size_t>(chosen)];
            if (n.visits > b.visits || (n.visits == b.visits && n.total > b.total)) chosen = c;
        }
        if (chosen < 0) return rootMoves_.front();
        for (std::size_t i = 0; i < rootKeys_.size(); ++i)
            if (rootKeys_[i] == nodes_[static_cast<std::size_t>(chosen)].key) return rootMoves_[i];
        return rootMoves_.front();
    }

  private:
    struct Choice {
        int node;
        std::size_t move;
        bool added;
    };

    // Among the moves legal on this board: the first one the node has not tried yet (added
    // as its child), else the child of the highest upper confidence bound. Every child whose
    // move is legal here counts one more availability.
    Choice select(int node, bool maximise) {
        std::optional<std::size_t> untried;
        children_.clear();
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            const int child = find(node, keys_[i]);
            children_.push_back(child);
            if (child >= 0)
                ++nodes_[static_cast<std::size_t>(child)].available;
            else if (!untried)
                untried = i;
        }
        if (untried) {
            Node added;
            added.key = keys_[*untried];
            added.available = 1;
            added.nextSibling = nodes_[static_cast<std::size_t>(node)].firstChild;
            nodes_.push_back(added);
            const int index = static_cast<int>(nodes_.size()) - 1;
            nodes_[static_cast<std::size_t>(node)].firstChild = index;
            return {index, *untried, true};
        }
        double bestBound = -std::numeric_limits<double>::infinity();
        Choice best{-1, 0, false};
        for (std::size_t i = 0; i < children_.size(); ++i) {
            const Node& n = nodes_[static_cast<std::size_t>(children_[i])];
            const double mean = n.total / n.visits;
            const double bound =
                (maximise ? mean : 1 - mean) +
                exploration * std::sqrt(std::log(static_cast<double>(n.available)) / n.visits);
            if (bound > bestBound) {
                bestBound = bound;
                best = {children_[i], i, false};
            }
        }
        return best;
    }

    int find(int node, const MoveKey& key) const {
        for (int c = nodes_[static_cast<std::size_t>(node)].firstChild; c >= 0;
             c = nodes_[static_cast<std::size_t>(c)].nextSibling)
            if (nodes_[static_cast<std::size_t>(c)].key == key) return c;
        return -1;
    }

    const Observation& o_;
    const SearchOptions& options_;
    TrialPorts trial_;
    Window board_;
    std::vector<Node> nodes_;
    std::vector<Move> rootMoves_, moves_;
    std::vector<MoveKey> rootKeys_, keys_;
    std::vector<int> path_;
    std::vector<int> children_; // the child of each move legal at the node being chosen at
};

} // namespace

Move chooseByTree(const Observation& o, const std::vector<Move>& rootMoves, const SearchOptions& options,
                  std::stop_token stop) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + options.budget;
    Tree tree(o, rootMoves, options);
    for (int i = 0; i < options.iterations && !stop.stop_requested(); ++i) {
        tree.iterate();
        if (Clock::now() >= deadline) break;
    }
    return tree.best();
}

} // namespace grim::computer
