// A headless driver that plays whole games on one machine through the handlers the window's
// buttons call, choosing random actions among the enabled controls of the side whose turn it
// is; the game driver (game_driver.h) runs each game and checks the board after every
// action. The self-play test and benchmark use it. It links only the core.
#pragma once

#include "board/ports.h"
#include "board/window.h"
#include "computer/moves.h"
#include "selfplay/game_driver.h"
#include "selfplay/invariants.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grim::selfplay {

struct SelfPlayOptions {
    std::uint64_t seed = 1;
    // Compare the whole window before and after every refused action (slower).
    bool checkRefusals = false;
    // A game that has not ended after this many turns is abandoned with NEW GAME.
    int maxTurns = 1000;
    // A turn that has not passed after this many actions makes no progress (no deck
    // will open, say): the game is abandoned and the failure reported.
    int maxActionsPerTurn = 5000;
};

class SelfPlay : Prompter, Actors {
  public:
    struct Action {
        std::string name;
        int weight = 1;
        // Whether the side may take the action now (its control is enabled).
        std::function<bool(const Window&, const Side&)> possible;
        // Makes the selections and scripts the answers a player would give (may be empty).
        std::function<void(SelfPlay&, Side&)> prepare;
        // The click: calls the window's handler.
        std::function<void(SelfPlay&, SideId side)> click;
        // Or a move of the table of moves (possible and click empty): possible while its
        // control is enabled; the click calls its handler (a slot label's with chosenSlot).
        const computer::MoveRow* move = nullptr;
    };

    // Writes the driver's good and bad deck files into deckFolder.
    SelfPlay(const std::string& deckFolder, SelfPlayOptions options = {});
    SelfPlay(const SelfPlay&) = delete;
    SelfPlay& operator=(const SelfPlay&) = delete;

    // Plays one game from OFFLINE to its end, then starts over with NEW GAME.
    GameRecord playGame();

    // Every broken rule seen, with the seed, game, action and what was wrong.
    std::vector<std::string> failures;
    std::vector<Action> actions;

    // For actions: the window, random choices (0..n-1; true with probability p), scripted
    // answers and file dialog results, and a slot number chosen in prepare for the click.
    Window& window() { return w_; }
    int pick(int n) { return std::min(static_cast<int>(choices_.next() * n), n - 1); }
    bool chance(double p) { return choices_.next() < p; }
    void answerNext(bool yes) { answers_.push_back(yes); }
    void chooseFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }
    std::optional<std::string> someDeck(); // mostly a good deck file, now and then a bad one
    template <class List> void selectSome(List& list); // a random item, or now and then nothing
    int chosenSlot = 1;

  private:
    void message(MessageId id, const std::string& text, const std::string& title) override;
    bool question(MessageId id, const std::string& text, bool defaultNo) override;
    std::optional<std::string> openFile(const std::string& filter, const std::string& startFolder = {},
                                        const std::string& title = {}) override;
    std::optional<std::string> saveFile(const std::string&) override { return std::nullopt; }

    Step act(SideId side) override;
    void fail(int turn, std::string_view after, const std::string& what) override;

    void addDefaultActions();
    void writeDecks(const std::string& folder);
    bool refused() const;

    SelfPlayOptions options_;
    SeededRandom choices_, draws_;
    struct : Sound {
        void play(const std::string&) override {}
    } silence_;
    struct : Clock {
        std::string timeOfDay() override { return "9:05:31 PM"; }
    } clock_;
    ClosedSocket socket_;
    Window w_;
    std::deque<bool> answers_;
    std::deque<std::optional<std::string>> files_;
    // Whether the current action showed a message, and the first one; whether it was cancelled
    // in a dialog.
    bool shown_ = false;
    MessageId firstShown_ = MessageId::about;
    std::string firstText_;
    bool cancelled_ = false;
    std::vector<int> weights_;     // per action: its weight, 0 when the side may not take it now
    std::optional<Window> before_; // the window before the action, when refusals are checked
    std::vector<std::string> goodDecks_, controlNames_;
    std::vector<std::optional<std::string>> badDecks_;
    int game_ = 0;
};

} // namespace grim::selfplay
