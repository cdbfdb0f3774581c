// One whole game on one machine (OFFLINE), whoever plays it: the self-play driver's random
// clicks and the arena's players both go through it. It gives each action to the side whose
// turn it is, checks the board after every action, counts the refusals each player causes,
// stops a game at the turn limit or at a turn that makes no progress, and ends with NEW GAME,
// after which the board must be back in its opening state.
#pragma once

#include "board/window.h"
#include "selfplay/invariants.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace grim::selfplay {

enum class GameResult { player1, player2, draw, unfinished };
// The result an end-of-game message announces; unfinished for any other message or none.
GameResult resultOf(std::optional<MessageId> message);

struct GameRecord {
    GameResult result = GameResult::unfinished;
    int turns = 0;
    long actions = 0;
    // Per player (index 0: player 1): the messages refusing one of its actions.
    std::array<int, 2> refusals{};
};

struct GameLimits {
    // A game that has not ended after this many turns is stopped, unfinished.
    int maxTurns;
    // A turn that has not passed after this many actions makes no progress: the game stops
    // as a failure.
    int maxActionsPerTurn;
};

// Who plays a driven game: it takes each action and keeps the failures.
class Actors {
  public:
    // An action taken, named for the failures that follow it ("attack", "u1 fields [120]
    // OGRE."); with a failure, none was taken and the game stops there.
    struct Step {
        std::string_view name;
        std::string_view failure;
    };
    virtual ~Actors() = default;
    // A turn of the side begins.
    virtual void turnBegins(SideId) {}
    // The game has ended, or reached a limit; the board is as it ended (NEW GAME follows).
    virtual void gameEnds() {}
    // Takes one action for the side whose turn it is.
    virtual Step act(SideId side) = 0;
    // Something was wrong after the action named, in the game's turn-th turn.
    virtual void fail(int turn, std::string_view after, const std::string& what) = 0;
};

// Plays one game on the window from OFFLINE to its end or a limit, then starts over with NEW
// GAME (its question answered Yes). Every message shown goes on to the window's prompter.
GameRecord driveGame(Window& w, Actors& actors, GameLimits limits);

} // namespace grim::selfplay
