// The last step of every special card that took effect.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

// Moves the card selected in the side's hand (the special card being played) to the
// side's graveyard, rewrites both count boxes and ends the side's preparation: no more
// drawing, sacrificing from the hand or special cards this turn.
void finishSpecial(Window& w, SideId side);

} // namespace grim::gameSubs
