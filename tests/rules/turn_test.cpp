#include "rules/game_handlers.h"
#include "rules/shuffle.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::gameSubs;

// The shuffle is pinned to its seed: the same order on every compiler and every run.
TEST(Shuffle, GoldenOrderForASeed) {
    TestWindow t;
    t.p.fallback = SeededRandom(7);
    CardList l;
    put(l, entries(10)), l.select(3), shuffle(t.w, l);
    EXPECT_EQ(digits(l), "9586124703 3");
}

TEST(OpenDeck, RefusesEveryFileThatIsNoFullDeckAndLoadsForty) {
    TempFolder dir;
    auto misspelt = entries(40);
    misspelt[2] = "[105] CLOWNS\x01";
    // clang-format off
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, ""},
        {dir.raw("old.ucd", "version15\r\n[105] CLOWN\r\n"), "Your deck is outdated. Current deck version is 16."},
        {dir.deck("short.ucd", entries(39)), "You have less than 40 cards! To play a real game you need 40. Try again."},
        {dir.deck("bad.ucd", misspelt), "Line 4 of your deck file is not a card of the game: \"[105] CLOWNS?\". The deck will not be loaded!"},
        {dir.path("missing.ucd"), deckFile::unreadableMessage(dir.path("missing.ucd"))}};
    // clang-format on
    for (const auto& [file, message] : cases) {
        TestWindow t(SideId::u2);
        t.mine().btnOpen.enabled = true, t.p.files = {file};
        EXPECT_TRUE(t.refused([&] { btnOpen_Click(t.w, SideId::u2); }, message));
    }
    for (const auto path = dir.deck("long.ucd", entries(41)); SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t(side);
        t.w.menu.smnOffline.checked = t.mine().btnOpen.enabled = true, t.p.files = {path};
        btnOpen_Click(t.w, side);
        EXPECT_EQ(t.p.log, (Log{"message: You have more than 40 cards! The rest will not be loaded!",
                                "question: Do you want to shuffle your deck?"}));
        EXPECT_EQ(itemTexts(t.mine().lstDeck), entries(40));
        // Player 1's first turn has no attack; only this side's deck is loaded.
        EXPECT_EQ(t.flags("btnOpenMe btnAddMe btnQ5Me btnEndMe tmrTurnLimit btnAttackMe") + " first move " +
                      std::to_string(t.w.blnFirstMove) + ", decks " + t.texts("txtDeckCntMe txtDeckCntThem"),
                  side == SideId::u1 ? "011110 first move 1, decks 40 0" : "011111 first move 0, decks 40 0");
    }
}

// Drawing one card, then five, ending the turn, and the other side's turn ended by the third minute.
TEST(Turn, DrawOneOrFiveEndAndTheThirdMinute) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        MyTurn t(side);
        Side& m = t.mine();
        t.fill(m.lstDeck, m.txtDeckCnt, entries(6));
        t.fill(m.lstHand, m.txtHandCnt, entries(1, 159));
        btnAdd_Click(t.w, side);
        EXPECT_EQ(digits(m.lstHand) + " " + t.texts("txtDeckCntMe txtHandCntMe"), "90 -1 5 2");
        btnQ5_Click(t.w, side);
        EXPECT_EQ(digits(m.lstHand) + " " + t.texts("txtDeckCntMe txtHandCntMe"), "90123 -1 2 5");
        EXPECT_EQ(t.flags("btnAddMe btnQ5Me") + shownText(t.theirs().txtHandCnt), "000");
        t.w.timePassed = m.turnSacrifices = 2, t.w.txtMins.text = "1 MINUTES";
        const unsigned restarts = t.w.timers.tmrTurnLimit.restarts();
        btnEnd_Click(t.w, side);
        EXPECT_EQ(t.flags("btnAttackThem btnOpenThem btnEndMe"), "100");
        EXPECT_EQ(t.w.txtMins.text + std::to_string(t.w.timePassed) + std::to_string(m.turnSacrifices) +
                      " restarted " + std::to_string(t.w.timers.tmrTurnLimit.restarts() - restarts),
                  "3 MINUTES00 restarted 1");
        std::string left;
        for (int tick = 1; tick <= 3; ++tick)
            tmrTurnLimit_Timer(t.w), left += t.w.txtMins.text + "|";
        EXPECT_EQ(left, "2 MINUTES|1 MINUTES|3 MINUTES|");
        EXPECT_EQ(t.p.log, Log{"message: 3 minutes have passed. Your turn has automatically ended."});
        EXPECT_EQ(t.flags("btnEndMe btnEndThem") + t.w.txtChat.text,
                  "10<[9:05:31 PM] 3 minutes have passed. Your turn has automatically ended.>\r\n");
        t.w.timers.tmrTurnLimit.setOn(false);
        EXPECT_TRUE(t.refused([&] { tmrTurnLimit_Timer(t.w); }, ""));
    }
}

TEST(Drawing, RefusalsAndTheirButtons) {
    // deck, hand, Q5 (or ADD), the message, and then ADD and Q5
    const std::tuple<int, int, bool, const char*, const char*> refusals[] = {
        {0, 1, false, "There are no more cards in DECK to add to HAND.", "00"},
        {3, 5, false, "You can only have 5 cards in your hand.", "00"},
        {0, 1, true, "You don't have any cards in DECK to use Q5.", "00"},
        {3, 5, true, "You already have 5 cards in HAND.", "00"},
        {2, 2, true, "Not enough cards in DECK to use Q5.", "10"}};
    for (const auto& [deck, hand, q5, message, buttons] : refusals) {
        MyTurn t;
        TestWindow::fill(t.w.u1.lstDeck, t.w.u1.txtDeckCnt, entries(deck));
        TestWindow::fill(t.w.u1.lstHand, t.w.u1.txtHandCnt, entries(hand, 130));
        q5 ? btnQ5_Click(t.w, SideId::u1) : btnAdd_Click(t.w, SideId::u1);
        EXPECT_EQ(t.p.log, Log{std::string("message: ") + message});
        EXPECT_EQ(std::to_string(t.w.u1.lstHand.count()) + t.flags("btnAddMe btnQ5Me"),
                  std::to_string(hand) + buttons);
    }
}

TEST(EndTurn, AfterPlayerOnesFirstTurnOnAnotherWindowAndAtTheGameOver) {
    MyTurn t;
    t.w.blnFirstMove = true; // player 1's first turn: player 2 opens a deck after it
    btnEnd_Click(t.w, SideId::u1);
    EXPECT_EQ(t.flags("btnOpenU2 btnEndU2 btnEndU1") + " first move " + std::to_string(t.w.blnFirstMove),
              "100 first move 0");
    for (bool online : {true, false}) { // between two windows the board's hand-over gives the turn
        MyTurn o(SideId::u2);
        o.w.online.btnDisconnect.enabled = online, put(o.w.u1.txtLp, online ? "25" : "0");
        btnEnd_Click(o.w, SideId::u2);
        EXPECT_EQ(o.flags("btnEndU1 btnEndU2 tmrTurnLimit"), "000");
        EXPECT_EQ(o.p.log, online ? Log{} : (Log{"sound: over.wav", "message: Player 2 wins."}));
    }
}
