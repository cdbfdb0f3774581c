#include "online/play_mode.h"
#include "rules/game_handlers.h"
#include "rules/turn_flow.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

namespace {

const std::set<std::string> firstMoveControls{"btnQ5U1",    "btnAddU1",     "btnSacriU1",
                                              "btnFieldU1", "btnSpecialU1", "btnEndU1"};

struct OfflineGame : ::testing::Test {
    TestWindow t;
    Window& w = t.w;
    TempFolder folder;
    const std::vector<std::string> deck40 = entries(40);
    std::string good = folder.deck("good.ucd", deck40);

    void SetUp() override { onlineSubs::smnOffline_Click(w); }

    // Opens a file for the side answering the shuffle question with No.
    void open(std::string_view side, const std::optional<std::string>& path) {
        t.prompter.files.push_back(path);
        t.prompter.answers.push_back(false);
        gameSubs::btnOpen_Click(w, side);
        t.prompter.answers.clear();
    }
};

} // namespace

TEST_F(OfflineGame, OpeningADeckStartsPlayer1sFirstMove) {
    open("u1", good);
    EXPECT_EQ(t.prompter.filters, std::vector<std::string>{"Deck File (*.ucd)"});
    EXPECT_TRUE(t.prompter.messages.empty());
    EXPECT_EQ(t.prompter.questions, std::vector<std::string>{"Do you want to shuffle your deck?"});
    EXPECT_EQ(w.u1.lstDeck.items(), deck40); // not shuffled on No
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
    EXPECT_TRUE(w.blnFirstMove);
    EXPECT_TRUE(w.timers.tmrTurnLimit.on());
    // No attack, direct attack, master or slot label in the first turn; the deck opens once.
    EXPECT_EQ(enabledTurnControls(w, "u1"), firstMoveControls);
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());

    // A click on a control that is disabled in the first move does nothing.
    const auto before = snapshot(w);
    for (auto click : {gameSubs::btnAttack_Click, gameSubs::btnDirect_Click, gameSubs::btnMaster_Click,
                       gameSubs::btnOpen_Click})
        click(w, "u1");
    gameSubs::lblAtt_Click(w, "u1", 1);
    EXPECT_EQ(snapshot(w), before);
}

TEST_F(OfflineGame, ShufflingOnYesRunsTwoFisherYatesPasses) {
    // A draw of 0 swaps each position with the first: one pass moves the top card to the
    // bottom, so two passes rotate the deck by two.
    t.random.script.assign(78, 0.0);
    t.prompter.files.push_back(good);
    t.prompter.answers.push_back(true);
    gameSubs::btnOpen_Click(w, "u1");
    std::vector<std::string> expected(deck40.begin() + 2, deck40.end());
    expected.push_back(deck40[0]);
    expected.push_back(deck40[1]);
    EXPECT_EQ(w.u1.lstDeck.items(), expected);
    EXPECT_TRUE(t.random.script.empty()); // 39 draws for each pass
}

TEST_F(OfflineGame, BadDeckFilesAreRefusedAndLeaveTheSideFreeToOpenAnother) {
    auto withLine = [&](int index, const std::string& line) {
        auto v = deck40;
        v[static_cast<std::size_t>(index)] = line;
        return v;
    };
    struct Case {
        std::optional<std::string> path;
        std::string message; // empty: no message at all
    };
    const Case cases[] = {
        {std::nullopt, ""},
        {folder.raw("old.ucd", "version15\r\n" + entry(100) + "\r\n"),
         "Your deck is outdated. Current deck version is 16."},
        {folder.raw("upper.ucd", "VERSION16\r\n"), "Your deck is outdated. Current deck version is 16."},
        {folder.raw("empty.ucd", ""), "Your deck is outdated. Current deck version is 16."},
        {folder.deck("short.ucd", entries(39)),
         "You have less than 40 cards! To play a real game you need 40. Try again."},
        {folder.deck("header.ucd", {}),
         "You have less than 40 cards! To play a real game you need 40. Try again."},
        {folder.deck("typo.ucd", withLine(4, "[105] CLOWNS")),
         "Line 6 of your deck file is not a card of the game: \"[105] CLOWNS\". The deck will not be "
         "loaded!"},
        {folder.deck("blank.ucd", withLine(39, "")),
         "Line 41 of your deck file is not a card of the game: \"\". The deck will not be loaded!"},
        {folder.deck("code.ucd", withLine(0, "[300] NOTHING")),
         "Line 2 of your deck file is not a card of the game: \"[300] NOTHING\". The deck will not be "
         "loaded!"},
        {folder.deck("tab.ucd", withLine(1, "[105]\tCLOWN")),
         "Line 3 of your deck file is not a card of the game: \"[105]?CLOWN\". The deck will not be loaded!"},
        {folder.path("missing.ucd"), deckFile::unreadableMessage(folder.path("missing.ucd"))},
        {folder.folder(), deckFile::unreadableMessage(folder.folder())},
        {folder.raw("huge.ucd", "version16\r\n" + std::string(5000, 'A') + "\r\n"),
         deckFile::unreadableMessage(folder.path("huge.ucd"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.value_or("cancelled"));
        const auto before = snapshot(w);
        t.prompter.messages.clear();
        open("u1", c.path);
        EXPECT_EQ(snapshot(w), before);
        if (c.message.empty())
            EXPECT_TRUE(t.prompter.messages.empty());
        else
            EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
    }
    EXPECT_TRUE(t.prompter.questions.empty());

    open("u1", good);
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
}

TEST_F(OfflineGame, ALongLineIsShownShortened) {
    const std::string line(100, 'X');
    EXPECT_EQ(gameSubs::notACardMessage(7, line), "Line 7 of your deck file is not a card of the game: \"" +
                                                      std::string(60, 'X') +
                                                      "...\". The deck will not be loaded!");
}

TEST_F(OfflineGame, FortyOneCardsLoadTheFirstFortyAfterOneMessage) {
    auto v = entries(41);
    v.push_back("not even a card"); // beyond the 40 loaded lines: never read
    open("u1", folder.deck("long.ucd", v));
    EXPECT_EQ(t.prompter.messages,
              std::vector<std::string>{"You have more than 40 cards! The rest will not be loaded!"});
    EXPECT_EQ(w.u1.lstDeck.items(), entries(40));
    EXPECT_EQ(w.u1.txtDeckCnt.text, "40");
}

TEST_F(OfflineGame, AnyLineEndIsAccepted) {
    for (const char* end : {"\n", "\r"}) {
        TestWindow other;
        onlineSubs::smnOffline_Click(other.w);
        std::string bytes = std::string("version16") + end;
        for (const auto& e : deck40)
            bytes += e + end;
        other.prompter.files.push_back(folder.raw("ends.ucd", bytes));
        gameSubs::btnOpen_Click(other.w, "u1");
        EXPECT_TRUE(other.prompter.messages.empty());
        EXPECT_EQ(other.w.u1.lstDeck.items(), deck40);
    }
}

TEST_F(OfflineGame, TurnsPassFromPlayer1ToPlayer2AndBack) {
    open("u1", good);
    w.txtMins.text = "1 MINUTES";
    w.timePassed = 2;
    gameSubs::btnEnd_Click(w, "u1");
    // Player 2 opens a deck next; nothing else, and no timer until then.
    EXPECT_TRUE(enabledTurnControls(w, "u1").empty());
    EXPECT_EQ(enabledTurnControls(w, "u2"), std::set<std::string>{"btnOpenU2"});
    EXPECT_FALSE(w.blnFirstMove);
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
    EXPECT_EQ(w.timePassed, 0);

    open("u2", good);
    EXPECT_EQ(enabledTurnControls(w, "u2"), allTurnControlsButOpen("u2"));
    EXPECT_FALSE(w.blnFirstMove);
    EXPECT_TRUE(w.timers.tmrTurnLimit.on());

    const unsigned restarts = w.timers.tmrTurnLimit.restarts();
    gameSubs::btnEnd_Click(w, "u2");
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());
    EXPECT_EQ(enabledTurnControls(w, "u1"), allTurnControlsButOpen("u1"));
    EXPECT_GT(w.timers.tmrTurnLimit.restarts(), restarts); // a fresh three minutes
    EXPECT_TRUE(t.prompter.messages.empty());

    gameSubs::btnEnd_Click(w, "u1");
    EXPECT_EQ(enabledTurnControls(w, "u2"), allTurnControlsButOpen("u2"));
}

TEST_F(OfflineGame, EndingATurnWithNoLifeLeftEndsTheGame) {
    open("u1", good);
    gameSubs::btnEnd_Click(w, "u1");
    open("u2", good);
    w.u1.txtLp.text = "0";
    gameSubs::btnEnd_Click(w, "u2");
    EXPECT_EQ(t.prompter.messages, std::vector<std::string>{"Player 2 wins."});
    EXPECT_TRUE(enabledTurnControls(w, "u1").empty());
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
}

TEST_F(OfflineGame, ThirdMinuteEndsTheTurnOfTheSideWhoseEndIsEnabled) {
    open("u1", good);
    gameSubs::btnEnd_Click(w, "u1");
    open("u2", good);
    t.clock.now = "10:11:12";

    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(w.txtMins.text, "2 MINUTES");
    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(w.txtMins.text, "1 MINUTES");
    EXPECT_TRUE(t.prompter.messages.empty());
    EXPECT_EQ(enabledTurnControls(w, "u2"), allTurnControlsButOpen("u2"));

    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(t.prompter.messages,
              std::vector<std::string>{"3 minutes have passed. Your turn has automatically ended."});
    EXPECT_EQ(w.txtChat.text, "<[10:11:12] 3 minutes have passed. Your turn has automatically ended.>\r\n");
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());
    EXPECT_EQ(enabledTurnControls(w, "u1"), allTurnControlsButOpen("u1"));
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
    EXPECT_EQ(w.timePassed, 0);
    EXPECT_TRUE(w.timers.tmrTurnLimit.on()); // player 1's fresh turn

    // Now player 1's END is the enabled one.
    for (int i = 0; i < 3; ++i)
        gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(enabledTurnControls(w, "u2"), allTurnControlsButOpen("u2"));
    EXPECT_TRUE(enabledTurnControls(w, "u1").empty());
}

TEST_F(OfflineGame, TimerTicksDoNothingWhileTheTimerIsOff) {
    const auto before = snapshot(w);
    gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(snapshot(w), before);
}

TEST_F(OfflineGame, TheTimerEndsPlayer1sFirstMove) {
    open("u1", good);
    for (int i = 0; i < 3; ++i)
        gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(enabledTurnControls(w, "u2"), std::set<std::string>{"btnOpenU2"});
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
}

TEST(OnlineOpening, NoTimerAndOnlyDrawingUntilTheBoardArrives) {
    TestWindow t;
    TempFolder folder;
    t.prompter.files.push_back(folder.deck("d.ucd", entries(40)));
    t.w.u2.btnOpen.enabled = true;
    gameSubs::btnOpen_Click(t.w, "u2");
    EXPECT_EQ(enabledTurnControls(t.w, "u2"), (std::set<std::string>{"btnQ5U2", "btnAddU2"}));
    EXPECT_FALSE(t.w.timers.tmrTurnLimit.on());

    t.prompter.files.push_back(folder.path("d.ucd"));
    t.w.u1.btnOpen.enabled = true;
    gameSubs::btnOpen_Click(t.w, "u1");
    EXPECT_EQ(enabledTurnControls(t.w, "u1"), firstMoveControls);
    EXPECT_FALSE(t.w.timers.tmrTurnLimit.on());
}

TEST(OnlineEndOfTurn, WhileConnectedTheTurnIsNotGivenHere) {
    TestWindow t;
    Window& w = t.w;
    gameSubs::enableSide(w, "u1");
    w.timers.tmrTurnLimit.setOn(true);
    w.online.btnDisconnect.enabled = true;
    gameSubs::btnEnd_Click(w, "u1");
    EXPECT_TRUE(enabledTurnControls(w, "u1").empty());
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
}

// Drawing: the hand holds at most 5 cards and the deck's top card is drawn first.
TEST(Drawing, DrawMovesTheTopCardUntilTheHandIsFull) {
    TestWindow t;
    Window& w = t.w;
    startTurn(w, "u1");
    Side& s = w.u1;
    setList(s.lstDeck, entries(3, 120), s.txtDeckCnt);
    setList(s.lstHand, entries(4), s.txtHandCnt);
    gameSubs::btnAdd_Click(w, "u1");
    EXPECT_EQ(s.lstHand.items().back(), entry(120));
    EXPECT_EQ(s.lstDeck.items(), entries(2, 121));
    EXPECT_EQ(s.txtDeckCnt.text, "2");
    EXPECT_EQ(s.txtHandCnt.text, "5");
    EXPECT_FALSE(s.btnAdd.enabled || s.btnQ5.enabled);
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(Drawing, RefusalsDisableDrawingAndChangeNothingElse) {
    struct Case {
        int deck, hand;
        void (*click)(Window&, std::string_view);
        std::string message;
        std::set<std::string> disabled;
    };
    const std::set<std::string> both{"btnQ5U2", "btnAddU2"};
    const Case cases[] = {
        {0, 2, gameSubs::btnAdd_Click, "There are no more cards in DECK to add to HAND.", both},
        {3, 5, gameSubs::btnAdd_Click, "You can only have 5 cards in your hand.", both},
        {0, 2, gameSubs::btnQ5_Click, "You don't have any cards in DECK to use Q5.", both},
        {3, 5, gameSubs::btnQ5_Click, "You already have 5 cards in HAND.", both},
        {2, 2, gameSubs::btnQ5_Click, "Not enough cards in DECK to use Q5.", {"btnQ5U2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TestWindow t;
        startTurn(t.w, "u2");
        setList(t.w.u2.lstDeck, entries(c.deck, 130), t.w.u2.txtDeckCnt);
        setList(t.w.u2.lstHand, entries(c.hand), t.w.u2.txtHandCnt);
        t.w.u2.lstHand.select(1);
        const auto before = snapshot(t.w);
        c.click(t.w, "u2");
        EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(changed(before, snapshot(t.w)), c.disabled);
    }
}

TEST(Drawing, Q5FillsTheHandFromTheTopOfTheDeck) {
    TestWindow t;
    Window& w = t.w;
    startTurn(w, "u2");
    Side& s = w.u2;
    setList(s.lstDeck, entries(3, 140), s.txtDeckCnt);
    setList(s.lstHand, entries(2), s.txtHandCnt);
    gameSubs::btnQ5_Click(w, "u2");
    std::vector<std::string> expected = entries(2);
    for (const auto& e : entries(3, 140))
        expected.push_back(e);
    EXPECT_EQ(s.lstHand.items(), expected);
    EXPECT_TRUE(s.lstDeck.empty());
    EXPECT_EQ(s.txtDeckCnt.text, "0");
    EXPECT_EQ(s.txtHandCnt.text, "5");
    EXPECT_FALSE(s.btnAdd.enabled || s.btnQ5.enabled);
    EXPECT_TRUE(s.btnField.enabled);
}

TEST(TurnTimer, TheMessageShowsWithNoMinutesLeft) {
    // A prompter that notes the minutes shown when its message box opens.
    struct Prompter : FakePrompter {
        const Window* w = nullptr;
        std::vector<std::string> minutes;
        void message(const std::string& text, const std::string& title) override {
            minutes.push_back(w->txtMins.text);
            FakePrompter::message(text, title);
        }
    } prompter;
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    ClosedSocket socket;
    Window w{Ports{prompter, sound, clock, random, socket}};
    prompter.w = &w;
    formLoad(w, "/nonexistent-grimward-folder");
    startTurn(w, "u1");
    for (int i = 0; i < 3; ++i)
        gameSubs::tmrTurnLimit_Timer(w);
    EXPECT_EQ(prompter.minutes, std::vector<std::string>{"0 MINUTES"});
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
}
