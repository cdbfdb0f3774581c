// Opening and closing the window: start-up fills the board, the deck editor and the
// online panel, so it sits above every module it calls.
#pragma once

#include "board/window.h"

#include <string>

namespace grim {

// Start-up of the window: closes the socket, writes the deck editor's instructions,
// fills the catalogue lists and the slot selectors, disables both sides and the online
// panel, and loads the help text from programFolder.
void formLoad(Window& w, const std::string& programFolder);
// Shutdown: closes the socket.
void formUnload(Window& w);

// Reads "instructions.txt" from the folder into the help box, each line followed by
// CR LF, or puts the not-found text there when it cannot be read.
void loadHelp(Window& w, const std::string& programFolder);

inline constexpr const char* helpNotFound =
    "Help file \"instructions.txt\" was not found in the same directory as the game.";

} // namespace grim
