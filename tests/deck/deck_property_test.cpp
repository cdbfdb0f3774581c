// Thousands of seeded random editor actions, with the editor's invariants checked after
// every one of them.
#include "deck/deck_handlers.h"
#include "deck/deck_subs.h"

#include "cards/catalogue.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

using namespace grim;
using namespace grim::deckSubs;

namespace {

// Every catalogue card in exactly one list, and in the right one; the counters agree.
void checkInvariants(const DeckEditor& d) {
    ASSERT_EQ(d.txtDeckCount.text, std::to_string(d.lstDeck.count()));
    ASSERT_EQ(d.txtRegCnt.text, std::to_string(d.lstRegCards.count()));
    ASSERT_EQ(d.txtSpcCnt.text, std::to_string(d.lstSpcCards.count()));
    ASSERT_LE(d.lstDeck.count(), 40);
    ASSERT_TRUE(std::is_sorted(d.lstRegCards.items().begin(), d.lstRegCards.items().end()));
    std::map<std::string, int> seen;
    for (const ListBox* list : {&d.lstDeck, &d.lstRegCards, &d.lstSpcCards})
        for (const auto& e : list->items()) {
            ASSERT_EQ(++seen[e], 1) << e;
            const CardInfo* card = cardSubs::recordOf(e);
            ASSERT_TRUE(card && card->name == e) << e;
            const bool special = cardSubs::isSpecial(*cardSubs::cardCode(e));
            ASSERT_TRUE(list == &d.lstDeck || special == (list == &d.lstSpcCards)) << e;
        }
    ASSERT_EQ(seen.size(), 95u);
}

} // namespace

TEST(DeckEditorProperty, RandomActionsKeepTheListsWhole) {
    grim::test::TempFolder dir;
    const std::string path = dir.path("random.ucd");
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        grim::test::TestWindow t;
        auto& d = t.w.deck;
        SeededRandom r(seed);
        const auto pick = [&](int n) { return static_cast<int>(r.next() * n); };
        // How often, which list is clicked first (if any), and the handler. Adding is the
        // likeliest, so the deck often reaches its limit.
        const struct {
            int weight;
            ListBox* clicked;
            void (*handler)(Window&);
        } actions[] = {{5, &d.lstRegCards, lstRegCards_DblClick},
                       {3, &d.lstSpcCards, lstSpcCards_DblClick},
                       {3, &d.lstDeck, lstDeck_DblClick},
                       {1, nullptr, lstDeck_DblClick},
                       {1, &d.lstDeck, btnUp_Click},
                       {1, &d.lstDeck, btnDown_Click},
                       {1, &d.lstDeck, btnTop_Click},
                       {1, &d.lstDeck, txtBottom_Click},
                       {1, &d.lstDeck, lstDeck_Click},
                       {1, nullptr, btnClose_Click},
                       {2, nullptr, [](Window& w) { btnSave_Click(w), btnOpen_Click(w); }}};
        for (int step = 0; step < 1500 && !testing::Test::HasFatalFailure(); ++step) {
            int roll = pick(20), i = 0;
            while (roll >= actions[i].weight)
                roll -= actions[i++].weight;
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step));
            if (ListBox* list = actions[i].clicked) { // a click on an item, or beside them all
                const int at = pick(list->count() + 1);
                list->select(at < list->count() ? at : ListBox::none);
            }
            t.prompter.answers = {pick(16) == 0}; // CLOSE only now and then
            t.prompter.files = {path, pick(4) == 0 ? std::nullopt : std::optional<std::string>(path)};
            const auto before = d.lstDeck.items();
            actions[i].handler(t.w);
            checkInvariants(d);
            ASSERT_TRUE(i != 10 || before.empty() || d.lstDeck.items() == before); // saved, opened again
        }
        // The run reached the deck's limit and the refusals, not only the easy paths.
        const auto& shown = t.prompter.messages;
        for (const char* message : {"You cannot have more than 40 cards!", "Your deck was saved.",
                                    "No item selected in DECK to move to top."})
            EXPECT_GT(std::count(shown.begin(), shown.end(), message), 0) << seed << message;
    }
}
