#include "rules/game_handlers.h"
#include "rules/shuffle.h"
#include "rules/turn_flow.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;

// The shuffle is pinned to its seed: the same order on every compiler and every run.
TEST(Shuffle, GoldenOrderForASeed) {
    TestWindow t;
    t.p.seeded = SeededRandom(7);
    ListBox l;
    l.setItems(entries(10));
    l.select(3);
    gameSubs::shuffle(t.w, l);
    std::vector<int> codes;
    for (const auto& e : l.items())
        codes.push_back(*cardSubs::cardCode(e));
    EXPECT_EQ(codes, (std::vector<int>{109, 105, 108, 106, 101, 102, 104, 107, 100, 103}));
    EXPECT_EQ(l.selected(), 3);
}

TEST(OpenDeck, RefusesEveryFileThatIsNoFullDeck) {
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
}

TEST(OpenDeck, LoadsFortyAndStartsTheTurn) {
    TempFolder dir;
    const auto path = dir.deck("long.ucd", entries(41));
    for (SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t(side);
        t.w.menu.smnOffline.checked = true;
        t.mine().btnOpen.enabled = true;
        t.p.files = {path};
        t.p.answers = {false};
        gameSubs::btnOpen_Click(t.w, side);
        EXPECT_EQ(t.p.log, (Log{"message: You have more than 40 cards! The rest will not be loaded!",
                                "question: Do you want to shuffle your deck?"}));
        EXPECT_EQ(t.mine().lstDeck.items(), entries(40));
        EXPECT_EQ(t.mine().txtDeckCnt.text, "40");
        EXPECT_FALSE(t.mine().btnOpen.enabled);
        EXPECT_TRUE(t.mine().btnAdd.enabled && t.mine().btnQ5.enabled && t.mine().btnEnd.enabled);
        EXPECT_EQ(t.mine().btnAttack.enabled, side == SideId::u2); // player 1's first turn has no attack
        EXPECT_EQ(t.w.blnFirstMove, side == SideId::u1);
        EXPECT_TRUE(t.w.timers.tmrTurnLimit.on());
        EXPECT_TRUE(t.theirs().lstDeck.empty());
    }
}

TEST(Drawing, OneOrFiveAndTheirLimits) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t(side);
        t.myTurn();
        TestWindow::fill(t.mine().lstDeck, t.mine().txtDeckCnt, entries(6));
        TestWindow::fill(t.mine().lstHand, t.mine().txtHandCnt, entries(1, 150));
        gameSubs::btnAdd_Click(t.w, side);
        EXPECT_EQ(t.mine().lstHand.items(), (std::vector<std::string>{entry(150), entry(100)}));
        EXPECT_EQ(t.mine().txtDeckCnt.text + t.mine().txtHandCnt.text, "52");
        gameSubs::btnQ5_Click(t.w, side);
        EXPECT_EQ(t.mine().lstHand.item(4), entry(103));
        EXPECT_EQ(t.mine().txtDeckCnt.text + t.mine().txtHandCnt.text, "25");
        EXPECT_FALSE(t.mine().btnAdd.enabled || t.mine().btnQ5.enabled);
        EXPECT_TRUE(t.p.log.empty());
        EXPECT_TRUE(t.theirs().lstHand.empty());
    }
    const std::tuple<int, int, bool, const char*, bool> refusals[] = {
        {0, 1, false, "There are no more cards in DECK to add to HAND.", false},
        {3, 5, false, "You can only have 5 cards in your hand.", false},
        {0, 1, true, "You don't have any cards in DECK to use Q5.", false},
        {3, 5, true, "You already have 5 cards in HAND.", false},
        {2, 2, true, "Not enough cards in DECK to use Q5.", true},
    };
    for (const auto& [deck, hand, q5, message, addStays] : refusals) {
        TestWindow t;
        t.myTurn();
        TestWindow::fill(t.mine().lstDeck, t.mine().txtDeckCnt, entries(deck));
        TestWindow::fill(t.mine().lstHand, t.mine().txtHandCnt, entries(hand, 130));
        const auto before = snapshot(t.w);
        q5 ? gameSubs::btnQ5_Click(t.w, SideId::u1) : gameSubs::btnAdd_Click(t.w, SideId::u1);
        EXPECT_EQ(t.p.log, Log{std::string("message: ") + message});
        EXPECT_EQ(snapshot(t.w)["lstHandU1"], before.at("lstHandU1"));
        EXPECT_FALSE(t.mine().btnQ5.enabled);
        EXPECT_EQ(t.mine().btnAdd.enabled, addStays);
    }
}

TEST(EndTurn, PassesTheTurnOrEndsTheGame) {
    TestWindow t;
    t.myTurn();
    t.w.blnFirstMove = true;
    gameSubs::btnEnd_Click(t.w, SideId::u1); // player 1's first turn: player 2 opens a deck
    EXPECT_TRUE(t.w.u2.btnOpen.enabled && !t.w.u2.btnEnd.enabled && !t.w.u1.btnEnd.enabled);
    EXPECT_FALSE(t.w.blnFirstMove);
    for (SideId side : {SideId::u2, SideId::u1}) {
        TestWindow n(side);
        n.myTurn();
        n.w.timePassed = 2;
        n.mine().turnSacrifices = 2;
        const unsigned restarts = n.w.timers.tmrTurnLimit.restarts();
        gameSubs::btnEnd_Click(n.w, side);
        EXPECT_TRUE(n.theirs().btnAttack.enabled && !n.theirs().btnOpen.enabled && !n.mine().btnEnd.enabled);
        EXPECT_EQ(n.w.timers.tmrTurnLimit.restarts(), restarts + 1);
        EXPECT_EQ(n.w.txtMins.text + std::to_string(n.w.timePassed) + std::to_string(n.mine().turnSacrifices),
                  "3 MINUTES00");
    }
    TestWindow online(SideId::u2); // between two windows the board's hand-over gives the turn
    online.myTurn();
    online.w.online.btnDisconnect.enabled = true;
    gameSubs::btnEnd_Click(online.w, SideId::u2);
    EXPECT_FALSE(online.w.u1.btnEnd.enabled || online.w.u2.btnEnd.enabled ||
                 online.w.timers.tmrTurnLimit.on());
    TestWindow over(SideId::u2);
    over.myTurn();
    over.w.u1.txtLp.text = "0";
    gameSubs::btnEnd_Click(over.w, SideId::u2);
    EXPECT_FALSE(over.w.u1.btnEnd.enabled || over.w.timers.tmrTurnLimit.on());
    EXPECT_EQ(over.p.log, (Log{"sound: over.wav", "message: Player 2 wins."}));
}

TEST(TurnLimit, ThirdMinuteEndsTheTurn) {
    TestWindow t(SideId::u2);
    t.myTurn();
    for (const char* left : {"2 MINUTES", "1 MINUTES"}) {
        gameSubs::tmrTurnLimit_Timer(t.w);
        EXPECT_EQ(t.w.txtMins.text, left);
    }
    EXPECT_TRUE(t.p.log.empty());
    gameSubs::tmrTurnLimit_Timer(t.w);
    EXPECT_EQ(t.p.log, Log{"message: 3 minutes have passed. Your turn has automatically ended."});
    EXPECT_TRUE(t.w.u1.btnEnd.enabled && !t.w.u2.btnEnd.enabled);
    EXPECT_EQ(t.w.txtChat.text,
              "<[9:05:31 PM] 3 minutes have passed. Your turn has automatically ended.>\r\n");
    t.w.timers.tmrTurnLimit.setOn(false);
    EXPECT_TRUE(t.refused([&] { gameSubs::tmrTurnLimit_Timer(t.w); }, ""));
}
