#include "board/messages.h"

#include <array>

namespace grim {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(MessageId::about) + 1> texts{
    /* player1Wins */ "Player 1 wins.",
    /* player2Wins */ "Player 2 wins.",
    /* gameDrawn */ "Game is a draw.",
    /* deckOutdated */ "Your deck is outdated. Current deck version is 16.",
    /* moreThan40 */ "You have more than 40 cards! The rest will not be loaded!",
    /* lessThan40 */ "You have less than 40 cards! To play a real game you need 40. Try again.",
    /* notACard */ {},
    /* deckUnreadable */ {},
    /* shuffleQuestion */ "Do you want to shuffle your deck?",
    /* noMoreCards */ "There are no more cards in DECK to add to HAND.",
    /* handFull */ "You can only have 5 cards in your hand.",
    /* q5NoCards */ "You don't have any cards in DECK to use Q5.",
    /* q5HandFull */ "You already have 5 cards in HAND.",
    /* q5NotEnough */ "Not enough cards in DECK to use Q5.",
    /* timeUp */ "3 minutes have passed. Your turn has automatically ended.",
    /* noCardToField */ "No card has been selected to send to an ATTACK slot.",
    /* fieldFull */ "Your ATTACK area is full. Action cancelled.",
    /* specialFieldQuestion */ "Adding a SPECIAL card to the FIELD will make its abilities useless & its power will only be 50.",
    /* noHandCardToSacrifice */ "No card in HAND selected for sacrifice. Sacrifice will not take place.",
    /* emptySlotToSacrifice */ "There is no card to sacrifice in this slot. Sacrifice will not take place.",
    /* sacrificeQuestion */ "Do you want to sacrifice this card?",
    /* masterNeedsFullField */ "You must have 5 cards on the FIELD to use MASTER.",
    /* lifeCost */ "The LP cost of this card would reduce your LP to zero. Action cancelled.",
    /* sacrificedCost */ "You don't have enough cards SACRIFICED.",
    /* selectBothSlots */ "You need to select both slot #s.",
    /* attackFromEmptySlot */ "You can't ATTACK from an empty slot.",
    /* attackEmptySlot */ "You can't ATTACK an empty slot.",
    /* directNeedsAttacker */ "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS.",
    /* directNeedsEmptyField */ "A DIRECT attack to opponent's LIFEPOINTS can only be done when opponent has no cards on FIELD.",
    /* noSpecialSelected */ "No HAND card selected to activate special ability.",
    /* notASpecial */ "Selected card is not a SPECIAL card.",
    /* noSlotOwn */ "No # selected for SLOT A. This # is your card.",
    /* noSlotOpponent */ "No # selected for SLOT A. This # is opponent's card.",
    /* noSlotOpponentTwoStops */ "No # selected for SLOT A. This # is opponent's card..",
    /* slotEmpty */ "Selected slot is empty.",
    /* slotEmptyCancelled */ "Selected slot is empty. Action cancelled.",
    /* nothingToIncrease */ "There is no card to increase in power in selected slot. Action cancelled.",
    /* nothingToReduce */ "There is no card to reduce in power in selected slot. Action cancelled.",
    /* notDead */ "This card isn't a DEAD type.",
    /* opponentFieldEmpty */ "Opponent has no cards on the FIELD.",
    /* noOmega */ "OMEGA is not in opponent's FIELD.",
    /* opponentFieldStrong */ "Opponent's FIELD cards are greater than 100.",
    /* fieldEmpty */ "There are no cards in the FIELD.",
    /* fieldCardsSpared */ "Opponent's FIELD cards were spared",
    /* needOwnGrave */ "You must have at least 1 card in GRAVEYARD.",
    /* needOwnGraveCancelled */ "You must have at least 1 card in GRAVEYARD. Action cancelled.",
    /* needOpponentGrave */ "Opponent must have at least 1 card in GRAVEYARD.",
    /* needOpponentGraveCancelled */ "Opponent must have at least 1 card in GRAVEYARD. Action cancelled.",
    /* noOpponentGravePick */ "No card has been selected in opponent's GRAVEYARD.",
    /* noGravePick */ "No card has been selected in GRAVEYARD. Action cancelled.",
    /* noOpponentHand */ "There are no cards in opponent's HAND. Action cancelled.",
    /* cardsSpared */ "Opponent's cards were spared.",
    /* noHandToExchange */ "Opponent must have at least 1 card in HAND to exchange. Action cancelled.",
    /* handsDiffer */ "You don't have the same # of cards in your HAND to exchange with opponent. Action cancelled.",
    /* fieldFirst */ "Card cannot be used until you put a card in the FIELD.",
    /* needSacrificed */ "You must have at least 1 card sacrificed to use this card.",
    /* sacrificeLimitFirst */ "Use this card after reaching your sacrifice limit.",
    /* noCardToAdd */ "There is no card selected to add to deck.",
    /* deckFull */ "You cannot have more than 40 cards!",
    /* noCardToRemove */ "There is no card selected to remove.",
    /* noDeckToClose */ "There are no cards in deck to close.",
    /* closeDeckQuestion */ "This will close your current deck without saving any changes!",
    /* noItemToTop */ "No item selected in DECK to move to top.",
    /* noItemToBottom */ "No item selected in DECK to move to bottom.",
    /* noDeckToSave */ "There are no cards in your deck to save.",
    /* deckSaved */ "Your deck was saved.",
    /* saveFailed */ {},
    /* openClosesDeck */ "Opening a deck file will close the current deck loaded without saving any changes. Clicking cancel in next window will abort this.",
    /* editorMoreThan40 */ "You have more than 40 cards! The rest will not be loaded.",
    /* unsavedDeckQuestion */ "Your deck has changes that were not saved. Close the game anyway?",
    /* runningGameQuestion */ "A game is in progress. Close the game anyway?",
    /* deckAndGameQuestion */ "Your deck has changes that were not saved, and a game is in progress. Close the game anyway?",
    /* noName */ "You must type a name to identify yourself online.",
    /* noPort */ "You must type a port # to connect to.",
    /* noIp */ "You must type an IP # to connect to.",
    /* badPort */ "The port # must be a whole number from 1 to 65535.",
    /* cannotListen */ {},
    /* badServer */ "You must type the meeting server as address:port, for example 192.0.2.7:33222.",
    /* badRoomName */ "A room name is 1 to 32 letters (A-Z), digits (0-9) or hyphens (-).",
    /* meetingEnded */ {},
    /* disconnectQuestion */ "Are you sure you want to disconnect? You will have to wait 3 minutes to play online again.",
    /* hangUp */ "Other player disconnected. Start a new game and please wait 3 minutes before rejoining/reconnecting.",
    /* connectionError */ "The online connection has encountered an error. I don't know why. Start a new game and please wait 3 minutes before rejoining/reconnecting",
    /* noSide */ "You need to select which player you want to be.",
    /* restartSent */ "A message to start a new game has been sent to other player. \r\nIf other player agrees, the game will restart.",
    /* restartQuestion */ "Other player wishes to start a new game.",
    /* newGameQuestion */ "Start a new game?",
    /* about */ {},
};

} // namespace

const std::string& messageString(MessageId id) {
    static const auto strings = [] {
        std::array<std::string, texts.size() + 1> all; // the last: the text of an id out of range
        for (std::size_t i = 0; i < texts.size(); ++i)
            all[i] = std::string(texts[i]);
        return all;
    }();
    const auto i = static_cast<std::size_t>(id);
    return strings[i < texts.size() ? i : texts.size()];
}

std::string_view messageText(MessageId id) { return messageString(id); }

bool isChanceReport(MessageId id) {
    return id == MessageId::cardsSpared || id == MessageId::fieldCardsSpared;
}

bool isResult(MessageId id) {
    return id == MessageId::player1Wins || id == MessageId::player2Wins || id == MessageId::gameDrawn;
}

} // namespace grim
