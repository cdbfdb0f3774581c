// What helps build a deck on the DECK tab, beside the editor's own operations: the search
// and filters that hide rows of the two catalogue lists, the order those lists are shown
// in, and what the deck holds. None of this changes a list: the filter and the order are
// only how the rows are shown, so adding, removing and moving cards work as without them.
#pragma once

#include "board/controls.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace grim::deckSubs {

// The catalogue rows to show.
struct CatalogueFilter {
    std::string text;     // part of the name or the code, any case; empty: every card
    int level = anyLevel; // 1 to 6, specialCards, or anyLevel
    std::string type;     // a type or category exactly; empty: every type
    static constexpr int anyLevel = -1;
    static constexpr int specialCards = 0;
};

// Whether a catalogue list's row (a card entry) passes the filter. A row that is no catalogue
// entry passes only an empty filter.
bool passes(const CatalogueFilter& filter, std::string_view entry);

// The types of regular cards and the categories of special cards, each once, in order of name.
std::vector<std::string> catalogueTypes();

// The orders the catalogue lists can be shown in.
enum class CatalogueOrder : std::uint8_t { code, name, level, power };

// The list's rows in the order shown: element k is the index of the item shown k-th. By code
// (the list's own order), by name, by level (special cards last), or strongest first; ties
// keep the list's own order.
std::vector<int> shownOrder(const ListBox& list, CatalogueOrder order);

// What a deck holds.
struct DeckSummary {
    int count = 0, regular = 0, special = 0, other = 0; // other: lines that are no catalogue card
    std::array<int, 7> levels{};                        // regular cards per level 1 to 6 (index 0 unused)
    std::vector<std::pair<std::string, int>> types;     // per type of regular card, in order of name
    double averagePower = 0, averageLife = 0, averageSacrificed = 0; // of the regular cards
    friend bool operator==(const DeckSummary&, const DeckSummary&) = default;
};

DeckSummary summarize(const ListBox& deck);

// The summary in one line:
// "40 cards: 32 regular, 8 special. Levels 1:12 2:9 3:6 4:3 5:2 6:0. FOREST 8, HUMAN 6.
// Average power 172, cost 0.4L 0.9C."
std::string summaryText(const DeckSummary& s);

} // namespace grim::deckSubs
