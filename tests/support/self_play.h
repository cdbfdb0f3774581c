// A headless driver that plays whole games on one machine through the same handlers the
// window's buttons call, choosing random actions among the enabled controls of the side
// whose turn it is, and checks the board after every action.
//
// The actions are a list of candidates; another kind of action (playing special cards,
// say) is added by appending to `actions`.
#pragma once

#include "board/ports.h"
#include "board/window.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace grim::test {

struct SelfPlayOptions {
    std::uint64_t seed = 1;
    // Compare the whole window before and after every refused action (slower).
    bool checkRefusals = false;
    // A game that has not ended after this many turns is abandoned with NEW GAME.
    int maxTurns = 1000;
};

struct GameRecord {
    enum class Result { player1, player2, draw, unfinished };
    Result result = Result::unfinished;
    int turns = 0;
    long actions = 0;
};

class SelfPlay {
  public:
    struct Action {
        std::string name;
        int weight = 1;
        // Whether the side may take the action now (its control is enabled).
        std::function<bool(const Window&, const Side&)> possible;
        // Sets up selections, dialog answers and chosenSlot like a player would (may be empty).
        std::function<void(SelfPlay&, Side&)> prepare;
        // The click: calls the window's handler.
        std::function<void(SelfPlay&, std::string_view side)> click;
    };

    // Writes the driver's deck files (good and bad ones) into deckFolder.
    SelfPlay(const std::string& deckFolder, SelfPlayOptions options = {});
    SelfPlay(const SelfPlay&) = delete;
    SelfPlay& operator=(const SelfPlay&) = delete;

    // Plays one game from OFFLINE to its end, then starts over with NEW GAME.
    GameRecord playGame();

    std::vector<Action> actions;
    // Every broken rule seen, with the seed, game, action and what was wrong.
    std::vector<std::string> failures;

    Window& window() { return w_; }
    // Random choices of the driver: 0..n-1, and true with probability p.
    int pick(int n);
    bool chance(double p);
    // The answer to the next question, and the next file dialog's result.
    void answerNext(bool yes) { prompter_.answers.push_back(yes); }
    void chooseFile(std::optional<std::string> path) { prompter_.files.push_back(std::move(path)); }
    // A good deck file, or one that must be refused (or a cancelled dialog).
    std::string goodDeck();
    std::optional<std::string> badDeck();
    // Selects a random item of the list, or nothing now and then.
    void selectSome(ListBox& list);
    // A slot number an action's prepare chose for its click.
    int chosenSlot = 1;

  private:
    struct DriverPrompter : Prompter {
        std::vector<std::string> shown; // messages of the current action
        std::vector<std::string> asked; // questions of the current action
        std::vector<bool> answered;
        bool cancelled = false; // a file dialog of the current action was cancelled
        std::string result;     // the end-of-game message of the current game
        std::deque<bool> answers;
        std::deque<std::optional<std::string>> files;
        SeededRandom* rng = nullptr;
        void message(const std::string& text, const std::string& title) override;
        bool question(const std::string& text, bool defaultNo) override;
        std::optional<std::string> openFile(const std::string& filter) override;
        std::optional<std::string> saveFile(const std::string& filter) override;
    };
    struct SilentSound : Sound {
        void play(const std::string&) override {}
    };
    struct FixedClock : Clock {
        std::string timeOfDay() override { return "12:00:00"; }
    };

    void addDefaultActions();
    void writeDecks(const std::string& folder);
    void check(const std::string& actionName);
    bool refused() const;
    void fail(const std::string& actionName, const std::string& what);
    const Side* actingSide() const;

    SelfPlayOptions options_;
    SeededRandom choices_;
    SeededRandom draws_;
    DriverPrompter prompter_;
    SilentSound sound_;
    FixedClock clock_;
    ClosedSocket socket_;
    Window w_;
    std::vector<std::string> goodDecks_;
    std::vector<std::optional<std::string>> badDecks_;
    int game_ = 0;
};

} // namespace grim::test
