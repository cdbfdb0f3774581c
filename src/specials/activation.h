// Playing a special card from the hand: the special buttons and the dispatch by card code.
#pragma once

#include "board/window.h"

namespace grim::activationSubs {

// Runs the effect of the special card selected in the side's hand. Refuses with a message
// when nothing is selected or the card is not a special card; codes above 228 do nothing.
void activateSpecial(Window& w, SideId side, CardList& hand);

// The special button of a side.
void btnSpecial_Click(Window& w, SideId side);

} // namespace grim::activationSubs
