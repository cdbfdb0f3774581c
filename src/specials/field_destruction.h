// Special cards that destroy cards on the field.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::activationSubs {

void godKiller(Window& w, std::string_view side);  // 210: destroys the opponent's OMEGA
void death(Window& w, std::string_view side);      // 221: destroys the opponent's cards of power 100 or less
void armageddon(Window& w, std::string_view side); // 215: destroys every card on both fields
void deadlyDice(Window& w, std::string_view side); // 218: destroys a random slot of the opponent's field

} // namespace grim::activationSubs
