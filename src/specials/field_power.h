// Special cards that change one field card's power by an amount the board decides.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::activationSubs {

void invigoration(Window& w, std::string_view side); // 216: an own card gains 20 per card on the field
void devestation(Window& w, std::string_view side);  // 227: an opponent's card loses 20 per card on the field
void soulStealer(Window& w, std::string_view side); // 226: an own DEAD card feeds on the opponent's graveyard

} // namespace grim::activationSubs
