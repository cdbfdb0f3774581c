// The computer's strength and speed at a level: seeded arena games against a uniformly random
// legal player, a greedy one-ply player or the computer at a level, the sample decks rotated, the computer
// player 1 in games of even seed and player 2 in the others, so that each pair of decks is
// played with the computer on either side. A game is fixed by its seed alone.
//
// Run it from a release build, on one core:
//   cmake --preset release && cmake --build --preset release --target arena_bench
//   taskset -c 0 build/release/bin/arena_bench                     # NORMAL, 1000 games per opponent
//   build/release/bin/arena_bench --level hard --opponent normal --games 200
// Options: --level easy|normal|hard (the computer measured; normal by default), --games N (per
// opponent), --determinizations D (NORMAL's boards per move), --iterations I (HARD's tree
// iterations per move), --seed S (the first game's seed), --opponent
// random|greedy|easy|normal|hard|both (both: random, then greedy), --decks FOLDER, --log
// (prints every game's moves and messages: with --games 1 --seed S it replays game S).
// It prints, per opponent: wins, draws, losses and unfinished games of the computer, its
// win rate with a 95 % Wilson interval, the median and 90th percentile of its thinking time
// per decision and per turn, the play-quality counts per game of both sides (sacrifices unspent at the end,
// turns with a winning attack left unmade), games per second, the seeds of the first games it
// lost, and the failures (broken rules, refusals: must be 0).
#include "selfplay/arena.h"
#include "selfplay/players.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

using namespace grim;
using namespace grim::selfplay;

namespace {

struct Settings {
    int games = 1000;
    computer::SearchOptions search;
    std::uint64_t seed = 1;
    computer::Level level = computer::Level::normal;
    std::string opponent = "both";
    std::string decks = GRIMWARD_SAMPLE_DECKS;
    bool log = false;
};

std::optional<computer::Level> levelNamed(const std::string& name) {
    for (const auto level : {computer::Level::easy, computer::Level::normal, computer::Level::hard}) {
        std::string lower(computer::levelName(level));
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (name == lower) return level;
    }
    return std::nullopt;
}

bool parse(int argc, char** argv, Settings& s) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--log") {
            s.log = true;
            continue;
        }
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (option == "--games")
            s.games = std::atoi(value);
        else if (option == "--determinizations")
            s.search.determinizations = std::atoi(value);
        else if (option == "--iterations")
            s.search.iterations = std::atoi(value);
        else if (option == "--level") {
            const auto level = levelNamed(value);
            if (!level) return false;
            s.level = *level;
        } else if (option == "--seed")
            s.seed = std::strtoull(value, nullptr, 10);
        else if (option == "--opponent")
            s.opponent = value;
        else if (option == "--decks")
            s.decks = value;
        else
            return false;
    }
    return s.games > 0 && s.search.determinizations > 0 && s.search.iterations > 0 &&
           (s.opponent == "both" || s.opponent == "random" || s.opponent == "greedy" ||
            levelNamed(s.opponent));
}

double percentile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size()))) - 1;
    return v[std::min(i, v.size() - 1)];
}

// The 95 % Wilson score interval of a rate of k in n.
std::pair<double, double> wilson(int k, int n) {
    const double z = 1.96, p = static_cast<double>(k) / n, z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {centre - half, centre + half};
}

// Plays the games against one opponent and prints the report; returns the failures' count.
std::size_t run(const Settings& s, const char* name, Player& opponent) {
    const std::array<std::string, 3> decks{s.decks + "/swarm.ucd", s.decks + "/balanced.ucd",
                                           s.decks + "/giants.ucd"};
    computer::SearchOptions options = s.search;
    options.level = s.level;
    ComputerPlayer computer(options);
    std::array<int, 4> outcome{};            // wins, draws, losses, unfinished (for the computer)
    std::array<int, 2> winsAs{}, playedAs{}; // the computer's wins and games as player 1 and 2
    std::vector<double> thinkingMs, decisionMs;
    std::vector<std::string> failures;
    std::string lost; // the seeds of the first games lost
    long turns = 0;
    // Play quality, the computer's and the opponent's: sacrifices unspent at the end, idle attack turns.
    std::array<long, 2> unspent{}, idle{};
    const auto start = std::chrono::steady_clock::now();
    for (int g = 0; g < s.games; ++g) {
        const std::uint64_t seed = s.seed + static_cast<std::uint64_t>(g);
        const int me = static_cast<int>(seed % 2); // the computer's player index
        // Each pair of decks in turn, with the computer on either side.
        const int pair = static_cast<int>(seed / 2 % 9);
        const ArenaOptions options{seed, {decks[pair % 3], decks[pair / 3]}, 400, 100};
        const ArenaRecord r =
            me == 0 ? playArenaGame(computer, opponent, options) : playArenaGame(opponent, computer, options);
        const auto mine = me == 0 ? GameResult::player1 : GameResult::player2;
        winsAs[static_cast<std::size_t>(me)] += r.result == mine ? 1 : 0;
        ++playedAs[static_cast<std::size_t>(me)];
        if (r.result != mine && r.result != GameResult::draw && r.result != GameResult::unfinished &&
            outcome[2] < 20)
            (lost += ' ') += std::to_string(seed);
        if (s.log) {
            std::printf("game %llu: the computer is player %d\n", static_cast<unsigned long long>(seed),
                        me + 1);
            for (const auto& line : r.log)
                std::printf("  %s\n", line.c_str());
        }
        outcome[r.result == GameResult::unfinished ? 3
                : r.result == GameResult::draw     ? 1
                : r.result == mine                 ? 0
                                                   : 2]++;
        for (const double t : r.thinking[static_cast<std::size_t>(me)])
            thinkingMs.push_back(t * 1000);
        for (const double t : r.decisions[static_cast<std::size_t>(me)])
            decisionMs.push_back(t * 1000);
        turns += r.turns;
        const auto you = static_cast<std::size_t>(1 - me);
        unspent[0] += r.unspentSacrifices[static_cast<std::size_t>(me)],
            unspent[1] += r.unspentSacrifices[you];
        idle[0] += r.idleTurns[static_cast<std::size_t>(me)], idle[1] += r.idleTurns[you];
        for (const auto& f : r.failures)
            failures.push_back(f);
        if (r.refusals[static_cast<std::size_t>(me)] != 0)
            failures.push_back("seed " + std::to_string(seed) + ": the computer was refused " +
                               std::to_string(r.refusals[static_cast<std::size_t>(me)]) + " times");
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto [low, high] = wilson(outcome[0], s.games);
    std::printf("%s vs %-6s  games %d  won %d  drawn %d  lost %d  unfinished %d\n",
                std::string(computer::levelName(s.level)).c_str(), name, s.games, outcome[0], outcome[1],
                outcome[2], outcome[3]);
    std::printf(
        "           win rate %.1f %%  (95 %% Wilson interval %.1f %% .. %.1f %%); won %d of %d as player 1, "
        "%d of %d as player 2\n",
        100.0 * outcome[0] / s.games, 100 * low, 100 * high, winsAs[0], playedAs[0], winsAs[1], playedAs[1]);
    std::printf("           thinking per decision: median %.2f ms, 90th percentile %.2f ms, most %.2f ms; "
                "per turn: median %.2f ms, 90th percentile %.2f ms\n",
                percentile(decisionMs, 0.5), percentile(decisionMs, 0.9), percentile(decisionMs, 1.0),
                percentile(thinkingMs, 0.5), percentile(thinkingMs, 0.9));
    const auto perGame = [&](long n) { return static_cast<double>(n) / s.games; };
    std::printf("           per game: sacrifices unspent %.2f (opponent %.2f), idle attack turns %.2f "
                "(opponent %.2f)\n",
                perGame(unspent[0]), perGame(unspent[1]), perGame(idle[0]), perGame(idle[1]));
    std::printf("           %.2f games/s, %.1f turns/game, failures %zu\n", s.games / seconds,
                static_cast<double>(turns) / s.games, failures.size());
    if (!lost.empty()) std::printf("           lost games (seeds):%s\n", lost.c_str());
    for (std::size_t i = 0; i < std::min<std::size_t>(failures.size(), 10); ++i)
        std::printf("           %s\n", failures[i].c_str());
    std::fflush(stdout);
    return failures.size();
}

} // namespace

int main(int argc, char** argv) {
    Settings s;
    if (!parse(argc, argv, s)) {
        std::fprintf(stderr,
                     "usage: arena_bench [--level easy|normal|hard] [--games N] [--determinizations D] "
                     "[--iterations I] [--seed S] [--opponent random|greedy|easy|normal|hard|both] "
                     "[--decks FOLDER] [--log]\n");
        return 2;
    }
    std::printf("arena: the computer at %s, %d games per opponent, %d determinizations, %d iterations, first "
                "seed %llu\n",
                std::string(computer::levelName(s.level)).c_str(), s.games, s.search.determinizations,
                s.search.iterations, static_cast<unsigned long long>(s.seed));
    std::size_t failures = 0;
    if (const auto level = levelNamed(s.opponent)) {
        computer::SearchOptions options = s.search;
        options.level = *level;
        ComputerPlayer opponent(options);
        failures += run(s, s.opponent.c_str(), opponent);
    }
    if (s.opponent == "both" || s.opponent == "random") {
        RandomPlayer random;
        failures += run(s, "random", random);
    }
    if (s.opponent == "both" || s.opponent == "greedy") {
        GreedyPlayer greedy;
        failures += run(s, "greedy", greedy);
    }
    return failures == 0 ? 0 : 1;
}
