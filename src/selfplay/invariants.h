// The rules a board must keep after every action of a game on one machine, whoever acts:
// the self-play driver and the arena check them after each click.
#pragma once

#include "board/window.h"

#include <string>
#include <vector>

namespace grim::selfplay {

// What is wrong with the board, one text per broken rule ("wrong txtDeckCntU1"); nothing on
// a sound board. `ended`: the game's result has been shown. A sound board costs no allocation.
std::vector<std::string> boardProblems(const Window& w, bool ended);

} // namespace grim::selfplay
