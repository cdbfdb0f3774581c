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
using grim::test::TempFolder;
using grim::test::TestWindow;

namespace {

int pick(Random& r, int n) {
    return static_cast<int>(r.next() * n);
}

// Selects a random item of list, or nothing now and then, as the player's click would.
void clickSomewhere(Random& r, ListBox& list) {
    const int i = pick(r, list.count() + 1);
    list.select(i < list.count() ? i : ListBox::none);
}

void checkInvariants(const Window& w, int step, int action) {
    const auto& d = w.deck;
    SCOPED_TRACE("step " + std::to_string(step) + ", action " + std::to_string(action));
    ASSERT_EQ(d.txtDeckCount.text, std::to_string(d.lstDeck.count()));
    ASSERT_EQ(d.txtRegCnt.text, std::to_string(d.lstRegCards.count()));
    ASSERT_EQ(d.txtSpcCnt.text, std::to_string(d.lstSpcCards.count()));
    ASSERT_EQ(d.lstDeck.count() + d.lstRegCards.count() + d.lstSpcCards.count(), 95);
    ASSERT_LE(d.lstDeck.count(), 40);
    ASSERT_TRUE(std::is_sorted(d.lstRegCards.items().begin(), d.lstRegCards.items().end()));

    // Every catalogue card in exactly one list, and in the right one.
    std::map<std::string, int> seen;
    for (const auto& e : d.lstDeck.items())
        ++seen[e];
    for (const auto& e : d.lstRegCards.items()) {
        ++seen[e];
        ASSERT_FALSE(cardSubs::isSpecial(cardSubs::cardCode(e).value_or(0))) << e;
    }
    for (const auto& e : d.lstSpcCards.items()) {
        ++seen[e];
        ASSERT_TRUE(cardSubs::isSpecial(cardSubs::cardCode(e).value_or(0))) << e;
    }
    ASSERT_EQ(seen.size(), 95u);
    for (const auto& [e, n] : seen) {
        ASSERT_EQ(n, 1) << e;
        const CardInfo* card = cardSubs::recordOf(e);
        ASSERT_TRUE(card && card->name == e) << e;
    }
}

} // namespace

TEST(DeckEditorProperty, RandomActionsKeepTheListsWhole) {
    TempFolder dir;
    const std::string path = dir.path("random.ucd");
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        TestWindow t;
        Window& w = t.w;
        SeededRandom r(seed);
        auto& d = w.deck;
        for (int step = 0; step < 1500; ++step) {
            const int action = pick(r, 20);
            switch (action) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
                clickSomewhere(r, d.lstRegCards);
                lstRegCards_DblClick(w);
                break;
            case 5:
            case 6:
            case 7:
                clickSomewhere(r, d.lstSpcCards);
                lstSpcCards_DblClick(w);
                break;
            case 8:
            case 9:
            case 10:
                clickSomewhere(r, d.lstDeck);
                lstDeck_DblClick(w);
                break;
            case 11:
                clickSomewhere(r, d.lstDeck);
                btnUp_Click(w);
                break;
            case 12:
                clickSomewhere(r, d.lstDeck);
                btnDown_Click(w);
                break;
            case 13:
                clickSomewhere(r, d.lstDeck);
                btnTop_Click(w);
                break;
            case 14:
                clickSomewhere(r, d.lstDeck);
                txtBottom_Click(w);
                break;
            case 15:
                lstDeck_DblClick(w); // whatever is still selected
                break;
            case 16:
                // Close only now and then, so the deck often grows to its limit.
                if (pick(r, 8) == 0) {
                    t.prompter.answers = {pick(r, 2) == 0};
                    btnClose_Click(w);
                }
                break;
            case 17:
            case 18: {
                // Save the deck, then open it again: it comes back identical.
                const auto before = d.lstDeck.items();
                t.prompter.files = {path};
                btnSave_Click(w);
                t.prompter.files = {pick(r, 4) == 0 ? std::nullopt : std::optional<std::string>(path)};
                btnOpen_Click(w);
                if (!before.empty()) {
                    ASSERT_EQ(d.lstDeck.items(), before) << step;
                }
                break;
            }
            default:
                clickSomewhere(r, d.lstDeck);
                lstDeck_Click(w);
                break;
            }
            checkInvariants(w, step, action);
            if (testing::Test::HasFatalFailure()) return;
        }
        // The run reached the deck's limit and the refusals, not only the easy paths.
        const auto& shown = t.prompter.messages;
        EXPECT_GT(std::count(shown.begin(), shown.end(), "You cannot have more than 40 cards!"), 0) << seed;
        EXPECT_GT(std::count(shown.begin(), shown.end(), "Your deck was saved."), 0) << seed;
        EXPECT_GT(std::count(shown.begin(), shown.end(), "No item selected in DECK to move to top."), 0)
            << seed;
    }
}
