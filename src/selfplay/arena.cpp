#include "selfplay/arena.h"

#include "computer/judgement.h"
#include "program/startup.h"
#include "selfplay/game_driver.h"

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

    // The deck the acting player's open dialog gives.
    std::string deck;

  private:
    void message(MessageId, const std::string& text, const std::string&) override {
        record_.log.push_back("message: " + text);
    }
    bool question(MessageId, const std::string&, bool) override { return true; }
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

// The two players at the arena's table: each chooses its side's move, timed; the move is
// logged and, when its control is enabled, clicked.
class Table final : public Actors {
  public:
    Table(std::array<Player*, 2> players, const ArenaOptions& options, ArenaRecord& record)
        : players_(players), options_(options), record_(record), ports_(deriveSeed(options.seed, 0), record),
          w_(ports_.ports()) {}
    Window& window() { return w_; }

  private:
    static std::size_t index(SideId side) { return side == SideId::u1 ? 0 : 1; }
    void turnBegins(SideId side) override {
        endTurn();
        turn_ = Turn{side};
        record_.thinking[index(side)].push_back(0);
    }
    void gameEnds() override {
        endTurn();
        for (const SideId side : {SideId::u1, SideId::u2})
            record_.unspentSacrifices[index(side)] = w_.side(side).txtSacriCnt.value;
    }
    // The turn that ends: an idle one if a winning attack was there and none was made.
    void endTurn() {
        if (turn_ && turn_->attackWouldPay && !turn_->attacked) ++record_.idleTurns[index(turn_->side)];
        turn_.reset();
    }
    Step act(SideId side) override {
        using Clock = std::chrono::steady_clock;
        const std::size_t p = index(side);
        if (turn_ && computer::winningAttack(w_, side)) turn_->attackWouldPay = true;
        const auto start = Clock::now();
        const Move move = players_[p]->choose(w_, side);
        const double thought = std::chrono::duration<double>(Clock::now() - start).count();
        record_.thinking[p].back() += thought;
        record_.decisions[p].push_back(thought);

        done_ = std::string(idText(side)) + " " + computer::describe(w_, side, move);
        record_.log.push_back(done_);
        if (!computer::clickable(w_.side(side), move)) return {done_, "the control is disabled"};
        ports_.deck = move.kind == MoveKind::open ? options_.decks[p] : std::string();
        computer::applyMove(w_, side, move);
        // An attack made leaves ATTACK and DIRECT disabled; a refused one leaves them as they were.
        const Side& s = w_.side(side);
        if (turn_ && (move.kind == MoveKind::attack || move.kind == MoveKind::direct) &&
            !s.btnAttack.enabled && !s.btnDirect.enabled)
            turn_->attacked = true;
        return {done_, {}};
    }
    void fail(int turn, std::string_view after, const std::string& what) override {
        record_.failures.push_back("seed " + std::to_string(options_.seed) + ", turn " +
                                   std::to_string(turn) + ", after " + std::string(after) + ": " + what);
    }

    std::array<Player*, 2> players_;
    const ArenaOptions& options_;
    ArenaRecord& record_;
    ArenaPorts ports_;
    Window w_;
    std::string done_; // the last move, as the log shows it
    struct Turn {
        SideId side;
        bool attackWouldPay = false, attacked = false;
    };
    std::optional<Turn> turn_; // the turn under way
};

} // namespace

std::uint64_t deriveSeed(std::uint64_t seed, std::uint64_t n) {
    std::uint64_t z = seed + (n + 1) * 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

ArenaRecord playArenaGame(Player& player1, Player& player2, const ArenaOptions& options) {
    ArenaRecord record;
    Table table({&player1, &player2}, options, record);
    formLoad(table.window(), std::filesystem::path(options.decks[0]).parent_path().string());
    player1.newGame(deriveSeed(options.seed, 1));
    player2.newGame(deriveSeed(options.seed, 2));
    static_cast<GameRecord&>(record) =
        driveGame(table.window(), table, {options.maxTurns, options.maxActionsPerTurn});
    return record;
}

} // namespace grim::selfplay
