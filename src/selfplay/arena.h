// The arena: one whole seeded game on one machine (OFFLINE) between two players, each
// choosing a typed move for its side, carried out through the handlers the buttons call.
// The game driver (game_driver.h) runs it; the arena answers the open dialog with the
// player's deck and every question with Yes, records every message, and times each
// player's thinking. The arena benchmark and the computer's tests use it; it links only
// the core.
#pragma once

#include "board/window.h"
#include "computer/moves.h"
#include "selfplay/game_driver.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace grim::selfplay {

// A player of the arena: chooses the move of its side. It may read the whole board (the
// baselines do; the computer reads only what its side can see).
class Player {
  public:
    virtual ~Player() = default;
    // A new game starts; the player's own choices are seeded from seed.
    virtual void newGame(std::uint64_t seed) = 0;
    // The move the side takes now. The side has the turn.
    virtual computer::Move choose(const Window& w, SideId side) = 0;
};

// An independent seed for the n-th use of a game seed (splitmix64 of both).
std::uint64_t deriveSeed(std::uint64_t seed, std::uint64_t n);

struct ArenaOptions {
    std::uint64_t seed = 1;
    // The deck files of player 1 and player 2.
    std::array<std::string, 2> decks;
    // A game that has not ended after this many turns is unfinished.
    int maxTurns = 400;
    // A turn that has not passed after this many actions makes no progress: the game ends
    // as a failure.
    int maxActionsPerTurn = 100;
};

struct ArenaRecord : GameRecord {
    // Per player (index 0: player 1): the time it thought in each of its turns, and for each
    // of its decisions, in seconds.
    std::array<std::vector<double>, 2> thinking, decisions;
    // Every move, as "u1 fields [120] OGRE.", and every message shown, in order.
    std::vector<std::string> log;
    // Every broken rule, a disabled control clicked, a turn without progress.
    std::vector<std::string> failures;
    // How well each player played: the sacrifices it had banked and never spent when the game
    // ended, and its turns in which a field card could have won a fight (ATTACK enabled and
    // one of its cards stronger than one of the opponent's, or DIRECT enabled against an empty
    // field) and no attack was made.
    std::array<int, 2> unspentSacrifices{}, idleTurns{};
};

// Plays one game from OFFLINE to its end (or the turn limit), then NEW GAME. player1 plays
// "u1".
ArenaRecord playArenaGame(Player& player1, Player& player2, const ArenaOptions& options);

} // namespace grim::selfplay
