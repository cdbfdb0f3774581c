// Special cards that destroy cards on the field.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

void godKiller(Window& w, SideId side);  // 210: destroys the opponent's OMEGA
void death(Window& w, SideId side);      // 221: destroys the opponent's cards of power 100 or less
void armageddon(Window& w, SideId side); // 215: destroys every card on both fields
void deadlyDice(Window& w, SideId side); // 218: destroys a random slot of the opponent's field

} // namespace grim::activationSubs
