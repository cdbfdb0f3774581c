#include "deck/deck_handlers.h"

#include "deck/deck_file.h"
#include "deck/deck_subs.h"

namespace grim::deckSubs {

namespace {

void showSelected(Window& w, ListBox& list) {
    selectEntry(w, list, list.selected());
}

// Takes deck entry i out and puts it back at index to (count() appends).
void moveDeckEntry(Window& w, int i, int to) {
    auto& deck = w.deck.lstDeck;
    std::string entry = deck.item(i);
    deck.remove(i);
    deck.insert(to, std::move(entry));
}

// TOP and BOTTOM: the selection lands on the entry that stood above the moved one or,
// when the first entry was moved, on the new first entry.
void moveToEnd(Window& w, bool top, MessageId refusal) {
    auto& deck = w.deck.lstDeck;
    if (!deck.hasSelection()) {
        w.ports.prompter->show(refusal);
        return;
    }
    const int p = deck.selected() - 1;
    moveDeckEntry(w, deck.selected(), top ? 0 : deck.count() - 1);
    selectEntry(w, deck, p >= 0 ? p : 0);
}

} // namespace

void lstRegCards_Click(Window& w) {
    showSelected(w, w.deck.lstRegCards);
}
void lstSpcCards_Click(Window& w) {
    showSelected(w, w.deck.lstSpcCards);
}
void lstDeck_Click(Window& w) {
    showSelected(w, w.deck.lstDeck);
}

void lstRegCards_DblClick(Window& w) {
    addToDeck(w, w.deck.lstRegCards);
}

void lstSpcCards_DblClick(Window& w) {
    addToDeck(w, w.deck.lstSpcCards);
}

void lstDeck_DblClick(Window& w) {
    removeFromDeck(w);
}

void btnUp_Click(Window& w) {
    auto& deck = w.deck.lstDeck;
    const int i = deck.selected();
    if (i <= 0) return;
    moveDeckEntry(w, i, i - 1);
    selectEntry(w, deck, i - 1);
}

void btnDown_Click(Window& w) {
    auto& deck = w.deck.lstDeck;
    const int i = deck.selected();
    if (i == ListBox::none || i == deck.count() - 1) return;
    moveDeckEntry(w, i, i + 1);
    selectEntry(w, deck, i + 1);
}

void btnTop_Click(Window& w) {
    moveToEnd(w, true, MessageId::noItemToTop);
}
void txtBottom_Click(Window& w) {
    moveToEnd(w, false, MessageId::noItemToBottom);
}

void btnClose_Click(Window& w) {
    closeDeck(w, CloseMode::asking);
}

void btnSave_Click(Window& w) {
    auto& d = w.deck;
    if (d.lstDeck.empty()) {
        w.ports.prompter->show(MessageId::noDeckToSave);
        return;
    }
    const auto path = w.ports.prompter->saveFile(deckFile::filter);
    if (!path) return;
    if (!deckFile::write(*path, d.lstDeck.items())) {
        w.ports.prompter->message(MessageId::saveFailed, deckFile::saveFailedMessage(*path));
        return;
    }
    d.savedDeck = d.lstDeck.items();
    w.ports.prompter->show(MessageId::deckSaved);
    selectEntry(w, d.lstRegCards, 0);
}

void btnOpen_Click(Window& w) {
    auto& d = w.deck;
    w.ports.prompter->show(MessageId::openClosesDeck);
    const auto path = w.ports.prompter->openFile(deckFile::filter);
    if (!path) return;
    closeDeck(w, CloseMode::silent);

    deckFile::Contents file = deckFile::read(*path);
    if (file.status != deckFile::Contents::Status::ok) {
        if (file.status == deckFile::Contents::Status::outdated)
            w.ports.prompter->show(MessageId::deckOutdated);
        else
            w.ports.prompter->message(MessageId::deckUnreadable, deckFile::unreadableMessage(*path));
        d.savedDeck.clear();
        refreshCounts(w);
        return;
    }
    for (auto& entry : file.entries)
        d.lstDeck.add(std::move(entry));
    if (file.moreThan40)
        w.ports.prompter->show(MessageId::editorMoreThan40);
    if (!d.lstDeck.empty()) selectEntry(w, d.lstDeck, 0);
    for (const auto& entry : d.lstDeck.items())
        for (ListBox* list : {&d.lstRegCards, &d.lstSpcCards})
            list->remove(findEntry(*list, entry));
    d.savedDeck = d.lstDeck.items();
    refreshCounts(w);
}

} // namespace grim::deckSubs
