// The game's version: deck files and the online protocol carry it, and the window's caption
// shows it. A deck file or another window of a different version is refused.
#pragma once

#include <string>

namespace grim {

inline constexpr int gameVersion = 16;

inline std::string gameVersionText() {
    return std::to_string(gameVersion);
}

} // namespace grim
