// Special cards that change life points or the power of one field card.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::activationSubs {

void lifeless(Window& w, std::string_view side);     // 200, 201: the opponent loses 1L
void suicide(Window& w, std::string_view side);      // 212: both players lose 1L
void lifepoint(Window& w, std::string_view side);    // 213: the side gains 1L
void increase(Window& w, std::string_view side);     // 207, 208: an own card gains 50 power
void reduction(Window& w, std::string_view side);    // 204-206: an opponent's card loses 50 power
void soulTransfer(Window& w, std::string_view side); // 219: an own DEAD card feeds on the own graveyard

} // namespace grim::activationSubs
