// Playing a special card from the hand: the special buttons and the dispatch by card code.
#pragma once

#include "board/window.h"

#include <string_view>

namespace grim::activationSubs {

// Runs the effect of the special card selected in the side's hand. Refuses with a message
// when nothing is selected or the card is not a special card; codes above 228 do nothing.
void activateSpecial(Window& w, std::string_view side, ListBox& hand);

// The special button of a side ("u1" is player 1, any other text player 2).
void btnSpecial_Click(Window& w, std::string_view side);

} // namespace grim::activationSubs
