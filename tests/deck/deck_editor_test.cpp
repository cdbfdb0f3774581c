#include "deck/deck_file.h"
#include "deck/deck_handlers.h"
#include "deck/deck_subs.h"

#include "cards/catalogue.h"
#include "support/fakes.h"
#include "support/snapshot.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace grim;
using namespace grim::deckSubs;
using grim::test::entry;
using grim::test::fileBytes;
using grim::test::snapshot;
using grim::test::TempFolder;
using grim::test::TestWindow;

namespace {

using Items = std::vector<std::string>;

std::string info(int code) {
    return cardSubs::recordText(*cardSubs::record(code));
}

Items regularEntries() {
    Items v;
    for (const auto& c : regCards())
        v.push_back(c.name);
    return v;
}
Items specialEntries() {
    Items v;
    for (const auto& c : spcCards())
        v.push_back(c.name);
    return v;
}

// Double-clicks the catalogue entry of code, as the player would.
void add(Window& w, int code) {
    ListBox& list = cardSubs::isSpecial(code) ? w.deck.lstSpcCards : w.deck.lstRegCards;
    list.select(findEntry(list, entry(code)));
    ASSERT_TRUE(list.hasSelection()) << code;
    if (cardSubs::isSpecial(code))
        lstSpcCards_DblClick(w);
    else
        lstRegCards_DblClick(w);
}

void clickDeck(Window& w, int i) {
    w.deck.lstDeck.select(i);
    lstDeck_Click(w);
}

void expectCounts(const Window& w, const char* deck, const char* reg, const char* spc) {
    EXPECT_EQ(w.deck.txtDeckCount.text, deck);
    EXPECT_EQ(w.deck.txtRegCnt.text, reg);
    EXPECT_EQ(w.deck.txtSpcCnt.text, spc);
}

} // namespace

TEST(DeckEditor, StartsWithTheWholeCatalogue) {
    TestWindow t;
    EXPECT_EQ(t.w.deck.lstRegCards.items(), regularEntries());
    EXPECT_EQ(t.w.deck.lstSpcCards.items(), specialEntries());
    EXPECT_TRUE(t.w.deck.lstDeck.empty());
    expectCounts(t.w, "0", "66", "29");
}

TEST(DeckEditor, ClickShowsTheRecord) {
    TestWindow t;
    Window& w = t.w;
    w.deck.lstRegCards.select(5);
    lstRegCards_Click(w);
    EXPECT_EQ(w.deck.txtDesc.text, info(105));
    EXPECT_EQ(w.deck.txtDesc.text, "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\n"
                                   "DESCRIPTION\r\nLevel 1 card. NR.");
    w.deck.lstSpcCards.select(28);
    lstSpcCards_Click(w);
    EXPECT_EQ(w.deck.txtDesc.text, info(228));
    add(w, 164);
    clickDeck(w, 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(164));

    // Codes without a record leave the box as it is.
    for (int code : {0, 99, 166, 199, 229, 299, 300, 999})
        showCardInfo(w, code);
    EXPECT_EQ(w.deck.txtDesc.text, info(164));
}

TEST(DeckEditor, AddingSelectsTheEntryAbove) {
    TestWindow t;
    Window& w = t.w;
    auto& reg = w.deck.lstRegCards;

    // Taking the first entry selects the new first entry and shows it.
    reg.select(0);
    lstRegCards_DblClick(w);
    EXPECT_EQ(w.deck.lstDeck.items(), Items{entry(100)});
    EXPECT_EQ(reg.selected(), 0);
    EXPECT_EQ(reg.selectedText(), entry(101));
    EXPECT_EQ(w.deck.txtDesc.text, info(101));
    expectCounts(w, "1", "65", "29");

    // Taking the last entry selects the one above it.
    reg.select(reg.count() - 1);
    lstRegCards_DblClick(w);
    EXPECT_EQ(reg.selectedText(), entry(164));
    EXPECT_EQ(w.deck.txtDesc.text, info(164));

    // Taking from the middle of the special list.
    w.deck.lstSpcCards.select(10);
    lstSpcCards_DblClick(w);
    EXPECT_EQ(w.deck.lstSpcCards.selectedText(), entry(209));
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(100), entry(165), entry(210)}));
    expectCounts(w, "3", "64", "28");

    // Emptying a list leaves nothing selected there.
    while (!w.deck.lstSpcCards.empty() && w.deck.lstDeck.count() < 40) {
        w.deck.lstSpcCards.select(0);
        lstSpcCards_DblClick(w);
    }
    EXPECT_TRUE(w.deck.lstSpcCards.empty());
    EXPECT_FALSE(w.deck.lstSpcCards.hasSelection());
    expectCounts(w, "31", "64", "0");
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(DeckEditor, RefusalsChangeNothing) {
    TestWindow t;
    Window& w = t.w;
    struct Case {
        void (*handler)(Window&);
        const char* message;
    };
    const std::vector<Case> empty{{lstRegCards_DblClick, "There is no card selected to add to deck."},
                                  {lstSpcCards_DblClick, "There is no card selected to add to deck."},
                                  {lstDeck_DblClick, "There is no card selected to remove."},
                                  {btnTop_Click, "No item selected in DECK to move to top."},
                                  {txtBottom_Click, "No item selected in DECK to move to bottom."},
                                  {btnClose_Click, "There are no cards in deck to close."},
                                  {btnSave_Click, "There are no cards in your deck to save."}};
    for (const auto& c : empty) {
        const auto before = snapshot(w);
        c.handler(w);
        EXPECT_EQ(t.prompter.lastMessage(), c.message);
        EXPECT_EQ(t.prompter.titles.back(), "Message");
        EXPECT_EQ(snapshot(w), before) << c.message;
    }
    EXPECT_TRUE(t.prompter.filters.empty()); // saving an empty deck opens no dialog

    // The 41st card.
    for (int code = 100; code < 140; ++code)
        add(w, code);
    w.deck.lstRegCards.select(3);
    w.deck.lstSpcCards.select(0);
    w.deck.lstDeck.clearSelection();
    t.prompter.messages.clear();
    for (auto handler : {lstRegCards_DblClick, lstSpcCards_DblClick}) {
        const auto before = snapshot(w);
        handler(w);
        EXPECT_EQ(t.prompter.lastMessage(), "You cannot have more than 40 cards!");
        EXPECT_EQ(snapshot(w), before);
    }
    EXPECT_EQ(t.prompter.messages.size(), 2u);

    // UP on the first entry and DOWN on the last: nothing, silently. UP, DOWN without a selection too.
    t.prompter.messages.clear();
    for (auto [select, handler] : {std::pair{0, &btnUp_Click}, std::pair{39, &btnDown_Click},
                                   std::pair{-1, &btnUp_Click}, std::pair{-1, &btnDown_Click}}) {
        w.deck.lstDeck.select(select);
        const auto before = snapshot(w);
        handler(w);
        EXPECT_EQ(snapshot(w), before) << select;
    }
    EXPECT_TRUE(t.prompter.messages.empty());

    // Answering No to CLOSE.
    const auto before = snapshot(w);
    btnClose_Click(w);
    EXPECT_EQ(t.prompter.questions, Items{"This will close your current deck without saving any changes!"});
    EXPECT_EQ(snapshot(w), before);
}

TEST(DeckEditor, RemovingReturnsCardsToTheirPlace) {
    TestWindow t;
    Window& w = t.w;
    for (int code : {150, 205, 100, 200, 165, 228})
        add(w, code);
    expectCounts(w, "6", "63", "26");

    // A regular card goes back to its place in code order, the entry above it is selected.
    w.deck.lstDeck.select(2);
    lstDeck_DblClick(w);
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(150), entry(205), entry(200), entry(165), entry(228)}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 1);
    EXPECT_EQ(w.deck.txtDesc.text, info(205));
    EXPECT_EQ(w.deck.lstRegCards.item(0), entry(100));
    expectCounts(w, "5", "64", "26");

    // Special cards go to the end of their list, in the order they come back.
    lstDeck_DblClick(w); // 205, selection moves to 150 at index 0
    EXPECT_EQ(w.deck.lstDeck.selectedText(), entry(150));
    w.deck.lstDeck.select(1);
    lstDeck_DblClick(w); // 200
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(200));
    EXPECT_EQ(w.deck.lstSpcCards.item(w.deck.lstSpcCards.count() - 2), entry(205));

    // Removing the first entry selects the new first entry.
    w.deck.lstDeck.select(0);
    lstDeck_DblClick(w);
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(165), entry(228)}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(165));
    expectCounts(w, "2", "65", "28");
    lstDeck_DblClick(w);
    lstDeck_DblClick(w);
    EXPECT_FALSE(w.deck.lstDeck.hasSelection());
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstRegCards.items(), regularEntries());
    EXPECT_EQ(
        w.deck.lstSpcCards.items(),
        (Items{entry(201), entry(202), entry(203), entry(204), entry(206), entry(207), entry(208), entry(209),
               entry(210), entry(211), entry(212), entry(213), entry(214), entry(215), entry(216), entry(217),
               entry(218), entry(219), entry(220), entry(221), entry(222), entry(223), entry(224), entry(225),
               entry(226), entry(227), entry(205), entry(200), entry(228)}));
}

TEST(DeckEditor, MovesSelectTheRightEntry) {
    TestWindow t;
    Window& w = t.w;
    for (int code : {100, 101, 102, 103, 104})
        add(w, code); // A B C D E
    const auto order = [&] {
        Items v;
        for (const auto& e : w.deck.lstDeck.items())
            v.push_back(e.substr(1, 3));
        return v;
    };

    clickDeck(w, 3);
    btnTop_Click(w); // D A B C E, index 2 (B) selected
    EXPECT_EQ(order(), (Items{"103", "100", "101", "102", "104"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 2);
    EXPECT_EQ(w.deck.txtDesc.text, info(101));

    clickDeck(w, 1);
    btnTop_Click(w); // i = 1: the moved card itself
    EXPECT_EQ(order(), (Items{"100", "103", "101", "102", "104"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(100));

    clickDeck(w, 0);
    btnTop_Click(w);
    EXPECT_EQ(order(), (Items{"100", "103", "101", "102", "104"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);

    clickDeck(w, 2);
    txtBottom_Click(w); // 101 to the end, index 1 (103) selected
    EXPECT_EQ(order(), (Items{"100", "103", "102", "104", "101"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 1);
    EXPECT_EQ(w.deck.txtDesc.text, info(103));

    clickDeck(w, 0);
    txtBottom_Click(w); // the first entry: index 0, the new first entry
    EXPECT_EQ(order(), (Items{"103", "102", "104", "101", "100"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(103));

    clickDeck(w, 4);
    txtBottom_Click(w); // the last entry stays last, the one above is selected
    EXPECT_EQ(order(), (Items{"103", "102", "104", "101", "100"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 3);

    clickDeck(w, 2);
    btnUp_Click(w);
    EXPECT_EQ(order(), (Items{"103", "104", "102", "101", "100"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 1);
    EXPECT_EQ(w.deck.txtDesc.text, info(104));
    btnDown_Click(w);
    btnDown_Click(w);
    EXPECT_EQ(order(), (Items{"103", "102", "101", "104", "100"}));
    EXPECT_EQ(w.deck.lstDeck.selected(), 3);
    EXPECT_EQ(w.deck.txtDesc.text, info(104));
    expectCounts(w, "5", "61", "29");
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(DeckEditor, CloseReturnsEveryCard) {
    TestWindow t;
    Window& w = t.w;
    for (int code : {120, 210, 100, 203})
        add(w, code);
    t.prompter.answers = {true};
    btnClose_Click(w);
    EXPECT_TRUE(w.deck.lstDeck.empty());
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstRegCards.items(), regularEntries());
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(203));
    EXPECT_EQ(w.deck.lstSpcCards.item(27), entry(210));
    EXPECT_EQ(w.deck.txtDesc.text, info(203)); // the last entry taken was selected, as a click
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(DeckEditor, SaveAndOpenComeBackIdentical) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const std::string path = dir.path("three"); // typed without ".ucd": used as given
    for (int code : {164, 200, 105})
        add(w, code);
    t.prompter.files = {path};
    btnSave_Click(w);
    EXPECT_EQ(t.prompter.filters, Items{"Deck File (*.ucd)"});
    EXPECT_EQ(t.prompter.lastMessage(), "Your deck was saved.");
    EXPECT_EQ(fileBytes(path), "version16\r\n[164] HORN BEETLE\r\n[200] LIFELESS\r\n[105] CLOWN\r\n");
    EXPECT_EQ(w.deck.lstRegCards.selected(), 0); // saving selects the first regular card
    EXPECT_EQ(w.deck.txtDesc.text, info(100));
    const auto saved = snapshot(w);

    t.prompter.answers = {true};
    btnClose_Click(w);
    expectCounts(w, "0", "66", "29");

    t.prompter.files = {path};
    btnOpen_Click(w);
    EXPECT_EQ(t.prompter.messages.at(t.prompter.messages.size() - 1),
              "Opening a deck file will close the current deck loaded without saving any changes. Clicking "
              "cancel in next window will abort this.");
    auto opened = snapshot(w);
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(164));
    // Everything comes back; only the selections and the shown record differ from just after saving.
    for (const char* name : {"lstDeck", "lstRegCards", "txtDesc"})
        opened.erase(name);
    auto expected = saved;
    for (const char* name : {"lstDeck", "lstRegCards", "txtDesc"})
        expected.erase(name);
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(164), entry(200), entry(105)}));
    EXPECT_EQ(findEntry(w.deck.lstRegCards, entry(105)), ListBox::none);
    expectCounts(w, "3", "64", "28");

    // Saving again gives the same bytes.
    const std::string again = dir.path("again.ucd");
    t.prompter.files = {again};
    btnSave_Click(w);
    EXPECT_EQ(fileBytes(again), fileBytes(path));
}

TEST(DeckEditor, CancelledDialogsChangeNothing) {
    TestWindow t;
    Window& w = t.w;
    for (int code : {101, 201})
        add(w, code);
    clickDeck(w, 1);
    const auto before = snapshot(w);
    btnSave_Click(w); // no scripted file: cancelled
    btnOpen_Click(w);
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(t.prompter.messages.size(), 1u); // only the warning before the open dialog
    EXPECT_EQ(t.prompter.filters, (Items{"Deck File (*.ucd)", "Deck File (*.ucd)"}));
}

TEST(DeckEditor, OpenLoadsAsWritten) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const std::string path = dir.path("deck.ucd");
    const auto open = [&](const std::string& bytes) {
        dir.raw("deck.ucd", bytes);
        t.prompter.files = {path};
        t.prompter.messages.clear();
        btnOpen_Click(w);
    };
    const auto total = [&] {
        return w.deck.lstDeck.count() + w.deck.lstRegCards.count() + w.deck.lstSpcCards.count();
    };

    // 45 entries: the first 40, one message.
    std::string bytes = "version16\n";
    for (int code = 100; code < 145; ++code)
        bytes += entry(code) + "\n";
    open(bytes);
    EXPECT_EQ(t.prompter.messages.size(), 2u);
    EXPECT_EQ(t.prompter.lastMessage(), "You have more than 40 cards! The rest will not be loaded.");
    EXPECT_EQ(w.deck.lstDeck.count(), 40);
    EXPECT_EQ(w.deck.lstDeck.items().back(), entry(139));
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(100));
    EXPECT_EQ(w.deck.lstRegCards.items().front(), entry(140));
    expectCounts(w, "40", "26", "29");
    EXPECT_EQ(total(), 95);

    // A header only: the previous deck is gone, nothing selected.
    open("version16\r\n");
    EXPECT_EQ(t.prompter.messages.size(), 1u);
    EXPECT_TRUE(w.deck.lstDeck.empty());
    EXPECT_FALSE(w.deck.lstDeck.hasSelection());
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstRegCards.items(), regularEntries());

    // Outdated: the deck loaded before is gone all the same.
    add(w, 100);
    open("VERSION16\r\n[101] ELF\r\n");
    EXPECT_EQ(t.prompter.lastMessage(), "Your deck is outdated. Current deck version is 16.");
    EXPECT_TRUE(w.deck.lstDeck.empty());
    expectCounts(w, "0", "66", "29");

    // Unreadable: a message in the program's words, an empty deck.
    add(w, 200);
    open("version16\r\n[101] ELF\r\n" + std::string(5000, 'x'));
    EXPECT_EQ(t.prompter.lastMessage(), deckFile::unreadableMessage(path));
    EXPECT_EQ(t.prompter.titles.back(), "Message");
    EXPECT_TRUE(w.deck.lstDeck.empty());
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(200)); // returned to the end
}

TEST(DeckEditor, HandEditedLinesNeverCorruptTheCatalogue) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const std::string path = dir.path("odd.ucd");
    const Items lines{"",
                      "[999] X",
                      "[abc] Y",
                      "[12",
                      "[105] CLOWN",
                      "[105] CLOWN",
                      "[166] X",
                      "[050] A",
                      "[105] CLOWN ",
                      "[105] clown",
                      "[201] LIFELESS",
                      "[201] LIFELESS",
                      "[300] Z",
                      "[229] W",
                      std::string("[1\0"
                                  "05] C",
                                  9)};
    std::string bytes = "version16\r\n";
    for (const auto& l : lines)
        bytes += l + "\r\n";
    dir.raw("odd.ucd", bytes);
    t.prompter.files = {path};
    btnOpen_Click(w);

    EXPECT_EQ(w.deck.lstDeck.items(), lines); // loaded unchanged
    EXPECT_EQ(w.deck.txtDeckCount.text, "15");
    expectCounts(w, "15", "65", "28"); // only exact catalogue entries left their lists

    // Clicking a line that names no catalogue card leaves the description as it was.
    for (int i = 0; i < w.deck.lstDeck.count(); ++i) {
        w.deck.txtDesc.text = "unchanged";
        clickDeck(w, i);
        const auto code = cardSubs::cardCode(lines[static_cast<std::size_t>(i)]);
        const CardInfo* card = code ? cardSubs::record(*code) : nullptr;
        EXPECT_EQ(w.deck.txtDesc.text, card ? cardSubs::recordText(*card) : "unchanged") << i;
    }

    // Removing every line returns each catalogue card once and drops the rest.
    w.deck.lstDeck.select(0);
    while (!w.deck.lstDeck.empty()) {
        lstDeck_DblClick(w);
        const int sum = w.deck.lstDeck.count() + w.deck.lstRegCards.count() + w.deck.lstSpcCards.count();
        EXPECT_GE(sum, 95);
        if (!w.deck.lstDeck.hasSelection()) w.deck.lstDeck.select(0);
    }
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstRegCards.items(), regularEntries());
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(201));

    // The same file closed with CLOSE.
    t.prompter.files = {path};
    btnOpen_Click(w);
    t.prompter.answers = {true};
    btnClose_Click(w);
    expectCounts(w, "0", "66", "29");
    EXPECT_EQ(w.deck.lstRegCards.items(), regularEntries());
    EXPECT_EQ(w.deck.lstSpcCards.count(), 29);
}

TEST(DeckEditor, FailedSaveSaysSoAndKeepsTheOldDeck) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const std::string old = dir.raw("old.ucd", "version16\r\n[105] CLOWN\r\n");
    add(w, 100);
    for (const std::string& path : {dir.folder(), old + "/deck.ucd", std::string("/proc/grimward.ucd")}) {
        const auto before = snapshot(w);
        t.prompter.files = {path};
        btnSave_Click(w);
        EXPECT_EQ(t.prompter.lastMessage(), deckFile::saveFailedMessage(path));
        EXPECT_EQ(t.prompter.titles.back(), "Message");
        EXPECT_EQ(snapshot(w), before) << path;
    }
    EXPECT_EQ(fileBytes(old), "version16\r\n[105] CLOWN\r\n");
}
