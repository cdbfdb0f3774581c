#include "online/board_sync.h"

#include "board/game_subs.h"
#include "board/message_log.h"
#include "board/sound_subs.h"
#include "online/board_parts.h"
#include "online/online_handlers.h"

namespace grim::onlineSubs {

namespace {
void showProgress(Window& w, int part) {
    w.txtUpdates.text = std::to_string(part) + " of 8";
}
} // namespace

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
    sendMessage(w, "</synch/>");
    timer.setOn(false);
}

void receivePart(Window& w, const std::string& m) {
    const int n = w.partsReceived + 1;
    if (!isValidPart(n, m)) {
        Winsock_Error(w, 0, "board part " + std::to_string(n) + " is not valid");
        return;
    }
    w.partsReceived = static_cast<std::int16_t>(n);
    showProgress(w, n);
    applyPart(w, n, m);
}

void completeUpdate(Window& w) {
    if (w.partsReceived != partCount) return;
    w.partsReceived = 0;
    logLine(w, "] Changes from other player updated successfully.>");
    soundSubs::playSound(w, soundSubs::update);
    if (gameSubs::gameOverCheck(w) == gameSubs::GameOverResult::over) return;
    w.timers.tmrTurnLimit.setOn(true);
    gameSubs::enableSide(w, w.online.optPlayer1.checked ? SideId::u1 : SideId::u2);
}

} // namespace grim::onlineSubs
