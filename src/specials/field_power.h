// Special cards that change one field card's power by an amount the board decides.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

void invigoration(Window& w, SideId side); // 216: an own card gains 20 per card on the field
void devestation(Window& w, SideId side);  // 227: an opponent's card loses 20 per card on the field
void soulStealer(Window& w, SideId side);  // 226: an own DEAD card feeds on the opponent's graveyard

} // namespace grim::activationSubs
