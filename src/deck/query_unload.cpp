#include "deck/query_unload.h"

#include "board/turn_state.h"

namespace grim {

bool unsavedDeckChanges(const DeckEditor& d) {
    return !d.lstDeck.empty() && d.lstDeck.items() != d.savedDeck;
}

bool formQueryUnload(Window& w) {
    const bool deck = unsavedDeckChanges(w.deck);
    const bool game = gameRunning(w);
    if (!deck && !game) return true;
    return w.ports.prompter->ask(deck && game ? MessageId::deckAndGameQuestion
                                 : deck       ? MessageId::unsavedDeckQuestion
                                              : MessageId::runningGameQuestion,
                                 true);
}

} // namespace grim
