// What the two windows say to each other: the dispatch of a received message, the version
// check, the side choice, the restart agreement and the chat.
#include "board/game_subs.h"
#include "board/message_log.h"
#include "online/link.h"
#include "board/sound_subs.h"
#include "online/hand_over.h"
#include "online/meeting_client.h"
#include "online/online_handlers.h"
#include "online/online_subs.h"
#include "online/tags.h"

#include <string_view>

namespace grim::onlineSubs {

namespace {

constexpr int enterKey = 13;

// A line from the other window as the log shows it: control characters become "?", so it
// cannot start a line of its own that looks like ours.
std::string printable(const std::string& m) {
    std::string shown = m;
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 32) c = '?';
    return shown;
}

// A chat line or notice: shown in the log with the message sound.
void showLine(Window& w, const std::string& m) {
    if (m.size() > longestLine) {
        Winsock_Error(w, 0, "a chat line or notice over 4096 bytes");
        return;
    }
    appendToLog(w, printable(m));
    soundSubs::playSound(w, soundSubs::im);
}

void checkVersion(Window& w, const std::string& m) {
    if (m == tagText(Tag::gameVersion)) {
        openDuel(w);
        w.online.optPlayer1.enabled = true;
        w.online.optPlayer2.enabled = true;
        w.online.btnSet.enabled = true;
        sendMessage(w, tagText(Tag::connected));
        return;
    }
    logLine(w, "] Game versions are incompatible. Disconnected.>");
    sendMessage(w, tagText(Tag::wrongVersion));
}

void showOwnLists(Side& s) {
    s.lstDeck.visible = true;
    s.lstHand.visible = true;
}

// This window plays player 1: it opens its deck first and its turn timer runs.
void becomePlayer1(Window& w) {
    showOwnLists(w.u1);
    w.u1.btnOpen.enabled = true;
    w.timers.tmrTurnLimit.setOn(true);
}

// Player 2's window waits for player 1's first turn to end; player 1's waits for nothing yet.
void awaitFirstTurn(Window& w, bool player1) {
    w.incoming = player1 ? Window::Incoming::none : Window::Incoming::due;
}

void fixSides(Window& w, bool player1) {
    awaitFirstTurn(w, player1);
    OnlinePanel& o = w.online;
    o.optPlayer1.checked = player1;
    o.optPlayer2.checked = !player1;
    o.optPlayer1.enabled = false;
    o.optPlayer2.enabled = false;
}

void answerRestart(Window& w) {
    if (w.ports.prompter->ask(MessageId::restartQuestion)) {
        newGameResetOnline(w);
        sendMessage(w, tagText(Tag::restart));
        logLine(w, "] New game started.>");
    } else {
        sendMessage(w, refusedNotice);
        logLine(w, "] You refused to start a new game.>");
    }
}

// A tag of no known name changes nothing.
void handleTag(Window& w, const std::string& m) {
    const std::optional<Tag> tag = tagOf(m);
    if (!tag) return;
    switch (*tag) {
    case Tag::gameVersion:
        checkVersion(w, m);
        break;
    case Tag::whatGameVersion:
        sendMessage(w, tagText(Tag::gameVersion));
        break;
    case Tag::connected:
        openDuel(w);
        break;
    case Tag::wrongVersion:
        logLine(w, "] Game versions incompatible. Disconnected.>");
        w.ports.socket->close();
        break;
    case Tag::synch:
        synchReceived(w);
        break;
    case Tag::set1:
        fixSides(w, false);
        showOwnLists(w.u2);
        break;
    case Tag::set2:
        fixSides(w, true);
        becomePlayer1(w);
        break;
    case Tag::restartRequest:
        answerRestart(w);
        break;
    case Tag::restart:
        newGameResetOnline(w);
        break;
    }
}

} // namespace

void Winsock_DataArrival(Window& w, const std::string& m) {
    if (meetingMessage(w, m)) return;
    if (!m.empty() && m[0] == '^') {
        showLine(w, m);
    } else if (!m.empty() && m[0] == '<') {
        if (m.size() > 1 && m[1] == '/') {
            handleTag(w, m);
        } else {
            showLine(w, m);
            noticeReceived(w, m);
        }
    } else {
        receivePart(w, m);
    }
    completeUpdate(w);
}

void btnSet_Click(Window& w) {
    OnlinePanel& o = w.online;
    if (!o.btnSet.enabled) return;
    if (!o.optPlayer1.checked && !o.optPlayer2.checked) {
        w.ports.prompter->show(MessageId::noSide);
        return;
    }
    if (o.optPlayer1.checked) {
        showOwnLists(w.u1);
        w.u1.btnOpen.enabled = true;
        sendMessage(w, tagText(Tag::set1));
        w.timers.tmrTurnLimit.setOn(true);
    } else {
        showOwnLists(w.u2);
        sendMessage(w, tagText(Tag::set2));
    }
    awaitFirstTurn(w, o.optPlayer1.checked);
    o.optPlayer1.enabled = false;
    o.optPlayer2.enabled = false;
    o.btnSet.enabled = false;
}

void txtMsg_KeyPress(Window& w, int keyAscii) {
    OnlinePanel& o = w.online;
    if (keyAscii != enterKey || !o.txtMsg.enabled) return;
    const std::string line =
        "^[" + w.ports.clock->timeOfDay() + "] " + o.txtPlayer.text + ">-> " + o.txtMsg.text;
    appendToLog(w, line);
    o.txtMsg.text.clear();
    sendMessage(w, line);
}

} // namespace grim::onlineSubs
