// The online panel switched as a group (module onlineSubs).
#pragma once

#include "board/window.h"

namespace grim::onlineSubs {

// txtMsg, btnHost, btnJoin, btnDisconnect, btnSet, optPlayer1, optPlayer2, txtPlayer, txtIp, txtPort.
void disableOnlineControls(Window& w);
// btnHost, btnJoin, txtPlayer, txtIp, txtPort.
void enableConnectionControls(Window& w);
// Hides both sides' deck and hand lists.
void hideDeckAndHandLists(Window& w);
// Disables the name, address and port boxes.
void lockConnectionFields(Window& w);

} // namespace grim::onlineSubs
