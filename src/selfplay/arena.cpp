#include "selfplay/arena.h"

#include "board/game_subs.h"
#include "board/turn_state.h"
#include "modes/play_mode.h"
#include "program/startup.h"
#include "selfplay/invariants.h"

#include <chrono>
#include <filesystem>
#include <optional>

namespace grim::selfplay {

namespace {

using computer::Move;
using computer::MoveKind;

// The arena's window ports: a prompter that opens the acting player's deck, answers every
// question Yes, and records every message; a silent sound, a fixed clock, no connection.
class ArenaPorts final : Prompter, Sound, Clock {
  public:
    explicit ArenaPorts(std::uint64_t seed, ArenaRecord& record) : random_(seed), record_(record) {}
    Ports ports() { return Ports{this, this, this, &random_, &socket_}; }

    // The player acting now and the deck its open dialog gives.
    int acting = 0;
    std::string deck;
    std::string result;

  private:
    void message(const std::string& text, const std::string&) override {
        record_.log.push_back("message: " + text);
        if (computer::isRefusal(text))
            ++record_.refusals[static_cast<std::size_t>(acting)];
        else if (gameSubs::isResultMessage(text))
            result = text;
    }
    bool question(const std::string&, bool) override { return true; }
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override {
        if (deck.empty()) return std::nullopt;
        return deck;
    }
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }
    void play(const std::string&) override {}
    std::string timeOfDay() override { return "9:05:31 PM"; }

    SeededRandom random_;
    ClosedSocket socket_;
    ArenaRecord& record_;
};

} // namespace

std::uint64_t deriveSeed(std::uint64_t seed, std::uint64_t n) {
    std::uint64_t z = seed + (n + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

ArenaRecord playArenaGame(Player& player1, Player& player2, const ArenaOptions& options) {
    using Clock = std::chrono::steady_clock;
    ArenaRecord record;
    ArenaPorts ports(deriveSeed(options.seed, 0), record);
    Window w(ports.ports());
    formLoad(w, std::filesystem::path(options.decks[0]).parent_path().string());
    std::array<Player*, 2> players{&player1, &player2};
    player1.newGame(deriveSeed(options.seed, 1));
    player2.newGame(deriveSeed(options.seed, 2));

    auto fail = [&](const std::string& after, const std::string& what) {
        record.failures.push_back("seed " + std::to_string(options.seed) + ", turn " +
                                  std::to_string(record.turns) + ", after " + after + ": " + what);
    };
    BoardCheck board;
    auto check = [&](const std::string& after) {
        for (const auto& problem : board.problems(w, !ports.result.empty()))
            fail(after, problem);
    };
    onlineSubs::smnOffline_Click(w);
    check("OFFLINE");

    int turnOf = -1, actionsThisTurn = 0;
    while (hasTurn(w.u1) || hasTurn(w.u2)) {
        const SideId id = hasTurn(w.u1) ? SideId::u1 : SideId::u2;
        const int p = id == SideId::u1 ? 0 : 1;
        auto& thinking = record.thinking[static_cast<std::size_t>(p)];
        if (p != turnOf) {
            turnOf = p;
            actionsThisTurn = 0;
            if (++record.turns > options.maxTurns) {
                record.turns = options.maxTurns;
                break;
            }
            thinking.push_back(0);
        }
        if (++actionsThisTurn > options.maxActionsPerTurn) {
            fail("turn", "no progress: the turn has not passed after " +
                             std::to_string(options.maxActionsPerTurn) + " actions");
            break;
        }

        const auto start = Clock::now();
        const Move move = players[static_cast<std::size_t>(p)]->choose(w, id);
        thinking.back() += std::chrono::duration<double>(Clock::now() - start).count();

        const std::string done = std::string(idText(id)) + " " + computer::describe(w, id, move);
        record.log.push_back(done);
        if (!computer::clickable(w.side(id), move)) {
            fail(done, "the control is disabled");
            break;
        }
        ports.acting = p;
        ports.deck = move.kind == MoveKind::open ? options.decks[static_cast<std::size_t>(p)] : std::string();
        computer::applyMove(w, id, move);
        ++record.actions;
        check(done);
    }

    record.result = resultOf(ports.result);
    return record;
}

} // namespace grim::selfplay
