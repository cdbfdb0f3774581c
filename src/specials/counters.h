// Special cards that change the life-point and sacrificed counters or empty a graveyard.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

void recovery(Window& w, SideId side);      // 220: sacrificed cards become life points
void iou(Window& w, SideId side);           // 214: one more sacrificed card past the limit
void inconvenience(Window& w, SideId side); // 217: the opponent loses a sacrificed card
void selfishness(Window& w, SideId side);   // 222: the own graveyard traded for 1L

} // namespace grim::activationSubs
