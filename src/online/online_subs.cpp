#include "online/online_subs.h"

#include "board/game_subs.h"
#include "board/message_log.h"
#include "online/link.h"
#include "board/sound_subs.h"
#include "online/meeting_client.h"
#include "online/online_handlers.h"
#include "online/tags.h"

#include <charconv>
#include <optional>

namespace grim::onlineSubs {

namespace {

// The port text as a port number: a whole number from 1 to 65535, nothing else.
std::optional<std::uint16_t> portNumber(const std::string& text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 65535) return {};
    return static_cast<std::uint16_t>(value);
}

// The checks HOST GAME and JOIN GAME share; shows the first message that applies.
bool refused(Window& w, bool needsAddress) {
    const OnlinePanel& o = w.online;
    const std::optional<MessageId> message = o.txtPlayer.text.empty()                  ? MessageId::noName
                                             : needsAddress && o.txtIp.text.empty()    ? MessageId::noIp
                                             : o.txtPort.text.empty()                  ? MessageId::noPort
                                             : !portNumber(o.txtPort.text).has_value() ? MessageId::badPort
                                                                                       : std::optional<MessageId>{};
    if (!message) return false;
    w.ports.prompter->show(*message);
    return true;
}

constexpr const char* connectionEstablished =
    "] A connection with other player has been established. Checking game version compatibility.>";

void setConnectionFields(Window& w, bool enabled) {
    for (TextBox* t : {&w.online.txtPlayer, &w.online.txtIp, &w.online.txtPort, &w.online.txtServer, &w.online.txtRoom})
        t->enabled = enabled;
}

void enableSideChoiceAndFields(Window& w) {
    OnlinePanel& o = w.online;
    for (Switch* s : {&o.optPlayer1, &o.optPlayer2})
        s->enabled = true;
    setConnectionFields(w, true);
}

// What a hang-up and an error both do once the player has been told: chat and DISCONNECT
// end, the three-minute wait starts, the mode can be chosen again, the join and the
// hand-over stop, and sides, name, address and port can be changed.
void endedByOtherSide(Window& w) {
    Timers& t = w.timers;
    w.online.txtMsg.enabled = false;
    w.online.btnDisconnect.enabled = false;
    t.tmrWait.setOn(true);
    uncheckModes(w);
    t.tmrConnect.setOn(false);
    t.tmrUpdate.setOn(false);
    enableSideChoiceAndFields(w);
}

} // namespace

void uncheckModes(Window& w) {
    for (Switch* mode : {&w.menu.smnOffline, &w.menu.smnOnline, &w.menu.smnComputer}) {
        mode->enabled = true;
        mode->checked = false;
    }
}

std::string cannotListenMessage(const std::string& port, const std::string& whyNot) {
    return "Not able to host a game on port " + port + ": " + whyNot + ".";
}

void disableOnlineControls(Window& w) {
    auto& o = w.online;
    o.txtMsg.enabled = false;
    o.btnHost.enabled = false;
    o.btnJoin.enabled = false;
    o.btnDisconnect.enabled = false;
    o.btnSet.enabled = false;
    o.optPlayer1.enabled = false;
    o.optPlayer2.enabled = false;
    lockConnectionFields(w);
}

void enableConnectionControls(Window& w) {
    auto& o = w.online;
    o.btnHost.enabled = true;
    o.btnJoin.enabled = true;
    setConnectionFields(w, true);
}

void hideDeckAndHandLists(Window& w) {
    gameSubs::setListsVisible(w, false);
}

void lockConnectionFields(Window& w) {
    setConnectionFields(w, false);
}

void hostGame(Window& w) {
    w.ports.socket->close();
    if (!w.online.txtRoom.text.empty()) return meetThroughServer(w, meet::Role::host);
    w.meeting = Window::Meeting::none;
    if (refused(w, false)) return;
    OnlinePanel& o = w.online;
    std::string whyNot;
    if (!w.ports.socket->listen(*portNumber(o.txtPort.text), whyNot)) {
        w.ports.prompter->message(MessageId::cannotListen, cannotListenMessage(o.txtPort.text, whyNot));
        // Back to the state ONLINE gives, so the player can change the port and try again.
        enableConnectionControls(w);
        o.btnDisconnect.enabled = false;
        return;
    }
    o.btnHost.enabled = false;
    o.btnJoin.enabled = false;
    o.btnDisconnect.enabled = true;
    lockConnectionFields(w);
    logLine(w, "] Waiting for other player to connect>");
}

void joinGame(Window& w) {
    w.ports.socket->close();
    if (!w.online.txtRoom.text.empty()) return meetThroughServer(w, meet::Role::join);
    w.meeting = Window::Meeting::none;
    if (refused(w, true)) return;
    OnlinePanel& o = w.online;
    w.ports.socket->connect(o.txtIp.text, *portNumber(o.txtPort.text));
    o.btnHost.enabled = false;
    o.btnJoin.enabled = false;
    lockConnectionFields(w);
    logLine(w, "] Attempting to connect to " + o.txtIp.text + ">");
    w.timers.tmrConnect.setOn(true);
}

void disconnectGame(Window& w) {
    if (!w.ports.prompter->ask(MessageId::disconnectQuestion)) return;
    Timers& t = w.timers;
    t.tmrTurnLimit.setOn(false);
    t.tmrConnect.setOn(false);
    t.tmrUpdate.setOn(false);
    t.tmrWait.setOn(true);
    logLine(w, "] Connection ended by you>");
    w.online.txtMsg.enabled = false;
    w.online.btnDisconnect.enabled = false;
    uncheckModes(w);
    w.ports.socket->close();
    w.meeting = Window::Meeting::none;
}

void newGameResetOnline(Window& w) {
    gameSubs::clearDuel(w);
    w.online.optPlayer1.enabled = true;
    w.online.optPlayer2.enabled = true;
    gameSubs::setListsVisible(w, false);
    w.timers.tmrUpdate.setOn(false);
    // Nor does the ended game's "</synch/>" leave: it would let player 2 open a deck before
    // player 1's first turn of the new game, whose board would then overwrite it.
    w.timers.tmrSynch.setOn(false);
    w.synchTicks = 0;
    // Both windows count the next hand-over from its first part, and nothing still on its
    // way from the ended game lands on the new board.
    w.partsSent = 0;
    w.partsReceived = 0;
    w.incoming = Window::Incoming::none;
    w.synchHeld = false;
    if (w.online.optPlayer1.checked) {
        w.online.btnSet.enabled = true;
        w.online.optPlayer1.enabled = true;
        w.online.optPlayer2.enabled = true;
    }
}

void openDuel(Window& w) {
    if (!socketConnected(w)) return;
    // A new connection starts counting the hand-over's parts afresh: one cut short on an
    // earlier connection must not shift the parts of this one.
    w.partsSent = 0;
    w.partsReceived = 0;
    w.incoming = Window::Incoming::none;
    w.synchHeld = false;
    // A duel starts on an empty board, also when the buttons came back at the end of the
    // wait after a connection whose game was left on the board.
    gameSubs::clearDuel(w);
    logLine(w, "] Game versions are compatible. Let the duel begin.>");
    w.online.txtMsg.enabled = true;
    w.online.btnDisconnect.enabled = true;
    w.menu.smnNewGame.enabled = true;
    soundSubs::playSound(w, soundSubs::update);
}

void requestRestart(Window& w) {
    sendMessage(w, tagText(Tag::restartRequest));
    w.ports.prompter->show(MessageId::restartSent);
}

void greetJoiner(Window& w) {
    logLine(w, connectionEstablished);
    sendMessage(w, tagText(Tag::whatGameVersion));
}

void Winsock_ConnectionRequest(Window& w, std::int32_t requestId) {
    w.ports.socket->close();
    w.ports.socket->accept(requestId);
    greetJoiner(w);
}

void Winsock_Connect(Window& w) {
    if (meetingConnected(w)) return;
    logLine(w, connectionEstablished);
}

void Winsock_Close(Window& w) {
    if (meetingClosed(w)) return;
    w.timers.tmrTurnLimit.setOn(false);
    w.ports.prompter->show(MessageId::hangUp);
    logLine(w, "] Other player disconnected.>");
    w.online.btnSet.enabled = false;
    endedByOtherSide(w);
    w.ports.socket->close();
}

void Winsock_Error(Window& w, int, const std::string& description) {
    if (meetingFailed(w, description)) return;
    w.ports.socket->close();
    w.timers.tmrTurnLimit.setOn(false);
    w.ports.prompter->show(MessageId::connectionError);
    logLine(w, "] Connection ended because of an error.>");
    endedByOtherSide(w); // SET stays as it was
}

void tmrConnect_Timer(Window& w) {
    Timer& timer = w.timers.tmrConnect;
    if (!timer.on()) return;
    if (w.meeting != Window::Meeting::none) { // no host came to the room within the minute
        meetingGivenUp(w);
        enableSideChoiceAndFields(w);
    } else if (!socketConnected(w)) {
        w.ports.socket->close();
        appendToLog(w, "<Not able to connect to " + w.online.txtIp.text + ".>");
        enableSideChoiceAndFields(w);
    }
    timer.setOn(false);
}

void tmrWait_Timer(Window& w) {
    Timer& timer = w.timers.tmrWait;
    if (!timer.on()) return;
    if (++w.waitTicks < 3) return;
    w.waitTicks = 0;
    w.online.btnHost.enabled = true;
    w.online.btnJoin.enabled = true;
    timer.setOn(false);
}

void btnHost_Click(Window& w) {
    if (w.online.btnHost.enabled) hostGame(w);
}
void btnJoin_Click(Window& w) {
    if (w.online.btnJoin.enabled) joinGame(w);
}
void btnDisconnect_Click(Window& w) {
    if (w.online.btnDisconnect.enabled) disconnectGame(w);
}
void txtPlayer_Click(Window& w) {
    if (w.online.txtPlayer.enabled) w.online.txtPlayer.text.clear();
}

} // namespace grim::onlineSubs
