#include "rules/hand_over.h"

#include "board/message_log.h"

namespace grim::gameSubs {

void handOver(Window& w, SideId ended) {
    w.txtUpdates.text = "0 of 8";
    logLine(w, "] Updating changes 1-8 to other player.>");
    sendMessage(w, timedText(w, "] Other player is updating changes 1-8 to you.>"));
    if (ended == SideId::u1 && w.blnFirstMove) {
        w.blnFirstMove = false;
        w.timers.tmrSynch.setOn(true);
    }
    w.timers.tmrUpdate.setOn(true);
}

} // namespace grim::gameSubs
