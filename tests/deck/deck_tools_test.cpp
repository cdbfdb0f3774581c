#include "deck/deck_tools.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::deckSubs;

namespace {
// The codes of the rows of a list in the order shown.
std::string shownCodes(const ListBox& list, CatalogueOrder order, std::size_t first) {
    std::string out;
    for (int row : shownOrder(list, order))
        if (out.size() < first * 4) out += list.item(row).substr(1, 3) + " ";
    return out;
}
} // namespace

TEST(DeckTools, TheFilterPassesByNameCodeLevelAndType) {
    constexpr int any = CatalogueFilter::anyLevel, special = CatalogueFilter::specialCards;
    const std::tuple<CatalogueFilter, std::string, bool> cases[] = {
        {{"", any, ""}, "[105] CLOWN", true},
        {{"clo", any, ""}, "[105] CLOWN", true},
        {{"105", any, ""}, "[105] CLOWN", true},
        {{"[2", any, ""}, "[210] GOD KILLER", true},
        {{"", 1, ""}, "[119] GHOST", true},
        {{"", 6, ""}, "[165] OMEGA", true},
        {{"", special, ""}, "[210] GOD KILLER", true},
        {{"", any, "DEAD"}, "[116] ZOMBIE", true},
        {{"", any, "DEAD"}, "[105] CLOWN", false},
        {{"zo", 1, "DEAD"}, "[116] ZOMBIE", true},
        {{"zo", 1, "DEAD"}, "[118] SKELETON", false},
        {{"", any, ""}, "[999] ODD", true},
        {{"odd", any, ""}, "[999] ODD", false}, // stray: unfiltered only
    };
    for (const auto& [filter, line, passed] : cases)
        EXPECT_EQ(passes(filter, line), passed) << filter.text << "/" << filter.level << "/" << line;
    const auto types = catalogueTypes();
    EXPECT_EQ(types.size(), 17u);
    EXPECT_EQ(types.front() + " " + types.back(), "AQUA [R] INSECT"); // each once, in order of the texts
}

TEST(DeckTools, TheOrdersShown) {
    TestWindow t;
    ListBox& reg = t.w.deck.lstRegCards;
    EXPECT_EQ(shownCodes(reg, CatalogueOrder::code, 3), "100 101 102 ");
    EXPECT_EQ(shownCodes(reg, CatalogueOrder::power, 3), "165 160 161 ");
    EXPECT_EQ(shownCodes(reg, CatalogueOrder::level, 66).substr(19 * 4, 8), "119 120 "); // level 1, then 2
    reg.setItems({entry(105), entry(101), "[999] ODD", entry(120), entry(100)});
    EXPECT_EQ(shownCodes(reg, CatalogueOrder::name, 5), "105 101 100 120 999 "); // ties by code, strays last
    t.w.deck.lstSpcCards.setItems({entry(210), entry(105)});
    EXPECT_EQ(shownCodes(t.w.deck.lstSpcCards, CatalogueOrder::level, 2), "105 210 ");
}

TEST(DeckTools, TheSummaryCountsWhatTheDeckHolds) {
    ListBox deck;
    EXPECT_EQ(summaryText(summarize(deck)), "0 cards: 0 regular, 0 special. Levels 1:0 2:0 3:0 4:0 5:0 6:0.");
    deck.setItems({entry(105), entry(116), entry(120), entry(165), entry(210), "[999] ODD", entry(117)});
    const DeckSummary s = summarize(deck);
    EXPECT_EQ(s.levels, (std::array<int, 7>{0, 3, 1, 0, 0, 0, 1}));
    EXPECT_EQ(summaryText(s), "7 cards: 5 regular, 1 special, 1 unknown. Levels 1:3 2:1 3:0 4:0 5:0 6:1. "
                              "DEAD 2, FOREST 1, GOD 1, HUMAN 1. Average power 210, cost 1.0L 1.2C.");
}
