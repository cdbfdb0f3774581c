#include "rules/hand_over.h"

#include "board/message_log.h"

namespace grim::gameSubs {

void handOver(Window& w, SideId ended) {
    w.txtUpdates.text = "0 of 8";
    logLine(w, "] Updating changes 1-8 to other player.>");
    sendMessage(w, timedText(w, handOverNotice));
    // The other window's turn follows: its board is the next one this window takes.
    w.incoming = Window::Incoming::due;
    if (ended == SideId::u1 && w.blnFirstMove) {
        w.blnFirstMove = false;
        w.timers.tmrSynch.setOn(true);
    }
    w.timers.tmrUpdate.setOn(true);
}

} // namespace grim::gameSubs
