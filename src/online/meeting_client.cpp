#include "online/meeting_client.h"

#include "board/message_log.h"
#include "online/framing.h"
#include "online/online_handlers.h"
#include "online/online_subs.h"

namespace grim::onlineSubs {

namespace {

using Meeting = Window::Meeting;

const std::string& roomOf(const Window& w) {
    return w.online.txtRoom.text;
}
std::string serverOf(const Window& w) {
    return w.online.txtServer.text;
}

// The wait ends without a partner: the player is told why and may try again at once, with the
// panel as ONLINE left it (HOST GAME, JOIN GAME and the boxes enabled).
void giveUp(Window& w, const std::string& why) {
    w.ports.socket->close();
    w.meeting = Meeting::none;
    w.timers.tmrConnect.setOn(false);
    w.ports.prompter->message(MessageId::meetingEnded, why);
    enableConnectionControls(w);
    w.online.btnDisconnect.enabled = false;
}

std::string refusal(const Window& w, meet::Answer answer) {
    const std::string room = "room " + roomOf(w);
    switch (answer) {
    case meet::Answer::roomTaken:
        return "The meeting server refused " + room + ": another player is already " +
               (w.meetingHost ? "hosting" : "joining") + " there. Choose another room name.";
    case meet::Answer::badRoom:
        return "The meeting server refused " + room + ": it does not take that room name.";
    case meet::Answer::busy:
        return "The meeting server at " + serverOf(w) + " is busy. Please try again later.";
    default:
        return "The meeting server at " + serverOf(w) + " answered what this program does not understand.";
    }
}

} // namespace

void meetThroughServer(Window& w, meet::Role role) {
    OnlinePanel& o = w.online;
    w.meeting = Meeting::none;
    const std::optional<meet::ServerAddress> server = meet::parseServerAddress(o.txtServer.text);
    const std::optional<MessageId> message = o.txtPlayer.text.empty()      ? MessageId::noName
                                             : !server                     ? MessageId::badServer
                                             : !meet::validRoom(roomOf(w)) ? MessageId::badRoomName
                                                                           : std::optional<MessageId>{};
    if (message) return w.ports.prompter->show(*message);
    w.meeting = Meeting::connecting;
    w.meetingHost = role == meet::Role::host;
    w.ports.socket->connect(server->host, server->port);
    o.btnHost.enabled = false;
    o.btnJoin.enabled = false;
    lockConnectionFields(w);
    if (w.meetingHost) {
        o.btnDisconnect.enabled = true; // as while listening
        return;
    }
    logLine(w, "] Attempting to connect to " + serverOf(w) + ">");
    w.timers.tmrConnect.setOn(true); // a minute for the server and then the host
}

bool meetingConnected(Window& w) {
    if (w.meeting != Meeting::connecting) return false;
    w.meeting = Meeting::answer;
    w.ports.socket->send(
        meet::firstFrameText(w.meetingHost ? meet::Role::host : meet::Role::join, roomOf(w)));
    return true;
}

bool meetingMessage(Window& w, const std::string& message) {
    if (w.meeting == Meeting::none) return false;
    const std::optional<meet::Answer> answer = meet::answerOf(message);
    if (answer == meet::Answer::waiting && w.meeting == Meeting::answer) {
        w.meeting = Meeting::waiting;
        logLine(w, "] Waiting in room " + roomOf(w) + " on the meeting server " + serverOf(w) + ">");
    } else if (answer == meet::Answer::paired) {
        w.meeting = Meeting::none;
        logLine(w, "] Other player found in room " + roomOf(w) + ">");
        if (w.meetingHost)
            greetJoiner(w);
        else
            Winsock_Connect(w);
    } else {
        giveUp(w, refusal(w, answer.value_or(meet::Answer::waiting)));
    }
    return true;
}

bool meetingClosed(Window& w) {
    if (w.meeting == Meeting::none) return false;
    giveUp(w, "The meeting server at " + serverOf(w) + " ended the wait in room " + roomOf(w) +
                  " before another player came.");
    return true;
}

bool meetingFailed(Window& w, const std::string& description) {
    if (w.meeting == Meeting::none) return false;
    const std::string why = description.empty() ? std::string() : ": " + description;
    giveUp(w, (w.meeting == Meeting::connecting
                   ? "Not able to reach the meeting server at " + serverOf(w)
                   : "The connection to the meeting server at " + serverOf(w) + " broke") +
                  why + ".");
    return true;
}

void meetingGivenUp(Window& w) {
    w.ports.socket->close();
    w.meeting = Meeting::none;
    appendToLog(w, "<Not able to connect to room " + roomOf(w) + " on " + serverOf(w) + ".>");
}

} // namespace grim::onlineSubs
