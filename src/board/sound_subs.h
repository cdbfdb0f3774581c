// The one sound operation: every place that plays a sound goes through it.
#pragma once

#include "board/window.h"

#include <string>

namespace grim::soundSubs {

inline constexpr const char* im = "im.wav";
inline constexpr const char* update = "update.wav";
inline constexpr const char* attack = "attack.wav";
inline constexpr const char* over = "over.wav";

// Plays the named file from the program's folder, only while sounds are switched on.
void playSound(Window& w, const std::string& name);

// The "O&N" and "O&FF" items of the sounds menu.
void smnSoundsOn_Click(Window& w);
void smnSoundsOff_Click(Window& w);

} // namespace grim::soundSubs
