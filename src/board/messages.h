// Every message the program shows in a box, as an id, and the one table of their texts.
// The rules show and recognise messages by id; the text is made only where it leaves the
// core, for the box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace grim {

enum class MessageId : std::uint8_t {
    player1Wins,
    player2Wins,
    gameDrawn,
    deckOutdated,
    moreThan40,
    lessThan40,
    notACard, // composed with its details where it is shown
    deckUnreadable, // composed with its details where it is shown
    shuffleQuestion,
    noMoreCards,
    handFull,
    q5NoCards,
    q5HandFull,
    q5NotEnough,
    timeUp,
    noCardToField,
    fieldFull,
    specialFieldQuestion,
    noHandCardToSacrifice,
    emptySlotToSacrifice,
    sacrificeQuestion,
    masterNeedsFullField,
    lifeCost,
    sacrificedCost,
    selectBothSlots,
    attackFromEmptySlot,
    attackEmptySlot,
    directNeedsAttacker,
    directNeedsEmptyField,
    noSpecialSelected,
    notASpecial,
    noSlotOwn,
    noSlotOpponent,
    noSlotOpponentTwoStops,
    slotEmpty,
    slotEmptyCancelled,
    nothingToIncrease,
    nothingToReduce,
    notDead,
    opponentFieldEmpty,
    noOmega,
    opponentFieldStrong,
    fieldEmpty,
    fieldCardsSpared,
    needOwnGrave,
    needOwnGraveCancelled,
    needOpponentGrave,
    needOpponentGraveCancelled,
    noOpponentGravePick,
    noGravePick,
    noOpponentHand,
    cardsSpared,
    noHandToExchange,
    handsDiffer,
    fieldFirst,
    needSacrificed,
    sacrificeLimitFirst,
    noCardToAdd,
    deckFull,
    noCardToRemove,
    noDeckToClose,
    closeDeckQuestion,
    noItemToTop,
    noItemToBottom,
    noDeckToSave,
    deckSaved,
    saveFailed, // composed with its details where it is shown
    openClosesDeck,
    editorMoreThan40,
    unsavedDeckQuestion,
    runningGameQuestion,
    deckAndGameQuestion,
    noName,
    noPort,
    noIp,
    badPort,
    cannotListen, // composed with its details where it is shown
    badServer,
    badRoomName,
    meetingEnded, // composed with its details where it is shown
    disconnectQuestion,
    hangUp,
    connectionError,
    noSide,
    restartSent,
    restartQuestion,
    newGameQuestion,
    about, // composed with its details where it is shown
};

// The exact text of a message; empty for one composed with its details where it is shown.
std::string_view messageText(MessageId id);
// The same text, made once for the run: shown without building it again.
const std::string& messageString(MessageId id);

// The messages a move may show without being refused: a chance that failed, or the end of
// the game.
bool isChanceReport(MessageId id);
bool isResult(MessageId id);

} // namespace grim
