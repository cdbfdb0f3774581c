#include "online/hand_over.h"

#include "board/game_subs.h"
#include "board/message_log.h"
#include "online/link.h"
#include "board/sound_subs.h"
#include "online/board_parts.h"
#include "online/online_handlers.h"
#include "online/tags.h"

#include <utility>

namespace grim::onlineSubs {

namespace {
void showProgress(Window& w, int part) {
    w.txtUpdates.text = std::to_string(part) + " of 8";
}
} // namespace

void handOver(Window& w, SideId ended) {
    showProgress(w, 0);
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

void tmrUpdate_Timer(Window& w) {
    Timer& timer = w.timers.tmrUpdate;
    if (!timer.on()) return;
    // A count outside 0..7 can only come from a hand-over cut short; it starts over.
    if (w.partsSent < 0 || w.partsSent >= partCount) w.partsSent = 0;
    ++w.partsSent;
    showProgress(w, w.partsSent);
    sendMessage(w, encodePart(w, w.partsSent));
    if (w.partsSent < partCount) return;
    w.partsSent = 0;
    timer.setOn(false);
    logLine(w, "] Changes updated successfully.>");
}

void tmrSynch_Timer(Window& w) {
    Timer& timer = w.timers.tmrSynch;
    if (!timer.on()) return;
    if (++w.synchTicks < 2) return;
    w.synchTicks = 0;
    sendMessage(w, tagText(Tag::synch));
    timer.setOn(false);
}

void receivePart(Window& w, const std::string& m) {
    const int n = w.partsReceived + 1;
    if (w.incoming != Window::Incoming::arriving) {
        // Not inside a hand-over this window was told of: a part sent for a game that has
        // ended here (a restart crossed it) is passed over; anything else ends the connection.
        for (int part = 1; part <= partCount; ++part)
            if (isValidPart(part, m)) return;
    } else if (applyPart(w, n, m)) {
        w.partsReceived = static_cast<std::int16_t>(n);
        showProgress(w, n);
        return;
    }
    Winsock_Error(w, 0, "board part " + std::to_string(n) + " is not valid");
}

void completeUpdate(Window& w) {
    if (w.partsReceived != partCount) return;
    w.partsReceived = 0;
    w.incoming = Window::Incoming::none;
    const bool opensDeck = std::exchange(w.synchHeld, false);
    logLine(w, "] Changes from other player updated successfully.>");
    soundSubs::playSound(w, soundSubs::update);
    if (gameSubs::gameOverCheck(w) != gameSubs::GameOverResult::notOver) return;
    w.timers.tmrTurnLimit.setOn(true);
    gameSubs::enableSide(w, w.online.optPlayer1.checked ? SideId::u1 : SideId::u2);
    if (opensDeck) w.u2.btnOpen.enabled = true;
}

void synchReceived(Window& w) {
    // Player 2's deck and hand must not change under player 1's board still arriving, which
    // would overwrite them: the open-deck button waits for its last part. A "</synch/>" while
    // no board is awaited was sent for a game that has ended here.
    if (w.incoming != Window::Incoming::none) w.synchHeld = true;
}

void noticeReceived(Window& w, const std::string& m) {
    if (w.incoming == Window::Incoming::due && m.starts_with("<[") && m.ends_with(handOverNotice))
        w.incoming = Window::Incoming::arriving;
}

} // namespace grim::onlineSubs
