// Special cards that change life points or the power of one field card.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

void lifeless(Window& w, SideId side);     // 200, 201: the opponent loses 1L
void suicide(Window& w, SideId side);      // 212: both players lose 1L
void lifepoint(Window& w, SideId side);    // 213: the side gains 1L
void increase(Window& w, SideId side);     // 207, 208: an own card gains 50 power
void reduction(Window& w, SideId side);    // 204-206: an opponent's card loses 50 power
void soulTransfer(Window& w, SideId side); // 219: an own DEAD card feeds on the own graveyard

} // namespace grim::activationSubs
