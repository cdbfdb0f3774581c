// The computer's seat at the window in VS COMPUTER, and the hint's thinker in OFFLINE and VS
// COMPUTER. After every event it looks at the board;
// when player 2 is to move it thinks on a copy of what player 2 can see, off the window's
// thread, and plays the move it chose through the window's event queue, no sooner than
// tmrComputer's interval after its previous move, so that the player can follow. A search
// whose move would be thrown away (the board has changed since it began, or the window
// goes) is stopped: the window never waits for a whole search. The computer plays at the
// level checked in the menu when it begins each decision.
// A hint is thought out the same way, off the window's thread, for the side hintSide names and
// from what that side can see; it is written into the description box when it is ready, unless
// the board has changed since it was asked for.
#pragma once

#include "board/ports.h"
#include "computer/search.h"

#include <QObject>

#include <optional>
#include <stop_token>
#include <string>
#include <thread>

class QTimer;
class frmMain;

namespace grim::app {

class ComputerSeat final : public QObject {
  public:
    // Each search is seeded from a generator seeded with seed, so a run of the program
    // replays with the same seed.
    ComputerSeat(frmMain& window, computer::SearchOptions options, std::uint64_t seed);
    // Stops a search that is still running and waits for it to end (one dealt board at most).
    ~ComputerSeat() override;
    ComputerSeat(const ComputerSeat&) = delete;
    ComputerSeat& operator=(const ComputerSeat&) = delete;

    // The window has handled and shown an event, and nothing else waits: the computer may
    // start thinking, or play the move it has chosen.
    void settled();
    // smnHint: thinks out a hint for the side whose turn it is. Nothing while the computer
    // thinks, a hint is on its way, or no side may have one.
    void hint();

  private:
    void think(computer::Observation seen);
    // Runs work on what a side can see off the window's thread, seeded from the seat's generator
    // at the level of the menu; done gets its result on the window's thread, none when the work
    // was stopped.
    template <class Result>
    void launch(computer::Observation seen,
                Result (*work)(const computer::Observation&, const computer::SearchOptions&, std::stop_token),
                void (ComputerSeat::*done)(std::optional<Result>));
    // The search's result, on the window's thread; none from a search that was stopped.
    void chosen(std::optional<computer::Move> move);

    frmMain& window_;
    QTimer* tmrComputer_;
    computer::SearchOptions options_;
    SeededRandom seeds_;
    std::jthread search_;
    bool thinking_ = false;
    bool hinting_ = false;
    // The hint's result, on the window's thread; none from a search that was stopped.
    void hinted(std::optional<std::string> text);
    bool hadTurn_ = false;                       // player 2 was to move when last looked at
    std::optional<computer::Observation> asked_; // what the last search was given
    std::optional<computer::Move> move_;         // and what it chose, not yet played
};

} // namespace grim::app
