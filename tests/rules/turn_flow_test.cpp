#include "online/play_mode.h"
#include "rules/game_handlers.h"
#include "rules/turn_flow.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;
using Texts = std::vector<std::string>;

namespace {

const std::set<std::string> firstMoveControls{"btnQ5U1",    "btnAddU1",     "btnSacriU1",
                                              "btnFieldU1", "btnSpecialU1", "btnEndU1"};

struct OfflineGame : ::testing::Test {
    TestWindow t;
    Window& w = t.w;
    TempFolder folder;
    const Texts deck40 = entries(40);
    std::string good = folder.deck("good.ucd", deck40);

    void SetUp() override { onlineSubs::smnOffline_Click(w); }

    // Opens a file for the side, answering the shuffle question with No.
    void open(SideId side, const std::optional<std::string>& path) {
        t.prompter.files.push_back(path);
        t.prompter.answers.push_back(false);
        gameSubs::btnOpen_Click(w, side);
        t.prompter.answers.clear();
    }
    // Player 1's first move is over and player 2 has opened a deck.
    void toPlayer2sTurn() {
        open(SideId::u1, good);
        gameSubs::btnEnd_Click(w, SideId::u1);
        open(SideId::u2, good);
    }
};

} // namespace

TEST_F(OfflineGame, OpeningADeckStartsPlayer1sFirstMove) {
    open(SideId::u1, good);
    EXPECT_EQ(t.prompter.filters, Texts{"Deck File (*.ucd)"});
    EXPECT_TRUE(t.prompter.messages.empty());
    EXPECT_EQ(t.prompter.questions, Texts{"Do you want to shuffle your deck?"});
    EXPECT_EQ(w.u1.lstDeck.items(), deck40); // not shuffled on No
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
    EXPECT_TRUE(w.blnFirstMove);
    EXPECT_TRUE(w.timers.tmrTurnLimit.on());
    // No attack, direct attack, master or slot label in the first turn; the deck opens once.
    EXPECT_EQ(enabledTurnControls(w, SideId::u1), firstMoveControls);
    EXPECT_TRUE(enabledTurnControls(w, SideId::u2).empty());
    const auto before = snapshot(w);
    for (auto click : {gameSubs::btnAttack_Click, gameSubs::btnDirect_Click, gameSubs::btnMaster_Click,
                       gameSubs::btnOpen_Click})
        click(w, SideId::u1);
    gameSubs::lblAtt_Click(w, SideId::u1, 1);
    EXPECT_EQ(snapshot(w), before);
}

TEST_F(OfflineGame, ShufflingOnYesRunsTwoFisherYatesPasses) {
    // A draw of 0 swaps each position with the first: one pass moves the top card to the
    // bottom, so two passes rotate the deck by two.
    t.random.script.assign(78, 0.0);
    t.prompter.files.push_back(good);
    t.prompter.answers.push_back(true);
    gameSubs::btnOpen_Click(w, SideId::u1);
    Texts expected(deck40.begin() + 2, deck40.end());
    expected.insert(expected.end(), deck40.begin(), deck40.begin() + 2);
    EXPECT_EQ(w.u1.lstDeck.items(), expected);
    EXPECT_TRUE(t.random.script.empty()); // 39 draws for each pass
}

TEST_F(OfflineGame, BadDeckFilesAreRefusedAndLeaveTheSideFreeToOpenAnother) {
    auto withLine = [&](int index, const std::string& line) {
        auto v = deck40;
        v[static_cast<std::size_t>(index)] = line;
        return v;
    };
    auto notACard = [](int line, const std::string& shown) {
        return "Line " + std::to_string(line) + " of your deck file is not a card of the game: \"" + shown +
               "\". The deck will not be loaded!";
    };
    struct Case {
        std::optional<std::string> path;
        std::string message; // empty: no message at all
    };
    const Case cases[] = {
        {std::nullopt, ""},
        {folder.raw("old.ucd", "version15\r\n" + entry(100) + "\r\n"),
         "Your deck is outdated. Current deck version is 16."},
        {folder.deck("short.ucd", entries(39)),
         "You have less than 40 cards! To play a real game you need 40. Try again."},
        {folder.deck("typo.ucd", withLine(4, "[105] CLOWNS")), notACard(6, "[105] CLOWNS")},
        {folder.deck("power.ucd", withLine(0, "[105] CLOWN 100")), notACard(2, "[105] CLOWN 100")},
        {folder.deck("code.ucd", withLine(20, "[300] NOTHING")), notACard(22, "[300] NOTHING")},
        {folder.deck("blank.ucd", withLine(39, "")), notACard(41, "")},
        {folder.deck("tab.ucd", withLine(1, "[105]\tCLOWN")), notACard(3, "[105]?CLOWN")},
        {folder.deck("long.ucd", withLine(1, std::string(100, 'X'))),
         notACard(3, std::string(60, 'X') + "...")},
        {folder.path("missing.ucd"), deckFile::unreadableMessage(folder.path("missing.ucd"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.value_or("cancelled"));
        const auto before = snapshot(w);
        t.prompter.messages.clear();
        open(SideId::u1, c.path);
        EXPECT_EQ(snapshot(w), before);
        EXPECT_EQ(t.prompter.messages, c.message.empty() ? Texts{} : Texts{c.message});
    }
    EXPECT_TRUE(t.prompter.questions.empty());
    open(SideId::u1, good);
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
}

TEST_F(OfflineGame, FortyOneCardsLoadTheFirstFortyAfterOneMessage) {
    auto v = entries(41);
    v.push_back("not even a card"); // beyond the 40 loaded lines: never read
    open(SideId::u1, folder.deck("long.ucd", v));
    EXPECT_EQ(t.prompter.messages, Texts{"You have more than 40 cards! The rest will not be loaded!"});
    EXPECT_EQ(w.u1.lstDeck.items(), entries(40));
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
}

TEST_F(OfflineGame, TurnsPassFromPlayer1ToPlayer2AndBack) {
    open(SideId::u1, good);
    w.txtMins.text = "1 MINUTES";
    w.timePassed = 2;
    gameSubs::btnEnd_Click(w, SideId::u1);
    // Player 2 opens a deck next; nothing else, and no timer until then.
    EXPECT_TRUE(enabledTurnControls(w, SideId::u1).empty());
    EXPECT_EQ(enabledTurnControls(w, SideId::u2), std::set<std::string>{"btnOpenU2"});
    EXPECT_FALSE(w.blnFirstMove);
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
    EXPECT_EQ(w.timePassed, 0);

    open(SideId::u2, good);
    EXPECT_EQ(enabledTurnControls(w, SideId::u2), allTurnControlsButOpen(SideId::u2));
    EXPECT_TRUE(w.timers.tmrTurnLimit.on());

    const unsigned restarts = w.timers.tmrTurnLimit.restarts();
    gameSubs::btnEnd_Click(w, SideId::u2);
    EXPECT_TRUE(enabledTurnControls(w, SideId::u2).empty());
    EXPECT_EQ(enabledTurnControls(w, SideId::u1), allTurnControlsButOpen(SideId::u1));
    EXPECT_GT(w.timers.tmrTurnLimit.restarts(), restarts); // a fresh three minutes
    gameSubs::btnEnd_Click(w, SideId::u1);
    EXPECT_EQ(enabledTurnControls(w, SideId::u2), allTurnControlsButOpen(SideId::u2));
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST_F(OfflineGame, EndingATurnWithNoLifeLeftEndsTheGame) {
    toPlayer2sTurn();
    w.u1.txtLp.text = "0";
    gameSubs::btnEnd_Click(w, SideId::u2);
    EXPECT_EQ(t.prompter.messages, Texts{"Player 2 wins."});
    EXPECT_TRUE(enabledTurnControls(w, SideId::u1).empty());
    EXPECT_TRUE(enabledTurnControls(w, SideId::u2).empty());
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
}

TEST_F(OfflineGame, TheThirdMinuteEndsTheTurnOfTheSideWhoseEndIsEnabled) {
    const auto idle = snapshot(w);
    gameSubs::tmrTurnLimit_Timer(w); // the timer is off
    EXPECT_EQ(snapshot(w), idle);

    toPlayer2sTurn();
    t.clock.now = "10:11:12";
    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(w.txtMins.text, "2 MINUTES");
    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(w.txtMins.text, "1 MINUTES");
    EXPECT_TRUE(t.prompter.messages.empty());
    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(t.prompter.messages, Texts{"3 minutes have passed. Your turn has automatically ended."});
    EXPECT_EQ(w.txtChat.text, "<[10:11:12] 3 minutes have passed. Your turn has automatically ended.>\r\n");
    EXPECT_TRUE(enabledTurnControls(w, SideId::u2).empty());
    EXPECT_EQ(enabledTurnControls(w, SideId::u1), allTurnControlsButOpen(SideId::u1));
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
    EXPECT_EQ(w.timePassed, 0);
    EXPECT_TRUE(w.timers.tmrTurnLimit.on()); // player 1's fresh turn

    for (int i = 0; i < 3; ++i)
        gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(enabledTurnControls(w, SideId::u2), allTurnControlsButOpen(SideId::u2));
    EXPECT_TRUE(enabledTurnControls(w, SideId::u1).empty());
}

TEST(TurnTimer, TheMessageShowsWithNoMinutesLeft) {
    // A prompter that notes the minutes shown when its message box opens.
    struct Prompter : FakePrompter {
        const Window* w = nullptr;
        Texts minutes;
        void message(const std::string& text, const std::string& title) override {
            minutes.push_back(w->txtMins.text);
            FakePrompter::message(text, title);
        }
    } prompter;
    TestWindow t;
    Window w{Ports{prompter, t.sound, t.clock, t.random, t.socket}};
    prompter.w = &w;
    formLoad(w, "/nonexistent-grimward-folder");
    startTurn(w, SideId::u1);
    for (int i = 0; i < 3; ++i)
        gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(prompter.minutes, Texts{"0 MINUTES"});
}

// Between two windows: no turn timer and only drawing until the board arrives, and the
// turn is not handed over here.
TEST(OnlineTurns, TheOtherWindowGivesTheTurn) {
    TestWindow t;
    TempFolder folder;
    t.prompter.files = {folder.deck("d.ucd", entries(40)), folder.path("d.ucd")};
    t.w.u2.btnOpen.enabled = t.w.u1.btnOpen.enabled = true;
    gameSubs::btnOpen_Click(t.w, SideId::u2);
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u2), (std::set<std::string>{"btnQ5U2", "btnAddU2"}));
    gameSubs::btnOpen_Click(t.w, SideId::u1);
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u1), firstMoveControls);
    EXPECT_FALSE(t.w.timers.tmrTurnLimit.on());

    gameSubs::enableSide(t.w, SideId::u1);
    t.w.timers.tmrTurnLimit.setOn(true);
    t.w.online.btnDisconnect.enabled = true;
    gameSubs::btnEnd_Click(t.w, SideId::u1);
    EXPECT_TRUE(enabledTurnControls(t.w, SideId::u1).empty());
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u2), (std::set<std::string>{"btnQ5U2", "btnAddU2"}));
    EXPECT_FALSE(t.w.timers.tmrTurnLimit.on());
}

// Drawing: the hand holds at most 5 cards and the deck's top card is drawn first; after a
// full hand or a refusal (with its message) drawing ends, and Q5 short of cards leaves ADD.
TEST(Drawing, DrawAndQ5) {
    struct Case {
        void (*click)(Window&, SideId);
        int deck, hand, drawn;
        std::string message; // "" when none
        std::set<std::string> disabled;
    };
    const auto add = gameSubs::btnAdd_Click, q5 = gameSubs::btnQ5_Click;
    const std::set<std::string> both{"btnQ5U1", "btnAddU1"};
    const Case cases[] = {
        {add, 3, 4, 1, "", both},
        {q5, 3, 2, 3, "", both},
        {add, 0, 2, 0, "There are no more cards in DECK to add to HAND.", both},
        {add, 3, 5, 0, "You can only have 5 cards in your hand.", both},
        {q5, 0, 2, 0, "You don't have any cards in DECK to use Q5.", both},
        {q5, 3, 5, 0, "You already have 5 cards in HAND.", both},
        {q5, 2, 2, 0, "Not enough cards in DECK to use Q5.", {"btnQ5U1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TestWindow t;
        Side& s = t.w.u1;
        startTurn(t.w, SideId::u1);
        const Texts deck = entries(c.deck, 140);
        setList(s.lstDeck, deck, s.txtDeckCnt);
        setList(s.lstHand, entries(c.hand), s.txtHandCnt);
        auto before = snapshot(t.w);
        c.click(t.w, SideId::u1);
        EXPECT_EQ(t.prompter.messages, c.message.empty() ? Texts{} : Texts{c.message});
        Texts hand = entries(c.hand);
        hand.insert(hand.end(), deck.begin(), deck.begin() + c.drawn);
        EXPECT_EQ(s.lstHand.items(), hand);
        EXPECT_EQ(s.lstDeck.items(), Texts(deck.begin() + c.drawn, deck.end()));
        EXPECT_EQ(s.txtDeckCnt.text, std::to_string(c.deck - c.drawn));
        EXPECT_EQ(s.txtHandCnt.text, std::to_string(c.hand + c.drawn));
        for (const char* moved : {"lstDeckU1", "lstHandU1", "txtDeckCntU1", "txtHandCntU1"})
            before[moved] = snapshot(t.w).at(moved);
        EXPECT_EQ(changed(before, snapshot(t.w)), c.disabled);
    }
}
