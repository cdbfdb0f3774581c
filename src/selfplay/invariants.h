// The rules a board must keep after every action of a game on one machine, whoever acts:
// the self-play driver and the arena check them after each click.
#pragma once

#include "board/window.h"

#include <array>
#include <string>
#include <vector>

namespace grim::selfplay {

// What is wrong with the board, one text per broken rule ("wrong txtDeckCntU1"); nothing on
// a sound board. `ended`: the game's result has been shown. A sound board costs no allocation.
std::vector<std::string> boardProblems(const Window& w, bool ended);

// The same check for a board checked again and again (after every action of a game): a
// slot text found sound the last time is not read again.
class BoardCheck {
  public:
    std::vector<std::string> problems(const Window& w, bool ended);

  private:
    std::array<std::string, 2 * slotCount> sound_; // slots 1 to 5 of player 1, then of player 2
};

} // namespace grim::selfplay
