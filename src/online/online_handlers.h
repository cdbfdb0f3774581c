// The window's handlers of online play: the socket's events, the four online timers and the
// online panel's controls (module onlineSubs). Each runs on its own, one at a time.
#pragma once

#include "board/window.h"

#include <cstdint>
#include <string>

namespace grim::onlineSubs {

void Winsock_ConnectionRequest(Window& w, std::int32_t requestId);
void Winsock_Connect(Window& w);
void Winsock_Close(Window& w);
void Winsock_Error(Window& w, int number, const std::string& description);
// Exactly one whole message from the other window.
void Winsock_DataArrival(Window& w, const std::string& message);

void tmrConnect_Timer(Window& w);
void tmrWait_Timer(Window& w);
void tmrUpdate_Timer(Window& w);
void tmrSynch_Timer(Window& w);

void btnHost_Click(Window& w);
void btnJoin_Click(Window& w);
void btnDisconnect_Click(Window& w);
void btnSet_Click(Window& w);
// Enter (13) sends the chat line; other keys type into the box as usual.
void txtMsg_KeyPress(Window& w, int keyAscii);
void txtPlayer_Click(Window& w);

void smnOnline_Click(Window& w);

} // namespace grim::onlineSubs
