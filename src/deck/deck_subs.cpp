#include "deck/deck_subs.h"

#include "board/numbers.h"
#include "cards/catalogue.h"
#include "deck/deck_file.h"

#include <algorithm>

namespace grim::deckSubs {

namespace {

void showEntryInfo(Window& w, const std::string& entry) {
    if (const auto code = cardSubs::cardCode(entry)) showCardInfo(w, *code);
}

} // namespace

int findEntry(const ListBox& list, const std::string& entry) {
    const auto it = std::find(list.items().begin(), list.items().end(), entry);
    return it == list.items().end() ? ListBox::none : static_cast<int>(it - list.items().begin());
}

void showCardInfo(Window& w, int code) {
    if (const CardInfo* card = cardSubs::record(code)) w.deck.txtDesc.text = cardSubs::recordText(*card);
}

void selectEntry(Window& w, ListBox& list, int i) {
    list.select(i);
    if (list.hasSelection()) showEntryInfo(w, list.selectedText());
}

void refreshCounts(Window& w) {
    auto& d = w.deck;
    writeNumber(d.txtDeckCount, d.lstDeck.count());
    writeNumber(d.txtRegCnt, d.lstRegCards.count());
    writeNumber(d.txtSpcCnt, d.lstSpcCards.count());
}

void addToDeck(Window& w, ListBox& list) {
    auto& d = w.deck;
    if (!list.hasSelection()) {
        w.ports.prompter->show(MessageId::noCardToAdd);
        return;
    }
    if (d.lstDeck.count() >= deckFile::maxEntries) {
        w.ports.prompter->show(MessageId::deckFull);
        return;
    }
    const int p = list.selected() - 1;
    d.lstDeck.add(list.selectedText());
    list.remove(list.selected());
    refreshCounts(w);
    selectEntry(w, list, p >= 0 ? p : 0);
}

void removeFromDeck(Window& w) {
    auto& deck = w.deck.lstDeck;
    if (!deck.hasSelection()) {
        w.ports.prompter->show(MessageId::noCardToRemove);
        return;
    }
    const int p = deck.selected() - 1;
    returnCardToCatalogue(w, cardSubs::cardCode(deck.selectedText()), deck);
    deck.remove(deck.selected());
    refreshCounts(w);
    selectEntry(w, deck, p >= 0 ? p : 0);
}

void returnCardToCatalogue(Window& w, std::optional<int> code, const ListBox& list) {
    if (!code) return;
    const std::string entry = list.selectedText(); // a copy: the lists change below
    if (!cardSubs::isCatalogueEntry(entry)) return;
    auto& d = w.deck;
    if (!cardSubs::isSpecial(*code)) {
        if (findEntry(d.lstRegCards, entry) != ListBox::none) return;
        const auto& items = d.lstRegCards.items();
        const auto place = std::upper_bound(items.begin(), items.end(), entry);
        d.lstRegCards.insert(static_cast<int>(place - items.begin()), entry);
    } else {
        if (findEntry(d.lstSpcCards, entry) != ListBox::none) return;
        d.lstSpcCards.add(entry);
    }
}

void closeDeck(Window& w, CloseMode mode) {
    auto& deck = w.deck.lstDeck;
    if (mode == CloseMode::asking) {
        if (deck.empty()) {
            w.ports.prompter->show(MessageId::noDeckToClose);
            return;
        }
        if (!w.ports.prompter->ask(MessageId::closeDeckQuestion))
            return;
    }
    while (!deck.empty()) {
        selectEntry(w, deck, 0);
        returnCardToCatalogue(w, cardSubs::cardCode(deck.selectedText()), deck);
        deck.remove(0);
    }
    if (mode == CloseMode::asking) refreshCounts(w);
}

} // namespace grim::deckSubs
