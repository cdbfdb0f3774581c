// The event handlers of the "GAME" tab's turn controls. Each gathers the controls of its
// side and calls the shared operation. A disabled control cannot be
// clicked, so a click that reaches a disabled control (queued while a message box was
// open, say) does nothing.
#pragma once

#include "board/window.h"

namespace grim::gameSubs {

void btnOpen_Click(Window& w, SideId side);
void btnAdd_Click(Window& w, SideId side);
void btnQ5_Click(Window& w, SideId side);
void btnSacri_Click(Window& w, SideId side);
void lblAtt_Click(Window& w, SideId side, int i); // i = 1..5
void btnField_Click(Window& w, SideId side);
void btnDirect_Click(Window& w, SideId side);
void btnMaster_Click(Window& w, SideId side);
void btnAttack_Click(Window& w, SideId side);
void btnEnd_Click(Window& w, SideId side);

// A tick of tmrTurnLimit; does nothing while the timer is off.
void tmrTurnLimit_Timer(Window& w);

} // namespace grim::gameSubs
