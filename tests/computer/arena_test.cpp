// Whole seeded games in the arena: no rule broken, no refusal for the computer, and the books kept straight.
#include "selfplay/arena.h"
#include "selfplay/players.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <tuple>

using namespace grim;
using namespace grim::selfplay;
using computer::Move;
using computer::MoveKind;

namespace {

const std::array<std::string, 3> sampleDecks{GRIMWARD_SAMPLE_DECKS "/swarm.ucd",
                                             GRIMWARD_SAMPLE_DECKS "/balanced.ucd",
                                             GRIMWARD_SAMPLE_DECKS "/giants.ucd"};

ArenaOptions game(std::uint64_t n, int maxTurns = 400) { // game n: the sample decks rotated, seed n
    return {n, {sampleDecks[n % 3], sampleDecks[(n + 1) % 3]}, maxTurns, 100};
}

// No broken rule, no refusal for the players named, ended or at the limit, one thinking entry per turn.
testing::AssertionResult sound(const ArenaRecord& r, std::array<bool, 2> neverRefused, int maxTurns = 400) {
    if (!r.failures.empty()) return testing::AssertionFailure() << testing::PrintToString(r.failures);
    for (std::size_t p = 0; p < 2; ++p)
        if (neverRefused[p] && r.refusals[p] != 0)
            return testing::AssertionFailure()
                   << "player " << p + 1 << " refused " << r.refusals[p] << " times";
    if (r.result == GameResult::unfinished && r.turns != maxTurns)
        return testing::AssertionFailure() << "unfinished after " << r.turns << " turns";
    if (r.thinking[0].size() != static_cast<std::size_t>((r.turns + 1) / 2) ||
        r.thinking[1].size() != static_cast<std::size_t>(r.turns / 2))
        return testing::AssertionFailure() << "thinking times for " << r.thinking[0].size() << " and "
                                           << r.thinking[1].size() << " turns of " << r.turns;
    return testing::AssertionSuccess();
}

struct Stubborn final : Player { // plays a fixed move, whatever the board
    Move move;
    explicit Stubborn(Move m) : move(m) {}
    void newGame(std::uint64_t) override {}
    Move choose(const Window& w, SideId) override {
        return w.u1.btnOpen.enabled || w.u2.btnOpen.enabled ? Move{MoveKind::open} : move;
    }
};

struct Pacifist final : Player { // greedy, except that an attack it would make ends its turn instead
    GreedyPlayer greedy;
    void newGame(std::uint64_t seed) override { greedy.newGame(seed); }
    Move choose(const Window& w, SideId side) override {
        const Move m = greedy.choose(w, side);
        return m.kind == MoveKind::attack || m.kind == MoveKind::direct ? Move{MoveKind::end} : m;
    }
};

// Draws a full hand and sacrifices two hand cards a turn, and never fields: its sacrifices stay banked.
struct Hoarder final : Player {
    void newGame(std::uint64_t) override {}
    Move choose(const Window& w, SideId side) override {
        const Side& s = w.side(side);
        return s.btnOpen.enabled                          ? Move{MoveKind::open}
               : s.btnQ5.enabled && s.lstHand.count() < 5 ? Move{MoveKind::q5}
               : s.btnSacri.enabled                       ? Move{MoveKind::sacrificeHand, 0}
                                                          : Move{MoveKind::end};
    }
};

struct Slow final : Player { // a player that takes its time: at least a millisecond per move
    RandomPlayer inner;
    void newGame(std::uint64_t seed) override { inner.newGame(seed); }
    Move choose(const Window& w, SideId side) override {
        for (const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
             std::chrono::steady_clock::now() < until;) {
        }
        return inner.choose(w, side);
    }
};

} // namespace

// Every level, 100 games: sound, and far stronger than chance on either side of the board.
TEST(Arena, NoLevelBreaksARuleAgainstTheRandomPlayer) {
    for (const auto level : {computer::Level::easy, computer::Level::normal, computer::Level::hard}) {
        ComputerPlayer computer(
            {.seed = 1, .determinizations = 2, .turns = 2, .level = level, .iterations = 40});
        RandomPlayer random;
        std::array<int, 2> computerWins{}; // as player 1, as player 2
        for (std::uint64_t n = 1; n <= 100; ++n) {
            const bool computerFirst = n % 2 == 1;
            const auto r = computerFirst ? playArenaGame(computer, random, game(n))
                                         : playArenaGame(random, computer, game(n));
            ASSERT_TRUE(sound(r, {computerFirst, !computerFirst})) << "seed " << n;
            computerWins[computerFirst ? 0 : 1] +=
                r.result == (computerFirst ? GameResult::player1 : GameResult::player2) ? 1 : 0;
        }
        EXPECT_GT(computerWins[0], 35) << computer::levelName(level);
        EXPECT_GT(computerWins[1], 35) << computer::levelName(level);
    }
}

TEST(Arena, BaselinesPlaySoundGamesThatReplayFromTheirSeed) {
    RandomPlayer random, random2;
    GreedyPlayer greedy;
    // The players and the wins each must have at least (0: not counted); of two even players, each wins some.
    using Case = std::tuple<Player&, Player&, std::array<int, 2>>;
    for (const auto& [p1, p2, minWins] : {Case{greedy, random, {8, 0}}, Case{random, greedy, {0, 8}},
                                          Case{greedy, greedy, {1, 1}}, Case{random, random2, {1, 1}}}) {
        std::array<int, 4> results{};
        for (std::uint64_t n = 1; n <= 10; ++n) {
            const auto r = playArenaGame(p1, p2, game(n));
            ASSERT_TRUE(sound(r, {true, true})) << "seed " << n;
            ASSERT_EQ(playArenaGame(p1, p2, game(n)).log, r.log) << "seed " << n; // every move and message
            ASSERT_NE(playArenaGame(p1, p2, game(n + 100)).log, r.log);
            ++results[static_cast<std::size_t>(r.result)];
            ASSERT_EQ(r.log[0], "u1 opens its deck."); // the moves and what they showed, the result last
            const std::array<std::string, 3> shown{"message: Player 1 wins.", "message: Player 2 wins.",
                                                   "message: Game is a draw."};
            EXPECT_EQ(std::ranges::find(shown, r.log.back()) - shown.begin(), static_cast<int>(r.result));
        }
        for (std::size_t p = 0; p < 2; ++p)
            if (minWins[p] > 0) {
                EXPECT_GE(results[p], minWins[p]) << "player " << p + 1;
            }
    }
}

TEST(Arena, ReportsWhatAPlayerMustNotDoAndTimesItsTurns) {
    RandomPlayer random;
    // A click on a disabled control is a failure; refusals count, a turn of them without progress ends it.
    Stubborn attacker(Move{MoveKind::attack, -1, 1, 1});
    auto r = playArenaGame(attacker, random, game(1));
    EXPECT_EQ(r.failures, std::vector<std::string>{"seed 1, turn 1, after u1 attacks nothing in SLOT 1 with "
                                                   "nothing in SLOT 1.: the control is disabled"});
    EXPECT_EQ(r.result, GameResult::unfinished);

    Stubborn fielder(Move{MoveKind::field, 7});
    r = playArenaGame(random, fielder, game(2));
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_NE(r.failures[0].find("no progress: the turn has not passed after 100 actions"),
              std::string::npos);
    EXPECT_EQ(r.refusals, (std::array<int, 2>{0, 99}));

    // Each player opens its own deck: player 2's cannot be read, so its first turn stalls.
    auto options = game(5);
    options.decks[1] = GRIMWARD_SAMPLE_DECKS "/missing.ucd", r = playArenaGame(random, random, options);
    ASSERT_EQ(r.failures.size(), 1u);
    EXPECT_EQ(r.failures[0].rfind("seed 5, turn 2, after turn: no progress", 0), 0u) << r.failures[0];
    EXPECT_EQ(r.refusals, (std::array<int, 2>{0, 100}));

    Slow slow; // the turn limit ends a game unfinished; each turn's thinking is timed for its player
    r = playArenaGame(random, slow, game(4, 20));
    ASSERT_TRUE(sound(r, {true, true}, 20));
    EXPECT_EQ(r.result, GameResult::unfinished); // at the limit, as sound() requires
    for (const double seconds : r.thinking[1])
        EXPECT_GE(seconds, 0.001);
}

// The sacrifices left banked at the end, and the turns in which a winning attack was left unmade.
TEST(Arena, CountsUnspentSacrificesAndIdleAttackers) {
    Hoarder hoarder;
    Stubborn ender(Move{MoveKind::end});
    const auto banked = playArenaGame(hoarder, ender, game(3, 4)); // two turns each
    EXPECT_EQ(banked.unspentSacrifices, (std::array<int, 2>{4, 0}));
    EXPECT_EQ(banked.idleTurns, (std::array<int, 2>{0, 0}));
    Pacifist pacifist;
    GreedyPlayer greedy;
    std::array<int, 2> idle{};
    for (std::uint64_t n = 1; n <= 4; ++n) {
        const auto r = playArenaGame(pacifist, greedy, game(n, 60));
        idle[0] += r.idleTurns[0], idle[1] += r.idleTurns[1];
    }
    EXPECT_GT(idle[0], 20);
    EXPECT_EQ(idle[1], 0); // greedy takes every gain there is
}
