#include "deck/deck_handlers.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::deckSubs;

TEST(DeckFile, ReadsAnyLineEndAndAtMostFortyEntries) {
    TempFolder dir;
    using S = deckFile::Contents::Status;
    // the file, and what is read of it: its status, whether more than 40 entries followed, its entries
    // clang-format off
    const std::tuple<std::string, S, bool, std::vector<std::string>> cases[] = {
        {dir.raw("mixed.ucd", "version16\r\n[105] CLOWN\r[999] ODD\n\n[100] GNOME"), S::ok, false, {"[105] CLOWN", "[999] ODD", "", "[100] GNOME"}},
        {dir.raw("old.ucd", "version15\r\n[105] CLOWN\r\n"), S::outdated, false, {}},
        {dir.raw("empty.ucd", ""), S::outdated, false, {}},
        {dir.raw("case.ucd", "Version16\r\n"), S::outdated, false, {}},
        {dir.raw("long.ucd", "version16\r\n" + std::string(5000, 'x') + "\r\n"), S::unreadable, false, {}},
        {dir.path("none.ucd"), S::unreadable, false, {}},
        {dir.deck("many.ucd", entries(41)), S::ok, true, entries(40)},
        {dir.deck("forty.ucd", entries(40)), S::ok, false, entries(40)}};
    // clang-format on
    for (const auto& [path, status, more, items] : cases) {
        const auto got = deckFile::read(path);
        EXPECT_EQ(std::tie(got.status, got.moreThan40, got.entries), std::tie(status, more, items)) << path;
    }
}

TEST(DeckEditor, TakingReturningAndMovingCards) {
    TestWindow t;
    auto& d = t.w.deck;
    auto counts = [&] { return d.txtDeckCount.text + " " + d.txtRegCnt.text + " " + d.txtSpcCnt.text; };
    auto refuses = [&](void (*click)(Window&), const char* message) {
        return t.refused([&] { click(t.w); }, message);
    };
    d.lstRegCards.select(5), lstRegCards_DblClick(t.w);
    EXPECT_EQ(d.lstRegCards.selectedText(), entry(104)); // the entry above the taken one
    EXPECT_EQ(t.w.deck.txtDesc.text, cardSubs::recordText(*cardSubs::record(104)));
    d.lstSpcCards.select(0), lstSpcCards_DblClick(t.w);
    EXPECT_EQ(d.lstSpcCards.selectedText(), entry(201)); // no entry above: the first
    EXPECT_EQ(t.texts("lstDeck") + " " + counts(), entry(105) + "|" + entry(200) + "| 2 65 28");
    d.lstDeck.select(0), lstDeck_DblClick(t.w); // back to its sorted place
    EXPECT_EQ(d.lstRegCards.item(5) + d.lstDeck.selectedText(), entry(105) + entry(200));
    lstDeck_DblClick(t.w); // a special card goes to the end
    EXPECT_EQ(counts() + " " + d.lstSpcCards.items().back(), "0 66 29 " + entry(200));
    EXPECT_TRUE(refuses(lstDeck_DblClick, "There is no card selected to remove."));
    d.lstRegCards.clearSelection();
    EXPECT_TRUE(refuses(lstRegCards_DblClick, "There is no card selected to add to deck."));
    for (int i = 0; i < 40; ++i) {
        d.lstRegCards.select(0);
        lstRegCards_DblClick(t.w);
    }
    d.lstSpcCards.select(0);
    EXPECT_TRUE(refuses(lstSpcCards_DblClick, "You cannot have more than 40 cards!"));
    EXPECT_EQ(counts(), "40 26 29");
    t.p.answers = {false, true};
    EXPECT_TRUE(
        refuses(btnClose_Click, "question: This will close your current deck without saving any changes!"));
    btnClose_Click(t.w);
    EXPECT_EQ(counts(), "0 66 29");
    EXPECT_EQ(d.lstRegCards.items(), TestWindow().w.deck.lstRegCards.items());
    EXPECT_TRUE(refuses(btnClose_Click, "There are no cards in deck to close."));

    d.lstDeck.setItems(entries(5));
    EXPECT_TRUE(refuses(btnTop_Click, "No item selected in DECK to move to top."));
    EXPECT_TRUE(refuses(txtBottom_Click, "No item selected in DECK to move to bottom."));
    EXPECT_TRUE(refuses(btnUp_Click, ""));
    const std::tuple<int, void (*)(Window&), const char*> steps[] = {
        // selecting first where >= 0
        {3, btnUp_Click, "01324 2"},      {-1, btnUp_Click, "03124 1"},     {-1, btnDown_Click, "01324 2"},
        {-1, btnTop_Click, "30124 1"},    {-1, txtBottom_Click, "31240 0"}, {-1, btnUp_Click, "31240 0"},
        {-1, txtBottom_Click, "12403 0"}, {-1, btnTop_Click, "12403 0"},    {4, btnDown_Click, "12403 4"}};
    for (const auto& [select, step, after] : steps) {
        if (select >= 0) d.lstDeck.select(select);
        step(t.w);
        EXPECT_EQ(digits(d.lstDeck), after);
    }
}

TEST(DeckEditor, SaveAndOpen) {
    TempFolder dir;
    TestWindow t;
    EXPECT_TRUE(t.refused([&] { btnSave_Click(t.w); }, "There are no cards in your deck to save."));
    t.w.deck.lstDeck.setItems({entry(105), entry(228)});
    t.p.files = {dir.path("a.ucd"), dir.dir.string()};
    btnSave_Click(t.w);
    btnSave_Click(t.w);
    EXPECT_EQ(
        Log(t.p.log.begin() + 1, t.p.log.end()),
        (Log{"message: Your deck was saved.", "message: " + deckFile::saveFailedMessage(dir.dir.string())}));
    EXPECT_EQ(dir.bytes("a.ucd"), "version16\r\n[105] CLOWN\r\n[228] ABYSS\r\n");

    dir.raw("odd.ucd", "version16\r\n[105] CLOWN\r\n[105] CLOWN\r\n[999] GHOSTLY\r\n[106] nerd\r\n");
    TestWindow o;
    o.p.files = {dir.path("odd.ucd")};
    btnOpen_Click(o.w);
    auto& e = o.w.deck;
    EXPECT_EQ(o.texts("lstDeck txtDeckCount txtRegCnt") + " " + std::to_string(e.lstDeck.selected()),
              entry(105) + "|" + entry(105) + "|[999] GHOSTLY|[106] nerd| 4 65 0");
    o.p.answers = {false, true};
    btnClose_Click(o.w);
    btnClose_Click(o.w); // odd lines go, each card once
    EXPECT_EQ(e.lstRegCards.items(), TestWindow().w.deck.lstRegCards.items());
    o.p.files = {dir.raw("old.ucd", "version15\r\n")};
    e.lstDeck.setItems({entry(150)});
    e.lstRegCards.remove(50);
    btnOpen_Click(o.w);
    EXPECT_EQ(o.p.log.back(), "message: Your deck is outdated. Current deck version is 16.");
    EXPECT_EQ(e.txtDeckCount.text + " " + e.txtRegCnt.text, "0 66"); // the open deck was closed first
}
