#include "rules/turn_flow.h"

#include "board/game_subs.h"
#include "board/numbers.h"
#include "board/message_log.h"
#include "board/turn_state.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"
#include "online/hand_over.h"
#include "rules/shuffle.h"

#include <algorithm>

namespace grim::gameSubs {

namespace {


constexpr std::size_t shownLineLength = 60;

// Moves the top card of the deck to the end of the hand.
void moveTopCard(CardList& deck, CardList& hand) {
    hand.add(deck.item(0));
    deck.remove(0);
}

// Drawing is refused, with its message, from an empty deck and into a full hand; drawing
// then ends for the turn.
bool refuseDrawing(Window& w, Switch& btnQ5, Switch& btnAdd, const CardList& deck, const CardList& hand,
                   MessageId emptyDeckMessage, MessageId fullHandMessage) {
    if (!deck.empty() && hand.count() < handLimit) return false;
    w.ports.prompter->show(deck.empty() ? emptyDeckMessage : fullHandMessage);
    disableDrawing(btnQ5, btnAdd);
    return true;
}

} // namespace

std::string notACardMessage(int lineNumber, std::string_view line) {
    // The line comes from a file: show it printable and of a size that fits a message box.
    std::string shown;
    for (char c : line.substr(0, shownLineLength))
        shown += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? '?' : c;
    if (line.size() > shownLineLength) shown += "...";
    return "Line " + std::to_string(lineNumber) + " of your deck file is not a card of the game: \"" + shown +
           "\". The deck will not be loaded!";
}

void openDeckForPlay(Window& w, CardList& deck, Switch& btnOpen, Counter& deckCnt, SideId side) {
    Prompter& prompter = *w.ports.prompter;
    const auto path = prompter.openFile(deckFile::filter);
    if (!path) return;

    const deckFile::Contents file = deckFile::read(*path);
    if (file.status == deckFile::Contents::Status::unreadable) {
        prompter.message(MessageId::deckUnreadable, deckFile::unreadableMessage(*path));
        return;
    }
    if (file.status == deckFile::Contents::Status::outdated) {
        prompter.show(MessageId::deckOutdated);
        return;
    }
    std::vector<CardId> cards;
    cards.reserve(file.entries.size());
    for (std::size_t i = 0; i < file.entries.size(); ++i) {
        // Only the exact catalogue entry of a card may be played: "[105] CLOWN", nothing else.
        const auto card = cardOfEntry(file.entries[i]);
        if (!card) {
            prompter.message(MessageId::notACard, notACardMessage(static_cast<int>(i) + 2, file.entries[i]));
            return;
        }
        cards.push_back(*card);
    }
    if (file.moreThan40) prompter.show(MessageId::moreThan40);
    if (static_cast<int>(file.entries.size()) < deckFile::maxEntries) {
        prompter.show(MessageId::lessThan40);
        return;
    }

    for (const CardId card : cards)
        deck.add(card);
    btnOpen.enabled = false;
    writeNumber(deckCnt, deck.count());

    if (prompter.ask(MessageId::shuffleQuestion, true)) {
        shuffle(w, deck);
        shuffle(w, deck);
    }

    const bool player1 = side == SideId::u1;
    Side& s = w.side(side);
    if (oneMachine(w)) {
        if (player1) {
            s.btnQ5.enabled = true;
            s.btnAdd.enabled = true;
        } else {
            enableSide(w, side);
        }
        w.timers.tmrTurnLimit.setOn(true);
    } else {
        s.btnQ5.enabled = true;
        s.btnAdd.enabled = true;
    }
    if (player1) firstMove(w);
}

void firstMove(Window& w) {
    w.blnFirstMove = true;
    Side& s = w.u1;
    for (Switch* b : {&s.btnQ5, &s.btnAdd, &s.btnSacri, &s.btnField, &s.btnSpecial, &s.btnEnd})
        b->enabled = true;
}

void draw(Window& w, Switch& btnQ5, Switch& btnAdd, CardList& deck, CardList& hand, Counter& deckCnt,
          Counter& handCnt) {
    if (refuseDrawing(w, btnQ5, btnAdd, deck, hand, MessageId::noMoreCards, MessageId::handFull)) return;
    moveTopCard(deck, hand);
    writeNumber(deckCnt, deck.count());
    writeNumber(handCnt, hand.count());
    if (hand.count() >= handLimit) disableDrawing(btnQ5, btnAdd);
}

void q5(Window& w, Switch& btnQ5, Switch& btnAdd, CardList& deck, CardList& hand, Counter& deckCnt,
        Counter& handCnt) {
    if (refuseDrawing(w, btnQ5, btnAdd, deck, hand, MessageId::q5NoCards, MessageId::q5HandFull)) return;
    const int n = handLimit - hand.count();
    if (n > deck.count()) {
        w.ports.prompter->show(MessageId::q5NotEnough);
        btnQ5.enabled = false; // drawing one card at a time stays possible
        return;
    }
    for (int i = 0; i < n; ++i)
        moveTopCard(deck, hand);
    disableDrawing(btnQ5, btnAdd);
    writeNumber(deckCnt, deck.count());
    writeNumber(handCnt, hand.count());
}

void endTurn(Window& w, SideId side) {
    w.timers.tmrTurnLimit.setOn(false);
    w.txtMins.text = minutesText(turnMinutes);
    w.timePassed = 0;
    const GameOverResult result = gameOverCheck(w);
    disableSide(w, side);

    if (connected(w)) {
        // The other window gives its player the turn when the whole board has arrived.
        onlineSubs::handOver(w, side);
        return;
    }
    if (result != GameOverResult::notOver) return;
    if (side == SideId::u1 && w.blnFirstMove) {
        // Player 2 opens a deck now, which starts player 2's turn.
        w.u2.btnOpen.enabled = true;
        w.blnFirstMove = false;
        return;
    }
    enableSide(w, other(side));
    w.timers.tmrTurnLimit.setOn(true);
}

void turnTimerTick(Window& w) {
    w.timePassed = saturate(w.timePassed + 1);
    w.txtMins.text = minutesText(std::max(0, turnMinutes - w.timePassed));
    if (w.timePassed < turnMinutes) return;

    w.timers.tmrTurnLimit.setOn(false);
    w.ports.prompter->show(MessageId::timeUp);
    w.timePassed = 0;
    // A click on a disabled button does nothing, so only an enabled END ends a turn.
    if (w.u1.btnEnd.enabled) {
        endTurn(w, SideId::u1);
    } else if (w.u2.btnEnd.enabled) {
        endTurn(w, SideId::u2);
    } else {
        // No turn to end yet: player 1 of an online game has not opened its deck. Its turn
        // keeps a limit: the three minutes start again.
        w.txtMins.text = minutesText(turnMinutes);
        w.timers.tmrTurnLimit.setOn(true);
    }
    // This line ends with its line break instead of starting with one.
    w.txtChat.text += timedText(w, "] " + std::string(messageText(MessageId::timeUp)) + ">") + "\r\n";
}

} // namespace grim::gameSubs
