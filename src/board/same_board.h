// Whether two windows show the same: every control (enabled, visible, checked, text, items,
// selection, timer on or off) and the counters of the window and the turn.
#pragma once

#include "board/window.h"

namespace grim {

bool sameBoard(const Window& a, const Window& b);

} // namespace grim
