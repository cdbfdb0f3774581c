#include "board/status_line.h"

#include "board/messages.h"
#include "board/turn_state.h"

#include <algorithm>

namespace grim {

using gameSubs::GameOverResult;

namespace {

GameOverResult resultOf(const Window& w) {
    const bool lost1 = w.u1.txtLp.value <= 0, lost2 = w.u2.txtLp.value <= 0;
    if (lost1 && lost2) return GameOverResult::draw;
    if (lost1) return GameOverResult::player2;
    if (lost2) return GameOverResult::player1;
    return GameOverResult::notOver;
}

const char* playerText(SideId side) {
    return side == SideId::u1 ? "player 1" : "player 2";
}

} // namespace

int turnSecondsLeft(const Window& w, std::int64_t msRunning) {
    const int minutesLeft = std::clamp(turnMinutes - w.timePassed, 0, turnMinutes);
    // The part of the current minute gone by; a tick late by a moment never shows a minute too few.
    const std::int64_t intoMinute = std::clamp<std::int64_t>(msRunning / 1000 - 60LL * w.timePassed, 0, 59);
    return std::max(0, minutesLeft * 60 - static_cast<int>(intoMinute));
}

Status statusOf(const Window& w, std::int64_t msRunning) {
    Status s;
    const PlayMode mode = playMode(w);
    if (w.timers.tmrTurnLimit.on()) {
        s.secondsLeft = turnSecondsLeft(w, msRunning);
        s.urgent = *s.secondsLeft <= urgentSeconds;
    }
    if (mode == PlayMode::none) return s;
    if (resultOf(w) != GameOverResult::notOver && !sideToMove(w)) {
        s.state = Status::State::gameOver;
        s.result = resultOf(w);
        return s;
    }
    if (const auto side = sideToMove(w)) {
        s.state = Status::State::turn;
        s.side = *side;
        if (mode == PlayMode::computer)
            s.seat = *side == SideId::u2 ? Status::Seat::computer : Status::Seat::you;
        if (mode == PlayMode::online) s.seat = Status::Seat::you;
        return s;
    }
    if (mode != PlayMode::online) {
        s.state = Status::State::nobody;
        return s;
    }
    if (!connected(w)) {
        s.state = Status::State::notConnected;
        return s;
    }
    const SideId own = w.online.optPlayer1.checked ? SideId::u1 : SideId::u2;
    if (w.timers.tmrUpdate.on()) {
        s.state = Status::State::sending;
        s.part = w.partsSent;
        return s;
    }
    if (w.incoming == Window::Incoming::arriving) {
        s.state = Status::State::receiving;
        s.part = w.partsReceived;
    } else if (w.incoming == Window::Incoming::due) {
        s.state = Status::State::waiting;
    } else {
        s.state = Status::State::nobody;
        return s;
    }
    if (s.state == Status::State::waiting) s.side = other(own);
    return s;
}

std::string clockText(int seconds) {
    const int sec = seconds % 60;
    return std::to_string(seconds / 60) + (sec < 10 ? ":0" : ":") + std::to_string(sec);
}

std::string statusText(const Status& s) {
    using State = Status::State;
    std::string text;
    const std::string other = s.side ? std::string(" (") + playerText(*s.side) + ")" : std::string();
    switch (s.state) {
    case State::noGame:
        text = "No game. Choose OFFLINE, ONLINE or VS COMPUTER in the OPTIONS menu.";
        break;
    case State::notConnected:
        text = "Online: not connected.";
        break;
    case State::turn:
        text = std::string("Turn: ") + playerText(*s.side);
        if (s.seat == Status::Seat::you) text += " (you)";
        if (s.seat == Status::Seat::computer) text += " (the computer)";
        break;
    case State::waiting:
        text = "Turn: the other window" + other + ". Waiting for its board.";
        break;
    case State::receiving:
        text = "Turn: nobody. Receiving the board: part " + std::to_string(s.part) + " of 8.";
        break;
    case State::sending:
        text = "Turn: nobody. Sending the board: part " + std::to_string(s.part) + " of 8.";
        break;
    case State::nobody:
        text = "Turn: nobody.";
        break;
    case State::gameOver: {
        const MessageId id = s.result == GameOverResult::player1   ? MessageId::player1Wins
                             : s.result == GameOverResult::player2 ? MessageId::player2Wins
                                                                   : MessageId::gameDrawn;
        text = "Game over: " + std::string(messageText(id));
        break;
    }
    }
    if (s.secondsLeft) text += "   Time left " + clockText(*s.secondsLeft);
    return text;
}

} // namespace grim
