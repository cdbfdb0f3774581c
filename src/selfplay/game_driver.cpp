#include "selfplay/game_driver.h"

#include "board/game_subs.h"
#include "board/turn_state.h"
#include "computer/moves.h"
#include "modes/play_mode.h"

namespace grim::selfplay {

namespace {

// Stands between the window and the players' prompter for one game: it hears the result and
// counts the refusals of the player acting, and answers NEW GAME's question Yes. Everything
// goes on to the players' prompter, so that what it records (and draws) stays the same.
class Watch final : public Prompter {
  public:
    Watch(Window& w, GameRecord& record) : w_(w), players_(*w.ports.prompter), record_(record) {
        w_.ports.prompter = this;
    }
    ~Watch() override { w_.ports.prompter = &players_; }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    std::size_t acting = 0;
    std::optional<MessageId> result; // the end-of-game message
    bool yes = false;

  private:
    void message(MessageId id, const std::string& text, const std::string& title) override {
        players_.message(id, text, title);
        if (computer::isRefusal(id))
            ++record_.refusals[acting];
        else if (isResult(id))
            result = id;
    }
    bool question(MessageId id, const std::string& text, bool defaultNo) override {
        const bool answer = players_.question(id, text, defaultNo);
        return yes || answer;
    }
    std::optional<std::string> openFile(const std::string& filter, const std::string& startFolder,
                                        const std::string& title) override {
        return players_.openFile(filter, startFolder, title);
    }
    std::optional<std::string> saveFile(const std::string& filter) override {
        return players_.saveFile(filter);
    }

    Window& w_;
    Prompter& players_;
    GameRecord& record_;
};

} // namespace

GameResult resultOf(std::optional<MessageId> message) {
    return message == MessageId::player1Wins   ? GameResult::player1
           : message == MessageId::player2Wins ? GameResult::player2
           : message == MessageId::gameDrawn   ? GameResult::draw
                                               : GameResult::unfinished;
}

GameRecord driveGame(Window& w, Actors& actors, GameLimits limits) {
    GameRecord record;
    Watch watch(w, record);
    auto check = [&](std::string_view after) {
        for (const auto& problem : boardProblems(w, watch.result.has_value()))
            actors.fail(record.turns, after, problem);
    };
    onlineSubs::smnOffline_Click(w);
    check("OFFLINE");

    constexpr std::size_t nobody = 2; // a player index: neither side has the turn
    std::size_t turnOf = nobody;
    int actionsThisTurn = 0;
    for (;;) {
        const std::size_t p = hasTurn(w.u1) ? 0 : hasTurn(w.u2) ? 1 : nobody;
        if (p == nobody) break; // the game is over
        const SideId side = p == 0 ? SideId::u1 : SideId::u2;
        if (p != turnOf) {
            turnOf = p;
            actionsThisTurn = 0;
            if (++record.turns > limits.maxTurns) {
                record.turns = limits.maxTurns;
                break;
            }
            actors.turnBegins(side);
        }
        if (++actionsThisTurn > limits.maxActionsPerTurn) {
            actors.fail(record.turns, "turn",
                        "no progress: the turn has not passed after " +
                            std::to_string(limits.maxActionsPerTurn) + " actions");
            break;
        }
        watch.acting = p;
        const Actors::Step step = actors.act(side);
        if (!step.failure.empty()) {
            actors.fail(record.turns, step.name, std::string(step.failure));
            break;
        }
        ++record.actions;
        check(step.name);
    }
    record.result = resultOf(watch.result);
    actors.gameEnds();

    watch.yes = true;
    onlineSubs::smnNewGame_Click(w);
    check("NEW GAME");
    for (const Side* s : {&w.u1, &w.u2})
        if (!s->lstDeck.empty() || !s->lstHand.empty() || !s->cmbGrave.empty() || s->txtLp.value != startingLife ||
            s->txtSacriCnt.value != 0 || hasTurn(*s))
            actors.fail(record.turns, "NEW GAME", "the board was not reset");
    if (!w.menu.smnOffline.enabled || w.menu.smnOffline.checked || w.menu.smnNewGame.enabled)
        actors.fail(record.turns, "NEW GAME", "the menu is not back in its opening state");
    return record;
}

} // namespace grim::selfplay
