// The status line under the window: whose turn it is in words, the board's hand-over
// between two windows with its part count, the result of an ended game, and the time left
// in the turn to the second. Decided from the board; the shell only shows it.
#pragma once

#include "board/game_subs.h"
#include "board/window.h"

#include <cstdint>
#include <optional>
#include <string>

namespace grim {

// The time left is marked from this many seconds on.
inline constexpr int urgentSeconds = 30;

struct Status {
    enum class State : std::uint8_t {
        noGame,       // no mode chosen
        notConnected, // ONLINE chosen, no connection (yet or any more)
        turn,         // a side may act
        waiting,      // online: the other window plays its turn
        receiving,    // online: the other window's board is arriving, part `part`
        sending,      // online: this window's board is leaving, part `part`
        nobody,       // a game is on and no side may act (between a connection and SET)
        gameOver      // the game has ended with `result`
    };
    // Who acts in a turn.
    enum class Seat : std::uint8_t { player, you, computer };

    State state = State::noGame;
    std::optional<SideId> side; // whose turn, or whose the other window's turn is
    Seat seat = Seat::player;
    int part = 0;
    gameSubs::GameOverResult result = gameSubs::GameOverResult::notOver;
    std::optional<int> secondsLeft; // while the turn timer runs
    bool urgent = false;            // secondsLeft is urgentSeconds or fewer
    friend bool operator==(const Status&, const Status&) = default;
};

// The seconds left in the turn when the turn timer has run for msRunning since it was last
// switched on: the minutes txtMins shows, less the part of the current minute gone by.
int turnSecondsLeft(const Window& w, std::int64_t msRunning);

// The status of the window; msRunning as for turnSecondsLeft.
Status statusOf(const Window& w, std::int64_t msRunning);

// The status line's text: "Turn: player 2 (the computer)   Time left 2:05".
std::string statusText(const Status& s);

// "m:ss".
std::string clockText(int seconds);

} // namespace grim
