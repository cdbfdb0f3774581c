#include "online/play_mode.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

namespace {

// A board in the middle of a game.
void midGame(Window& w) {
    startTurn(w, "u2");
    for (Side* s : {&w.u1, &w.u2}) {
        setList(s->lstDeck, entries(30), s->txtDeckCnt);
        setList(s->lstHand, entries(3, 130), s->txtHandCnt);
        setList(s->cmbGrave, entries(2, 150), s->txtGraveCnt);
        s->slot(2).text = fielded(141);
        s->txtLp.text = "17";
        s->txtSacriCnt.text = "3";
    }
    w.u2.turnSacrifices = 1;
    w.timePassed = 2;
    w.txtMins.text = "1 MINUTES";
}

void expectOpeningMenu(const Window& w) {
    EXPECT_TRUE(w.menu.smnOffline.enabled);
    EXPECT_FALSE(w.menu.smnOffline.checked);
    EXPECT_TRUE(w.menu.smnOnline.enabled);
    EXPECT_FALSE(w.menu.smnOnline.checked);
    EXPECT_FALSE(w.menu.smnNewGame.enabled);
}

void expectEmptyBoard(const Window& w) {
    for (const Side* s : {&w.u1, &w.u2}) {
        EXPECT_TRUE(s->lstDeck.empty() && s->lstHand.empty() && s->cmbGrave.empty());
        EXPECT_TRUE(s->lstDeck.visible && s->lstHand.visible);
        for (const auto& slot : s->txtAtt)
            EXPECT_EQ(slot.text, "");
        EXPECT_EQ(s->txtLp.text, "25");
        EXPECT_EQ(s->txtSacriCnt.text, "0");
        EXPECT_EQ(s->txtDeckCnt.text, "0");
    }
    EXPECT_TRUE(enabledTurnControls(w, "u1").empty());
    EXPECT_TRUE(enabledTurnControls(w, "u2").empty());
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
    EXPECT_EQ(w.timePassed, 0);
    EXPECT_EQ(w.txtMins.text, "3 MINUTES");
}

} // namespace

TEST(PlayMode, OfflineLetsPlayer1OpenADeckAndFixesTheMode) {
    TestWindow t;
    Window& w = t.w;
    expectOpeningMenu(w);
    const auto before = snapshot(w);
    onlineSubs::smnOffline_Click(w);
    EXPECT_EQ(changed(before, snapshot(w)),
              (std::set<std::string>{"btnOpenU1", "smnOffline", "smnOnline", "smnNewGame"}));
    EXPECT_TRUE(w.u1.btnOpen.enabled);
    EXPECT_TRUE(w.menu.smnOffline.checked);
    EXPECT_FALSE(w.menu.smnOffline.enabled || w.menu.smnOnline.enabled);
    EXPECT_TRUE(w.menu.smnNewGame.enabled);

    const auto chosen = snapshot(w);
    onlineSubs::smnOffline_Click(w); // disabled now
    EXPECT_EQ(snapshot(w), chosen);
}

TEST(PlayMode, NewGameOnOneMachineAsksFirst) {
    TestWindow t;
    Window& w = t.w;
    onlineSubs::smnOffline_Click(w);
    midGame(w);
    const auto before = snapshot(w);
    onlineSubs::smnNewGame_Click(w); // answered No
    EXPECT_EQ(t.prompter.questions, std::vector<std::string>{"Start a new game?"});
    EXPECT_EQ(snapshot(w), before);

    t.prompter.answers.push_back(true);
    onlineSubs::smnNewGame_Click(w);
    expectEmptyBoard(w);
    expectOpeningMenu(w);
    EXPECT_TRUE(t.prompter.messages.empty());

    // And a new game on one machine can start again.
    onlineSubs::smnOffline_Click(w);
    EXPECT_TRUE(w.u1.btnOpen.enabled);
}

namespace {
struct RecordingSocket : Socket {
    State current = State::listening;
    int closes = 0;
    void close() override {
        ++closes;
        current = State::closed;
    }
    bool listen(std::uint16_t) override { return true; }
    void accept(std::int32_t) override {}
    void connect(const std::string&, std::uint16_t) override {}
    State state() const override { return current; }
    void send(const std::string&) override {}
};
} // namespace

TEST(PlayMode, NewGameOnlineWithoutAConnectionResetsWithoutAsking) {
    FakePrompter prompter;
    FakeSound sound;
    FakeClock clock;
    ScriptedRandom random;
    RecordingSocket socket;
    Window w{Ports{prompter, sound, clock, random, socket}};
    formLoad(w, "/nonexistent-grimward-folder");
    socket.current = RecordingSocket::State::listening; // hosting, nobody joined yet
    socket.closes = 0;
    w.menu.smnOnline.checked = true;
    w.menu.smnOnline.enabled = false;
    w.menu.smnOffline.enabled = false;
    w.menu.smnNewGame.enabled = true;
    w.online.btnDisconnect.enabled = true;
    w.online.txtMsg.enabled = true;
    midGame(w);
    w.menu.smnOffline.checked = false;

    onlineSubs::smnNewGame_Click(w);
    EXPECT_TRUE(prompter.questions.empty());
    expectEmptyBoard(w);
    expectOpeningMenu(w);
    EXPECT_FALSE(w.online.btnDisconnect.enabled || w.online.txtMsg.enabled || w.online.btnHost.enabled);
    EXPECT_EQ(socket.closes, 1);
    EXPECT_FALSE(w.timers.tmrWait.on());

    // While connected the other window must agree first: nothing changes here.
    socket.current = RecordingSocket::State::connected;
    w.menu.smnNewGame.enabled = true;
    midGame(w);
    w.menu.smnOffline.checked = false;
    const auto before = snapshot(w);
    onlineSubs::smnNewGame_Click(w);
    EXPECT_EQ(snapshot(w), before);
    EXPECT_EQ(socket.closes, 1);
}
