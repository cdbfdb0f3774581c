#include "online/play_mode.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

namespace {

struct RecordingSocket : Socket {
    State current = State::closed;
    int closes = 0;
    void close() override {
        ++closes;
        current = State::closed;
    }
    bool listen(std::uint16_t, std::string&) override { return true; }
    void accept(std::int32_t) override {}
    void connect(const std::string&, std::uint16_t) override {}
    State state() const override { return current; }
    void send(const std::string&) override {}
};

// A window in the middle of a game, on one machine or between two windows.
struct Game {
    TestWindow t;
    RecordingSocket socket;
    Window w{Ports{t.prompter, t.sound, t.clock, t.random, socket}};
    std::map<std::string, std::string> opening;

    explicit Game(bool online) {
        formLoad(w, "/nonexistent-grimward-folder");
        opening = snapshot(w);
        socket.closes = 0;
        online ? (void)(w.menu.smnOnline.checked = true) : onlineSubs::smnOffline_Click(w);
        w.menu.smnOffline.enabled = w.menu.smnOnline.enabled = false;
        w.online.btnDisconnect.enabled = w.online.txtMsg.enabled = online;
        startTurn(w, SideId::u2);
        w.menu.smnOffline.checked = !online;
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
};

} // namespace

TEST(PlayMode, OfflineLetsPlayer1OpenADeckAndFixesTheMode) {
    TestWindow t;
    const auto before = snapshot(t.w);
    onlineSubs::smnOffline_Click(t.w);
    EXPECT_EQ(changed(before, snapshot(t.w)),
              (std::set<std::string>{"btnOpenU1", "smnOffline", "smnOnline", "smnNewGame"}));
    EXPECT_TRUE(t.w.u1.btnOpen.enabled && t.w.menu.smnOffline.checked && t.w.menu.smnNewGame.enabled);
    EXPECT_FALSE(t.w.menu.smnOffline.enabled || t.w.menu.smnOnline.enabled);
    const auto chosen = snapshot(t.w);
    onlineSubs::smnOffline_Click(t.w); // disabled now
    EXPECT_EQ(snapshot(t.w), chosen);
}

// NEW GAME brings the window back to its state after start-up: on one machine after Yes to a
// question; between two windows without asking while nobody is connected, and not at all
// while connected (the other window must agree first).
TEST(PlayMode, NewGame) {
    Game offline(false);
    const auto playing = snapshot(offline.w);
    onlineSubs::smnNewGame_Click(offline.w); // answered No
    EXPECT_EQ(offline.t.prompter.questions, std::vector<std::string>{"Start a new game?"});
    EXPECT_EQ(snapshot(offline.w), playing);
    offline.t.prompter.answers.push_back(true);
    onlineSubs::smnNewGame_Click(offline.w);
    EXPECT_EQ(changed(offline.opening, snapshot(offline.w)), std::set<std::string>{});
    onlineSubs::smnOffline_Click(offline.w); // and a new game can start again
    EXPECT_TRUE(offline.w.u1.btnOpen.enabled);

    Game hosting(true);
    hosting.socket.current = Socket::State::listening;
    onlineSubs::smnNewGame_Click(hosting.w);
    EXPECT_TRUE(hosting.t.prompter.questions.empty());
    EXPECT_EQ(changed(hosting.opening, snapshot(hosting.w)), std::set<std::string>{});
    EXPECT_EQ(hosting.socket.closes, 1);

    Game connected(true);
    connected.socket.current = Socket::State::connected;
    const auto before = snapshot(connected.w);
    onlineSubs::smnNewGame_Click(connected.w);
    EXPECT_EQ(snapshot(connected.w), before);
    EXPECT_EQ(connected.socket.closes, 0);
    EXPECT_TRUE(offline.t.prompter.messages.empty() && hosting.t.prompter.messages.empty());
}
