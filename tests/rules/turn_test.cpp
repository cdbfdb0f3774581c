#include "rules/game_handlers.h"
#include "rules/shuffle.h"
#include "rules/turn_flow.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;

// The shuffle is pinned to its seed: the same order on every compiler and every run.
TEST(Shuffle, GoldenOrderForASeed) {
    TestWindow t;
    t.p.fallback = SeededRandom(7);
    ListBox l;
    l.setItems(entries(10));
    l.select(3);
    gameSubs::shuffle(t.w, l);
    EXPECT_EQ(digits(l), "9586124703 3");
}

TEST(OpenDeck, RefusesEveryFileThatIsNoFullDeckAndLoadsForty) {
    TempFolder dir;
    auto misspelt = entries(40);
    misspelt[2] = "[105] CLOWNS\x01";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, ""},
        {dir.raw("old.ucd", "version15\r\n[105] CLOWN\r\n"),
         "Your deck is outdated. Current deck version is 16."},
        {dir.deck("short.ucd", entries(39)),
         "You have less than 40 cards! To play a real game you need 40. Try again."},
        {dir.deck("bad.ucd", misspelt), "Line 4 of your deck file is not a card of the game: \"[105] "
                                        "CLOWNS?\". The deck will not be loaded!"},
        {dir.path("missing.ucd"), deckFile::unreadableMessage(dir.path("missing.ucd"))},
    };
    for (const auto& [file, message] : cases) {
        TestWindow t(SideId::u2);
        t.mine().btnOpen.enabled = true;
        t.p.files = {file};
        EXPECT_TRUE(t.refused([&] { gameSubs::btnOpen_Click(t.w, SideId::u2); }, message));
    }
    const auto path = dir.deck("long.ucd", entries(41));
    for (SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t(side);
        Side& m = t.mine();
        t.w.menu.smnOffline.checked = m.btnOpen.enabled = true;
        t.p.files = {path};
        gameSubs::btnOpen_Click(t.w, side);
        EXPECT_EQ(t.p.log, (Log{"message: You have more than 40 cards! The rest will not be loaded!",
                                "question: Do you want to shuffle your deck?"}));
        EXPECT_EQ(m.lstDeck.items(), entries(40));
        EXPECT_TRUE(!m.btnOpen.enabled && m.btnAdd.enabled && m.btnQ5.enabled && m.btnEnd.enabled);
        EXPECT_EQ(m.btnAttack.enabled, side == SideId::u2); // player 1's first turn has no attack
        EXPECT_EQ(t.w.blnFirstMove, side == SideId::u1);
        EXPECT_TRUE(t.w.timers.tmrTurnLimit.on() && t.theirs().lstDeck.empty());
    }
}

TEST(Drawing, OneOrFiveAndTheirLimits) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        MyTurn t(side);
        Side& m = t.mine();
        TestWindow::fill(m.lstDeck, m.txtDeckCnt, entries(6));
        TestWindow::fill(m.lstHand, m.txtHandCnt, entries(1, 150));
        gameSubs::btnAdd_Click(t.w, side);
        EXPECT_EQ(m.lstHand.items(), (std::vector<std::string>{entry(150), entry(100)}));
        gameSubs::btnQ5_Click(t.w, side);
        EXPECT_EQ(m.lstHand.item(4) + m.txtDeckCnt.text + m.txtHandCnt.text, entry(103) + "25");
        EXPECT_TRUE(!m.btnAdd.enabled && !m.btnQ5.enabled && t.p.log.empty() && t.theirs().lstHand.empty());
    }
    const std::tuple<int, int, bool, const char*, bool> refusals[] = {
        {0, 1, false, "There are no more cards in DECK to add to HAND.", false},
        {3, 5, false, "You can only have 5 cards in your hand.", false},
        {0, 1, true, "You don't have any cards in DECK to use Q5.", false},
        {3, 5, true, "You already have 5 cards in HAND.", false},
        {2, 2, true, "Not enough cards in DECK to use Q5.", true}};
    for (const auto& [deck, hand, q5, message, addStays] : refusals) {
        MyTurn t;
        TestWindow::fill(t.w.u1.lstDeck, t.w.u1.txtDeckCnt, entries(deck));
        TestWindow::fill(t.w.u1.lstHand, t.w.u1.txtHandCnt, entries(hand, 130));
        q5 ? gameSubs::btnQ5_Click(t.w, SideId::u1) : gameSubs::btnAdd_Click(t.w, SideId::u1);
        EXPECT_EQ(t.p.log, Log{std::string("message: ") + message});
        EXPECT_TRUE(t.w.u1.lstHand.count() == hand && !t.w.u1.btnQ5.enabled &&
                    t.w.u1.btnAdd.enabled == addStays);
    }
}

TEST(EndTurn, PassesTheTurnOrEndsTheGameAndSoDoesTheThirdMinute) {
    MyTurn t;
    t.w.blnFirstMove = true;
    gameSubs::btnEnd_Click(t.w, SideId::u1); // player 1's first turn: player 2 opens a deck
    EXPECT_TRUE(t.w.u2.btnOpen.enabled && !t.w.u2.btnEnd.enabled && !t.w.u1.btnEnd.enabled);
    EXPECT_FALSE(t.w.blnFirstMove);
    for (SideId side : {SideId::u2, SideId::u1}) {
        MyTurn n(side);
        n.w.timePassed = 2;
        n.mine().turnSacrifices = 2;
        const unsigned restarts = n.w.timers.tmrTurnLimit.restarts();
        gameSubs::btnEnd_Click(n.w, side);
        EXPECT_TRUE(n.theirs().btnAttack.enabled && !n.theirs().btnOpen.enabled && !n.mine().btnEnd.enabled);
        EXPECT_EQ(n.w.timers.tmrTurnLimit.restarts(), restarts + 1);
        EXPECT_EQ(n.w.txtMins.text + std::to_string(n.w.timePassed) + std::to_string(n.mine().turnSacrifices),
                  "3 MINUTES00");
    }
    for (bool online : {true, false}) { // between two windows the board's hand-over gives the turn
        MyTurn o(SideId::u2);
        o.w.online.btnDisconnect.enabled = online;
        o.w.u1.txtLp.text = online ? "25" : "0";
        gameSubs::btnEnd_Click(o.w, SideId::u2);
        EXPECT_FALSE(o.w.u1.btnEnd.enabled || o.w.u2.btnEnd.enabled || o.w.timers.tmrTurnLimit.on());
        EXPECT_EQ(o.p.log, online ? Log{} : (Log{"sound: over.wav", "message: Player 2 wins."}));
    }
    // the third minute ends the turn
    MyTurn limit(SideId::u2);
    for (const char* left : {"2 MINUTES", "1 MINUTES"}) {
        gameSubs::tmrTurnLimit_Timer(limit.w);
        EXPECT_EQ(limit.w.txtMins.text, left);
    }
    EXPECT_TRUE(limit.p.log.empty());
    gameSubs::tmrTurnLimit_Timer(limit.w);
    EXPECT_EQ(limit.p.log, Log{"message: 3 minutes have passed. Your turn has automatically ended."});
    EXPECT_TRUE(limit.w.u1.btnEnd.enabled && !limit.w.u2.btnEnd.enabled);
    EXPECT_EQ(limit.w.txtChat.text,
              "<[9:05:31 PM] 3 minutes have passed. Your turn has automatically ended.>\r\n");
    limit.w.timers.tmrTurnLimit.setOn(false);
    EXPECT_TRUE(limit.refused([&] { gameSubs::tmrTurnLimit_Timer(limit.w); }, ""));
}
