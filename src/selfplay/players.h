// The arena's players: the computer opponent, and two baselines to measure it against (a
// uniformly random legal player and a greedy one-ply player). The baselines read the whole
// board; they are test and benchmark opponents, not part of the program.
#pragma once

#include "computer/moves.h"
#include "computer/search.h"
#include "selfplay/arena.h"

#include <cstdint>
#include <memory>

namespace grim::selfplay {

// The computer: decides from what its side can see (observe), with the search seeded from
// the game's seed and the number of its move.
class ComputerPlayer final : public Player {
  public:
    explicit ComputerPlayer(computer::SearchOptions options = {}) : options_(options) {}
    void newGame(std::uint64_t seed) override;
    computer::Move choose(const Window& w, SideId side) override;

  private:
    computer::SearchOptions options_;
    std::uint64_t seed_ = 1, moves_ = 0;
};

// Any move the rules allow now, each as likely as the others.
class RandomPlayer final : public Player {
  public:
    void newGame(std::uint64_t seed) override;
    computer::Move choose(const Window& w, SideId side) override;

  private:
    std::unique_ptr<computer::TrialPorts> trial_ = std::make_unique<computer::TrialPorts>();
    SeededRandom random_{1};
};

// The allowed move that raises a simple board score most right away; END only when no
// move raises it. Ties go to the first such move.
class GreedyPlayer final : public Player {
  public:
    void newGame(std::uint64_t seed) override;
    computer::Move choose(const Window& w, SideId side) override;

  private:
    std::unique_ptr<computer::TrialPorts> trial_ = std::make_unique<computer::TrialPorts>();
};

// The greedy player's score of the board for the side: 100 per life point ahead, the field
// powers, 10 per sacrificed card, 5 per hand card; a won game above everything, a lost one
// below.
double greedyScore(const Window& w, SideId side);

} // namespace grim::selfplay
