#include "deck/deck_file.h"
#include "deck/deck_handlers.h"
#include "deck/deck_subs.h"

#include "cards/catalogue.h"
#include "support/fakes.h"
#include "support/snapshot.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
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
std::string infoOf(const std::string& e) {
    return info(*cardSubs::cardCode(e));
}

template <class Cards> Items names(const Cards& cards) {
    Items v;
    for (const auto& c : cards)
        v.push_back(c.name);
    return v;
}

// Double-clicks the catalogue entry of code, as the player would.
void add(Window& w, int code) {
    ListBox& list = cardSubs::isSpecial(code) ? w.deck.lstSpcCards : w.deck.lstRegCards;
    list.select(findEntry(list, entry(code)));
    cardSubs::isSpecial(code) ? lstSpcCards_DblClick(w) : lstRegCards_DblClick(w);
}

// The three counters: deck, regular cards, special cards.
std::string counts(const Window& w) {
    return w.deck.txtDeckCount.text + " " + w.deck.txtRegCnt.text + " " + w.deck.txtSpcCnt.text;
}

// Opens a file holding these bytes through OPEN.
void openBytes(TestWindow& t, const TempFolder& dir, const std::string& bytes) {
    t.prompter.files = {dir.raw("deck.ucd", bytes)};
    t.prompter.messages.clear();
    btnOpen_Click(t.w);
}

} // namespace

TEST(DeckEditor, ClickingShowsTheRecordAndTakingSelectsTheEntryAbove) {
    TestWindow t;
    Window& w = t.w;
    auto& reg = w.deck.lstRegCards;
    auto& spc = w.deck.lstSpcCards;
    EXPECT_EQ(reg.items(), names(regCards()));
    EXPECT_EQ(spc.items(), names(spcCards()));
    EXPECT_EQ(counts(w), "0 66 29");
    reg.select(5);
    lstRegCards_Click(w);
    EXPECT_EQ(w.deck.txtDesc.text, "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\n"
                                   "DESCRIPTION\r\nLevel 1 card. NR.");
    spc.select(28);
    lstSpcCards_Click(w);
    EXPECT_EQ(w.deck.txtDesc.text, info(228));
    // Taking the first entry selects the new first one; any other, the one above it.
    for (auto [list, i, above] : {std::tuple{&reg, 0, 101}, {&reg, 64, 164}, {&spc, 10, 209}}) {
        list->select(i);
        list == &reg ? lstRegCards_DblClick(w) : lstSpcCards_DblClick(w);
        EXPECT_EQ(list->selectedText(), entry(above));
        EXPECT_EQ(w.deck.txtDesc.text, info(above));
    }
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(100), entry(165), entry(210)}));
    EXPECT_EQ(counts(w), "3 64 28");
    while (!spc.empty()) { // an emptied list has nothing selected
        spc.select(0);
        lstSpcCards_DblClick(w);
    }
    EXPECT_FALSE(spc.hasSelection());
    EXPECT_EQ(counts(w), "31 64 0");

    // Returning: regular cards go back to their place in code order, special cards to the
    // end of their list in the order they come back.
    t.prompter.answers = {true};
    btnClose_Click(w);
    EXPECT_EQ(counts(w), "0 66 29");
    for (int code : {150, 205, 100, 200, 165, 228})
        add(w, code);
    for (auto [pick, selectedAfter] : {std::pair{2, 205}, {-1, 150}, {1, 150}, {0, 165}, {-1, 228}}) {
        if (pick >= 0) w.deck.lstDeck.select(pick);
        lstDeck_DblClick(w);
        EXPECT_EQ(w.deck.lstDeck.selectedText(), entry(selectedAfter)) << pick;
        EXPECT_EQ(w.deck.txtDesc.text, info(selectedAfter));
    }
    lstDeck_DblClick(w);
    EXPECT_FALSE(w.deck.lstDeck.hasSelection());
    EXPECT_EQ(counts(w), "0 66 29");
    EXPECT_EQ(reg.items(), names(regCards()));
    EXPECT_EQ(Items(spc.items().end() - 3, spc.items().end()), (Items{entry(205), entry(200), entry(228)}));
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(DeckEditor, MovesSelectTheRightEntry) {
    TestWindow t;
    Window& w = t.w;
    for (int code : {100, 101, 102, 103, 104})
        add(w, code);
    struct Move {
        int pick; // -1: keep the selection
        void (*handler)(Window&);
        const char* order; // the last digits of the codes
        int selected;
    };
    for (const Move& m : {Move{3, btnTop_Click, "30124", 2}, Move{1, btnTop_Click, "03124", 0},
                          Move{0, btnTop_Click, "03124", 0}, Move{2, txtBottom_Click, "03241", 1},
                          Move{0, txtBottom_Click, "32410", 0}, Move{4, txtBottom_Click, "32410", 3},
                          Move{2, btnUp_Click, "34210", 1}, Move{-1, btnDown_Click, "32410", 2},
                          Move{-1, btnDown_Click, "32140", 3}}) {
        if (m.pick >= 0) w.deck.lstDeck.select(m.pick);
        m.handler(w);
        std::string order;
        for (const auto& e : w.deck.lstDeck.items())
            order += e[3];
        EXPECT_EQ(order, m.order) << m.pick << " " << m.order;
        EXPECT_EQ(w.deck.lstDeck.selected(), m.selected) << m.order;
        EXPECT_EQ(w.deck.txtDesc.text, infoOf(w.deck.lstDeck.selectedText())) << m.order;
    }
    EXPECT_EQ(counts(w), "5 61 29");
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(DeckEditor, RefusalsChangeNothing) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const auto refused = [&](void (*handler)(Window&), const std::string& message) {
        const auto before = snapshot(w);
        t.prompter.messages.clear();
        handler(w);
        EXPECT_EQ(t.prompter.messages, message.empty() ? Items{} : Items{message});
        EXPECT_EQ(snapshot(w), before) << message;
    };
    refused(lstRegCards_DblClick, "There is no card selected to add to deck.");
    refused(lstSpcCards_DblClick, "There is no card selected to add to deck.");
    refused(lstDeck_DblClick, "There is no card selected to remove.");
    refused(btnTop_Click, "No item selected in DECK to move to top.");
    refused(txtBottom_Click, "No item selected in DECK to move to bottom.");
    refused(btnClose_Click, "There are no cards in deck to close.");
    refused(btnSave_Click, "There are no cards in your deck to save."); // and no dialog
    EXPECT_TRUE(t.prompter.filters.empty());
    EXPECT_EQ(t.prompter.titles.back(), "Message");

    for (int code = 100; code < 140; ++code)
        add(w, code);
    w.deck.lstRegCards.select(3);
    w.deck.lstSpcCards.select(0);
    refused(lstRegCards_DblClick, "You cannot have more than 40 cards!");
    refused(lstSpcCards_DblClick, "You cannot have more than 40 cards!");
    // UP on the first entry, DOWN on the last, and both without a selection: silently nothing.
    for (auto [pick, handler] :
         {std::pair{0, &btnUp_Click}, {39, &btnDown_Click}, {-1, &btnUp_Click}, {-1, &btnDown_Click}}) {
        w.deck.lstDeck.select(pick);
        refused(handler, "");
    }
    refused(btnClose_Click, ""); // answered No
    EXPECT_EQ(t.prompter.questions, Items{"This will close your current deck without saving any changes!"});
    refused(btnSave_Click, ""); // the dialog cancelled
    t.prompter.files = {dir.folder()};
    refused(btnSave_Click, deckFile::saveFailedMessage(dir.folder()));
    refused(btnOpen_Click,
            "Opening a deck file will close the current deck loaded without saving any changes. "
            "Clicking cancel in next window will abort this.");
    EXPECT_EQ(t.prompter.filters.size(), 3u);
}

TEST(DeckEditor, SaveCloseAndOpenComeBackIdentical) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    const std::string path = dir.path("four"); // typed without ".ucd": used as given
    for (int code : {164, 210, 105, 203})
        add(w, code);
    t.prompter.files = {path};
    btnSave_Click(w);
    EXPECT_EQ(t.prompter.filters, Items{"Deck File (*.ucd)"});
    EXPECT_EQ(t.prompter.lastMessage(), "Your deck was saved.");
    EXPECT_EQ(fileBytes(path),
              "version16\r\n[164] HORN BEETLE\r\n[210] GOD KILLER\r\n[105] CLOWN\r\n[203] DOUBLE TEAM\r\n");
    EXPECT_EQ(w.deck.lstRegCards.selected(), 0); // saving selects the first regular card
    EXPECT_EQ(w.deck.txtDesc.text, info(100));
    const auto saved = snapshot(w);

    t.prompter.answers = {true};
    btnClose_Click(w);
    EXPECT_EQ(counts(w), "0 66 29");
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(203));
    EXPECT_EQ(w.deck.lstSpcCards.item(27), entry(210));
    EXPECT_EQ(w.deck.txtDesc.text, info(203)); // each entry is selected as it goes back

    t.prompter.files = {path};
    btnOpen_Click(w);
    EXPECT_EQ(w.deck.lstDeck.selected(), 0);
    EXPECT_EQ(w.deck.txtDesc.text, info(164));
    auto opened = snapshot(w), expected = saved;
    for (const char* differs : {"lstDeck", "lstRegCards", "txtDesc"}) {
        opened.erase(differs); // only selections and the shown record differ
        expected.erase(differs);
    }
    EXPECT_EQ(opened, expected);
    EXPECT_EQ(w.deck.lstDeck.items(), (Items{entry(164), entry(210), entry(105), entry(203)}));
    EXPECT_EQ(counts(w), "4 64 27");
    t.prompter.files = {dir.path("again.ucd")};
    btnSave_Click(w);
    EXPECT_EQ(fileBytes(dir.path("again.ucd")), fileBytes(path));
}

TEST(DeckEditor, OpenReplacesTheDeckWhateverTheFileHolds) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    // Whatever is opened, the deck loaded before is gone; failures say why.
    const std::string unreadable = "version16\r\n[101] ELF\r\n" + std::string(5000, 'x');
    for (auto [file, message] :
         {std::pair<std::string, std::string>{"version16\r\n", ""},
          {"VERSION16\r\n[101] ELF\r\n", "Your deck is outdated. Current deck version is 16."},
          {unreadable, deckFile::unreadableMessage(dir.path("deck.ucd"))}}) {
        add(w, 200);
        openBytes(t, dir, file);
        EXPECT_EQ(t.prompter.messages.size(), message.empty() ? 1u : 2u);
        EXPECT_EQ(t.prompter.lastMessage(), message.empty() ? t.prompter.messages.front() : message);
        EXPECT_TRUE(w.deck.lstDeck.empty());
        EXPECT_FALSE(w.deck.lstDeck.hasSelection());
        EXPECT_EQ(counts(w), "0 66 29");
        EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(200));
    }

    // Past 40 entries: the first 40, and one message.
    std::string bytes = "version16\n";
    for (int code = 100; code < 145; ++code)
        bytes += entry(code) + "\n";
    openBytes(t, dir, bytes);
    EXPECT_EQ(t.prompter.messages.size(), 2u);
    EXPECT_EQ(t.prompter.lastMessage(), "You have more than 40 cards! The rest will not be loaded.");
    EXPECT_EQ(w.deck.txtDesc.text, info(100)); // the first entry is selected
    EXPECT_EQ(w.deck.lstDeck.items().back(), entry(139));
    EXPECT_EQ(w.deck.lstRegCards.items().front(), entry(140));
    EXPECT_EQ(counts(w), "40 26 29");
}

TEST(DeckEditor, HandEditedLinesNeverCorruptTheCatalogue) {
    TempFolder dir;
    TestWindow t;
    Window& w = t.w;
    // clang-format off
    const Items lines{"", "[999] X", "[abc] Y", "[12", "[105] CLOWN", "[105] CLOWN", "[166] X", "[050] A",
                      "[105] CLOWN ", "[105] clown", "[201] LIFELESS", "[201] LIFELESS", "[300] Z", "[229] W",
                      std::string("[1\0" "05] C", 9)};
    // clang-format on
    std::string bytes = "version16\r\n";
    for (const auto& l : lines)
        bytes += l + "\r\n";
    openBytes(t, dir, bytes);
    EXPECT_EQ(w.deck.lstDeck.items(), lines); // loaded unchanged
    EXPECT_EQ(counts(w), "15 65 28");         // only exact catalogue entries left their lists

    // A line that names no catalogue card leaves the description as it was.
    for (int i = 0; i < w.deck.lstDeck.count(); ++i) {
        w.deck.txtDesc.text = "unchanged";
        w.deck.lstDeck.select(i);
        lstDeck_Click(w);
        const CardInfo* card = cardSubs::recordOf(lines[static_cast<std::size_t>(i)]);
        EXPECT_EQ(w.deck.txtDesc.text, card ? cardSubs::recordText(*card) : "unchanged") << i;
    }
    // Removing every line returns each catalogue card once and drops the rest.
    while (!w.deck.lstDeck.empty()) {
        w.deck.lstDeck.select(0);
        lstDeck_DblClick(w);
    }
    EXPECT_EQ(counts(w), "0 66 29");
    EXPECT_EQ(w.deck.lstRegCards.items(), names(regCards()));
    EXPECT_EQ(w.deck.lstSpcCards.items().back(), entry(201));
}
