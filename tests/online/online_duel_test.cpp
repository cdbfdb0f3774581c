// Two complete windows' cores playing online through the in-memory socket pair: the
// connection, the version check, sides, chat, the board hand-over of a whole game, restart
// and every end of a connection.
#include "board/game_subs.h"
#include "board/message_log.h"
#include "online/board_parts.h"
#include "online/online_subs.h"
#include "online/play_mode.h"
#include "rules/game_handlers.h"
#include "support/socket_pair.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

const std::string established = "<[9:05:31 PM] A connection with other player has been established. Checking "
                                "game version compatibility.>";
const std::string compatible = "<[9:05:31 PM] Game versions are compatible. Let the duel begin.>";

// The last line of the log (the text after its last CR LF).
std::string lastLine(const Window& w) {
    const auto at = w.txtChat.text.rfind("\r\n");
    return at == std::string::npos ? w.txtChat.text : w.txtChat.text.substr(at + 2);
}

// The board's zones and counters, named, in a form two windows can be compared by.
std::string board(const Window& w) {
    std::string text;
    for (const Side* s : {&w.u1, &w.u2}) {
        for (const ListBox* l : {&s->lstDeck, &s->lstHand, &s->cmbGrave}) {
            for (const auto& item : l->items())
                text += item + "|";
            text += "\n";
        }
        for (const auto& slot : s->txtAtt)
            text += slot.text + "|";
        for (const TextBox* t : {&s->txtDeckCnt, &s->txtHandCnt, &s->txtGraveCnt, &s->txtLp, &s->txtSacriCnt})
            text += t->text + "|";
        text += "\n";
    }
    return text;
}

// A host and a joiner with ONLINE chosen; connect() opens the duel.
struct Duel {
    MemoryNetwork net;
    NetWindow host{net}, join{net};

    explicit Duel(std::size_t chunk = 0) {
        net.chunk = chunk;
        join.w.online.txtIp.text = "127.0.0.1";
        join.w.online.txtPlayer.text = "BOB";
        join.clock.now = "10:00:00 AM";
        smnOnline_Click(host.w);
        smnOnline_Click(join.w);
    }
    void connect() {
        btnHost_Click(host.w);
        btnJoin_Click(join.w);
        net.pump();
    }
    // SET on the host with PLAYER 1 (or PLAYER 2) selected.
    void setSides(bool hostIsPlayer1) {
        (hostIsPlayer1 ? host.w.online.optPlayer1 : host.w.online.optPlayer2).checked = true;
        btnSet_Click(host.w);
        net.pump();
    }
};

TEST(OnlineDuel, HostAndJoinOpenTheDuelHoweverTheBytesAreSplit) {
    for (std::size_t chunk : {0, 1, 3, 7}) {
        SCOPED_TRACE("chunk " + std::to_string(chunk));
        Duel d(chunk);
        d.connect();
        EXPECT_EQ(d.host.socket.sent, (std::vector<std::string>{"</whatGameVersion/>", "</connected/>"}));
        EXPECT_EQ(d.join.socket.sent, (std::vector<std::string>{"</gameVersion=16/>"}));
        EXPECT_EQ(d.host.w.txtChat.text, "\r\n<[9:05:31 PM] Waiting for other player to connect>\r\n" +
                                             established + "\r\n" + compatible);
        EXPECT_EQ(d.join.w.txtChat.text, "\r\n<[10:00:00 AM] Attempting to connect to 127.0.0.1>\r\n" +
                                             std::string("<[10:00:00 AM]") + established.substr(13) +
                                             "\r\n<[10:00:00 AM]" + compatible.substr(13));
        for (NetWindow* t : {&d.host, &d.join}) {
            const OnlinePanel& o = t->w.online;
            const bool isHost = t == &d.host;
            EXPECT_EQ(t->sound.played, std::vector<std::string>{"update.wav"});
            EXPECT_TRUE(o.txtMsg.enabled && o.btnDisconnect.enabled && t->w.menu.smnNewGame.enabled);
            EXPECT_FALSE(o.btnHost.enabled || o.btnJoin.enabled || o.txtPlayer.enabled || o.txtIp.enabled ||
                         o.txtPort.enabled);
            // Only the host chooses the sides at the first connection.
            EXPECT_EQ(o.optPlayer1.enabled, isHost);
            EXPECT_EQ(o.optPlayer2.enabled, isHost);
            EXPECT_EQ(o.btnSet.enabled, isHost);
            EXPECT_TRUE(t->prompter.messages.empty());
        }
        // A join that succeeded keeps its connect timer until the first tick, which only stops it.
        ASSERT_TRUE(d.join.w.timers.tmrConnect.on());
        const auto before = d.join.w.txtChat.text;
        tmrConnect_Timer(d.join.w);
        EXPECT_FALSE(d.join.w.timers.tmrConnect.on());
        EXPECT_EQ(d.join.w.txtChat.text, before);
        EXPECT_FALSE(d.join.w.online.txtIp.enabled);
    }
}

TEST(OnlineDuel, VersionCheck) {
    struct Case {
        std::string answer;
        bool opens;
    };
    for (const Case& c : {Case{"</gameVersion=16/>", true}, Case{"</gameVersion=15/>", false},
                          Case{"</gameVersion=16 />", false}, Case{"</gameVersion=/>", false},
                          Case{"</gameVersion=160/>", false}}) {
        SCOPED_TRACE(c.answer);
        Duel d;
        btnHost_Click(d.host.w);
        btnJoin_Click(d.join.w);
        d.net.pump(1); // the host accepts; the joiner's own answer is dropped for this peer's
        d.net.events.clear();
        Winsock_Connect(d.join.w);
        d.join.socket.send(c.answer);
        d.net.pump();
        EXPECT_EQ(d.host.w.online.btnSet.enabled, c.opens);
        EXPECT_EQ(d.host.socket.sent.back(), c.opens ? "</connected/>" : "</wrongVersion/>");
        EXPECT_EQ(d.join.w.online.txtMsg.enabled, c.opens);
        if (c.opens) continue;
        // The host keeps the connection; the joiner closes it, and the host hears the hang-up.
        EXPECT_NE(d.host.w.txtChat.text.find("<[9:05:31 PM] Game versions are incompatible. Disconnected.>"),
                  std::string::npos);
        EXPECT_NE(d.join.w.txtChat.text.find("<[10:00:00 AM] Game versions incompatible. Disconnected.>"),
                  std::string::npos);
        EXPECT_EQ(d.join.socket.state(), Socket::State::closed);
        EXPECT_EQ(d.host.prompter.messages, std::vector<std::string>{hangUpMessage});
        EXPECT_TRUE(d.join.prompter.messages.empty());
        // The joiner's connect timer then finds no connection.
        tmrConnect_Timer(d.join.w);
        EXPECT_EQ(lastLine(d.join.w), "<Not able to connect to 127.0.0.1.>");
        EXPECT_TRUE(d.join.w.online.txtPort.enabled && d.join.w.online.optPlayer1.enabled);
        EXPECT_FALSE(d.join.w.online.btnHost.enabled || d.join.w.online.btnJoin.enabled);
    }
}

TEST(OnlineDuel, SetChoosesTheSidesOfBothWindows) {
    for (int choice : {0, 1, 2}) {
        SCOPED_TRACE(choice);
        Duel d;
        d.connect();
        const auto hostBefore = snapshot(d.host.w);
        const auto joinBefore = snapshot(d.join.w);
        if (choice == 0) {
            btnSet_Click(d.host.w);
            d.net.pump();
            EXPECT_EQ(d.host.prompter.messages, std::vector<std::string>{noSideMessage});
            EXPECT_EQ(snapshot(d.host.w), hostBefore);
            EXPECT_EQ(snapshot(d.join.w), joinBefore);
            continue;
        }
        d.setSides(choice == 1);
        Window& p1 = choice == 1 ? d.host.w : d.join.w;
        Window& p2 = choice == 1 ? d.join.w : d.host.w;
        EXPECT_EQ(d.host.socket.sent.back(), choice == 1 ? "</set1/>" : "</set2/>");
        EXPECT_TRUE(p1.online.optPlayer1.checked && !p1.online.optPlayer2.checked);
        EXPECT_TRUE(!p2.online.optPlayer1.checked && p2.online.optPlayer2.checked);
        EXPECT_TRUE(p1.u1.lstDeck.visible && p1.u1.lstHand.visible && p1.u1.btnOpen.enabled);
        EXPECT_FALSE(p1.u2.lstDeck.visible || p1.u2.lstHand.visible);
        EXPECT_TRUE(p2.u2.lstDeck.visible && p2.u2.lstHand.visible);
        EXPECT_FALSE(p2.u1.lstDeck.visible || p2.u1.lstHand.visible || p2.u2.btnOpen.enabled);
        EXPECT_TRUE(p1.timers.tmrTurnLimit.on());
        EXPECT_FALSE(p2.timers.tmrTurnLimit.on());
        for (Window* w : {&p1, &p2})
            EXPECT_FALSE(w->online.optPlayer1.enabled || w->online.optPlayer2.enabled ||
                         w->online.btnSet.enabled);
    }
}

TEST(OnlineDuel, ChatBothWaysShowsControlCharactersAsQuestionMarks) {
    Duel d;
    d.connect();
    d.host.w.online.txtMsg.text = "good luck";
    txtMsg_KeyPress(d.host.w, 'a'); // other keys only type
    EXPECT_EQ(d.host.w.online.txtMsg.text, "good luck");
    txtMsg_KeyPress(d.host.w, 13);
    d.net.pump();
    const std::string line = "^[9:05:31 PM] ACE>-> good luck";
    EXPECT_EQ(lastLine(d.host.w), line);
    EXPECT_EQ(lastLine(d.join.w), line);
    EXPECT_TRUE(d.host.w.online.txtMsg.text.empty());
    EXPECT_EQ(d.join.sound.played.back(), "im.wav");

    txtMsg_KeyPress(d.join.w, 13); // an empty box still sends a line
    d.net.pump();
    EXPECT_EQ(lastLine(d.host.w), "^[10:00:00 AM] BOB>-> ");
    EXPECT_EQ(d.host.sound.played.back(), "im.wav");

    struct Case {
        std::string sent, shown;
    };
    for (const Case& c :
         {Case{"^a\r\n<[1:00:00 PM] Connection ended by you>", "^a?"
                                                               "?<[1:00:00 PM] Connection ended by you>"},
          Case{"<Other player refused to start a new game.>", refusedNotice},
          Case{std::string("<\x01\x1f\x7f\xe9>"), std::string("<??\x7f\xe9>")}}) {
        d.join.socket.send(c.sent);
        d.net.pump();
        EXPECT_EQ(lastLine(d.host.w), c.shown);
    }
    // A line over 4096 bytes ends the connection through the error path; 4096 is shown.
    d.join.socket.send("^" + std::string(4095, 'x'));
    d.net.pump();
    EXPECT_EQ(lastLine(d.host.w).size(), 4096u);
    d.join.socket.send("<" + std::string(4096, 'x'));
    d.net.pump();
    EXPECT_EQ(d.host.prompter.messages, std::vector<std::string>{errorMessage});
    EXPECT_EQ(d.join.prompter.messages, std::vector<std::string>{hangUpMessage});
    EXPECT_EQ(lastLine(d.host.w), "<[9:05:31 PM] Connection ended because of an error.>");
}

// Plays the side's turn on its own window: open the deck, draw, field a card, strike
// directly when the opponent's field is empty and this side plays to win, end the turn.
void playTurn(NetWindow& t, SideId side, const std::string& deck, bool attacks) {
    Window& w = t.w;
    const SideId id = side;
    Side& s = w.side(side);
    if (s.btnOpen.enabled) {
        t.prompter.files.push_back(deck);
        t.prompter.answers.push_back(false);
        gameSubs::btnOpen_Click(w, id);
    }
    if (s.btnQ5.enabled && s.lstHand.count() == 0) gameSubs::btnQ5_Click(w, id);
    if (s.btnAdd.enabled && s.lstHand.count() < 5) gameSubs::btnAdd_Click(w, id);
    if (attacks && s.btnField.enabled && gameSubs::occupiedSlots(s) < 5 && !s.lstHand.empty()) {
        s.lstHand.select(0);
        gameSubs::btnField_Click(w, id);
    }
    if (attacks && s.btnDirect.enabled) gameSubs::btnDirect_Click(w, id);
    ASSERT_TRUE(s.btnEnd.enabled) << idText(id);
    gameSubs::btnEnd_Click(w, id);
}

// Ticks the sender's update (and synch) timer eight times, delivering each part; checks
// the progress box on both windows after every part.
::testing::AssertionResult handOver(Duel& d, NetWindow& from, NetWindow& to) {
    if (from.w.txtUpdates.text != "0 of 8") return ::testing::AssertionFailure() << "no hand-over began";
    for (int i = 1; i <= 8; ++i) {
        if (!from.w.timers.tmrUpdate.on())
            return ::testing::AssertionFailure() << "update timer off at " << i;
        tmrUpdate_Timer(from.w);
        tmrSynch_Timer(from.w);
        d.net.pump();
        const std::string progress = std::to_string(i) + " of 8";
        if (from.w.txtUpdates.text != progress || to.w.txtUpdates.text != progress)
            return ::testing::AssertionFailure() << "progress " << from.w.txtUpdates.text << " / "
                                                 << to.w.txtUpdates.text << " at part " << i;
    }
    if (from.w.timers.tmrUpdate.on()) return ::testing::AssertionFailure() << "update timer still on";
    return ::testing::AssertionSuccess();
}

TEST(OnlineDuel, AWholeGameKeepsBothBoardsIdenticalAfterEveryHandOver) {
    TempFolder folder;
    std::vector<std::string> d1, d2;
    for (int i = 0; i < 40; ++i) {
        d1.push_back(regCards()[static_cast<std::size_t>(i % 5)].name);
        d2.push_back(regCards()[static_cast<std::size_t>(i)].name);
    }
    const std::string deck1 = folder.deck("one.ucd", d1), deck2 = folder.deck("two.ucd", d2);
    Duel d;
    d.connect();
    d.setSides(false); // the joiner plays player 1
    NetWindow& p1 = d.join;
    NetWindow& p2 = d.host;

    int handOvers = 0;
    for (int turn = 0; turn < 200 && p1.prompter.messages.empty(); ++turn) {
        const bool p1Turn = turn % 2 == 0;
        NetWindow& from = p1Turn ? p1 : p2;
        NetWindow& to = p1Turn ? p2 : p1;
        ASSERT_NO_FATAL_FAILURE(
            playTurn(from, p1Turn ? SideId::u1 : SideId::u2, p1Turn ? deck1 : deck2, p1Turn));
        d.net.pump();
        EXPECT_EQ(lastLine(to.w), "<[" + from.clock.now + "] Other player is updating changes 1-8 to you.>");
        ASSERT_TRUE(handOver(d, from, to)) << "turn " << turn;
        ++handOvers;
        ASSERT_EQ(board(from.w), board(to.w)) << "turn " << turn;
        EXPECT_EQ(lastLine(from.w), "<[" + from.clock.now + "] Changes updated successfully.>");
        if (turn == 0) {
            // Player 2's open-deck button came with "</synch/>".
            EXPECT_TRUE(p2.w.u2.btnOpen.enabled);
            EXPECT_FALSE(p1.w.timers.tmrSynch.on());
        }
        if (!to.prompter.messages.empty()) break;
        // The receiver's player has the turn, with a fresh turn timer; the sender's is off.
        EXPECT_TRUE(to.w.side(p1Turn ? SideId::u2 : SideId::u1).btnEnd.enabled);
        EXPECT_TRUE(to.w.timers.tmrTurnLimit.on());
        EXPECT_EQ(lastLine(to.w), "<[" + to.clock.now + "] Changes from other player updated successfully.>");
        EXPECT_EQ(to.sound.played.back(), "update.wav");
    }
    EXPECT_EQ(p1.prompter.messages, std::vector<std::string>{"Player 1 wins."});
    EXPECT_EQ(p2.prompter.messages, std::vector<std::string>{"Player 1 wins."});
    EXPECT_EQ(p2.w.u2.txtLp.text, "0");
    EXPECT_EQ(handOvers, 51);
    for (NetWindow* t : {&p1, &p2}) {
        EXPECT_EQ(t->sound.played.back(), "over.wav");
        EXPECT_TRUE(t->w.u1.lstDeck.visible && t->w.u2.lstHand.visible);
        EXPECT_FALSE(t->w.timers.tmrTurnLimit.on() || t->w.u1.btnEnd.enabled || t->w.u2.btnEnd.enabled);
    }
}

TEST(OnlineDuel, RestartAgreedAndRefused) {
    for (bool agree : {true, false}) {
        SCOPED_TRACE(agree);
        Duel d;
        d.connect();
        d.setSides(true);
        d.host.w.u1.cmbGrave.add("[100] GNOME");
        d.host.w.u1.txtLp.text = "7";
        const auto hostBefore = snapshot(d.host.w);
        d.join.prompter.answers.push_back(agree);
        smnNewGame_Click(d.host.w);
        EXPECT_EQ(d.host.prompter.messages, std::vector<std::string>{restartSentMessage});
        EXPECT_EQ(d.host.socket.sent.back(), "</r/>");
        d.net.pump();
        EXPECT_EQ(d.join.prompter.questions, std::vector<std::string>{restartQuestion});
        if (agree) {
            EXPECT_EQ(d.join.socket.sent.back(), "</restart/>");
            EXPECT_EQ(lastLine(d.join.w), "<[10:00:00 AM] New game started.>");
            EXPECT_EQ(d.host.w.u1.txtLp.text, "25");
            EXPECT_TRUE(d.host.w.u1.cmbGrave.empty());
            // The window that was player 1 chooses the sides again; the other gets only the options.
            EXPECT_TRUE(d.host.w.online.btnSet.enabled && d.host.w.online.optPlayer2.enabled);
            EXPECT_TRUE(d.join.w.online.optPlayer1.enabled && !d.join.w.online.btnSet.enabled);
            EXPECT_FALSE(d.host.w.u1.lstDeck.visible || d.join.w.u2.lstHand.visible ||
                         d.host.w.u1.btnOpen.enabled);
        } else {
            EXPECT_EQ(d.join.socket.sent.back(), refusedNotice);
            EXPECT_EQ(lastLine(d.join.w), "<[10:00:00 AM] You refused to start a new game.>");
            EXPECT_EQ(lastLine(d.host.w), refusedNotice);
            auto after = snapshot(d.host.w);
            after.erase("txtChat");
            auto before = hostBefore;
            before.erase("txtChat");
            EXPECT_EQ(after, before);
        }
    }
}

// Everything ended connections share, on the window whose connection ended.
void expectEnded(const Window& w) {
    EXPECT_FALSE(w.online.txtMsg.enabled || w.online.btnDisconnect.enabled);
    EXPECT_TRUE(w.menu.smnOffline.enabled && w.menu.smnOnline.enabled);
    EXPECT_FALSE(w.menu.smnOffline.checked || w.menu.smnOnline.checked);
    EXPECT_TRUE(w.timers.tmrWait.on());
    EXPECT_FALSE(w.timers.tmrUpdate.on() || w.timers.tmrTurnLimit.on() || w.timers.tmrConnect.on());
    EXPECT_FALSE(w.online.btnHost.enabled || w.online.btnJoin.enabled);
    EXPECT_EQ(w.ports.socket.state(), Socket::State::closed);
}

TEST(OnlineDuel, DisconnectHangUpAndErrorEndTheConnection) {
    enum class End { disconnect, disconnectNo, frameTooLong, badPart };
    for (End e : {End::disconnect, End::disconnectNo, End::frameTooLong, End::badPart}) {
        SCOPED_TRACE(static_cast<int>(e));
        Duel d;
        d.connect();
        d.setSides(true);
        // A hand-over under way on the host: part 1 has left.
        gameSubs::enableSide(d.host.w, SideId::u1);
        gameSubs::btnEnd_Click(d.host.w, SideId::u1);
        tmrUpdate_Timer(d.host.w);
        d.net.pump();
        ASSERT_EQ(d.join.w.txtUpdates.text, "1 of 8");
        const auto joinBefore = snapshot(d.join.w);
        switch (e) {
        case End::disconnect:
        case End::disconnectNo:
            d.host.prompter.answers.push_back(e == End::disconnect);
            btnDisconnect_Click(d.host.w);
            break;
        case End::frameTooLong:
            d.join.socket.send(std::string(wire::maxMessage + 1, 'x'));
            break;
        case End::badPart:
            d.join.socket.send("[100] GNOME@not a card@");
            break;
        }
        d.net.pump();
        if (e == End::disconnectNo) {
            EXPECT_EQ(d.host.prompter.questions, std::vector<std::string>{disconnectQuestion});
            EXPECT_TRUE(d.host.w.timers.tmrUpdate.on() && d.host.w.online.btnDisconnect.enabled);
            EXPECT_EQ(snapshot(d.join.w), joinBefore);
            continue;
        }
        if (e == End::disconnect) {
            EXPECT_EQ(lastLine(d.host.w), "<[9:05:31 PM] Connection ended by you>");
            EXPECT_TRUE(d.host.prompter.messages.empty());
        } else {
            // The host received the bad frame or part and ended it through its error path.
            EXPECT_EQ(d.host.prompter.messages, std::vector<std::string>{errorMessage});
            EXPECT_EQ(lastLine(d.host.w), "<[9:05:31 PM] Connection ended because of an error.>");
            EXPECT_TRUE(d.host.w.online.txtPlayer.enabled && d.host.w.online.optPlayer2.enabled);
        }
        // The joiner heard the hang-up.
        EXPECT_EQ(d.join.prompter.messages, std::vector<std::string>{hangUpMessage});
        EXPECT_EQ(lastLine(d.join.w), "<[10:00:00 AM] Other player disconnected.>");
        EXPECT_FALSE(d.join.w.online.btnSet.enabled);
        EXPECT_TRUE(d.join.w.online.txtPlayer.enabled && d.join.w.online.optPlayer1.enabled);
        for (NetWindow* t : {&d.host, &d.join})
            expectEnded(t->w);
        // The receiver keeps the part it had; nothing more arrives.
        EXPECT_EQ(d.join.w.txtUpdates.text, "1 of 8");
        // The three-minute wait, and a second one, end after exactly three ticks.
        for (int wait = 0; wait < 2; ++wait) {
            for (int tick = 1; tick <= 3; ++tick) {
                EXPECT_FALSE(d.host.w.online.btnHost.enabled) << tick;
                tmrWait_Timer(d.host.w);
            }
            EXPECT_TRUE(d.host.w.online.btnHost.enabled && d.host.w.online.btnJoin.enabled);
            EXPECT_FALSE(d.host.w.timers.tmrWait.on());
            d.host.w.online.btnHost.enabled = d.host.w.online.btnJoin.enabled = false;
            d.host.w.timers.tmrWait.setOn(true);
        }
    }
}

TEST(OnlineDuel, ConnectionStepsAndRefusals) {
    struct Case {
        std::string name, ip, port;
        bool join;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"", "", "", false, noNameMessage},
        {"ACE", "1", "", false, noPortMessage},
        {"", "", "", true, noNameMessage},
        {"ACE", "", "", true, noIpMessage},
        {"ACE", "x", "", true, noPortMessage},
        {"ACE", "x", "0", true, badPortMessage},
        {"ACE", "x", "65536", false, badPortMessage},
        {"ACE", "x", "abc", false, badPortMessage},
        {"ACE", "x", " 80", true, badPortMessage},
        {"ACE", "x", "-1", false, badPortMessage},
        {"ACE", "x", "80.5", false, badPortMessage},
        {"ACE", "x", "4000", false, cannotListenMessage("4000", "the address is already in use")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + "/" + c.ip + "/" + c.port);
        MemoryNetwork net;
        net.taken.insert(4000);
        NetWindow t(net);
        smnOnline_Click(t.w);
        t.w.online.txtPlayer.text = c.name;
        t.w.online.txtIp.text = c.ip;
        t.w.online.txtPort.text = c.port;
        auto before = snapshot(t.w);
        c.join ? btnJoin_Click(t.w) : btnHost_Click(t.w);
        net.pump();
        EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(snapshot(t.w), before);
        EXPECT_EQ(t.socket.closes, 2) << "start-up and the click close the socket";
        EXPECT_EQ(t.socket.connects, 0);
    }
    // Hosting and joining, step by step; a join that gets no answer gives up at the first tick.
    MemoryNetwork net;
    NetWindow host(net), join(net);
    for (Window* w : {&host.w, &join.w})
        smnOnline_Click(*w);
    join.w.online.txtIp.text = "127.0.0.1";
    join.socket.silent = true;
    btnHost_Click(host.w);
    btnJoin_Click(join.w);
    net.pump();
    EXPECT_TRUE(host.w.online.btnDisconnect.enabled && !host.w.online.btnHost.enabled &&
                !host.w.online.txtPort.enabled);
    EXPECT_FALSE(join.w.online.btnDisconnect.enabled || join.w.online.btnJoin.enabled ||
                 join.w.online.txtIp.enabled);
    EXPECT_EQ(lastLine(join.w), "<[9:05:31 PM] Attempting to connect to 127.0.0.1>");
    tmrConnect_Timer(join.w);
    EXPECT_EQ(lastLine(join.w), "<Not able to connect to 127.0.0.1.>");
    for (bool e :
         {join.w.online.optPlayer1.enabled, join.w.online.optPlayer2.enabled, join.w.online.txtPlayer.enabled,
          join.w.online.txtIp.enabled, join.w.online.txtPort.enabled, !join.w.online.btnHost.enabled,
          !join.w.online.btnJoin.enabled, !join.w.timers.tmrConnect.on()})
        EXPECT_TRUE(e);
    // A refused join goes through the error path; NEW GAME while hosting resets without a question.
    join.socket.silent = false;
    join.w.online.txtPort.text = "1234";
    enableConnectionControls(join.w);
    btnJoin_Click(join.w);
    net.pump();
    EXPECT_EQ(join.prompter.messages, std::vector<std::string>{errorMessage});
    smnNewGame_Click(host.w);
    EXPECT_TRUE(host.prompter.questions.empty());
    EXPECT_FALSE(host.w.online.btnDisconnect.enabled || host.w.menu.smnNewGame.enabled ||
                 host.w.timers.tmrWait.on());
    EXPECT_TRUE(net.listening.empty());
    EXPECT_TRUE(host.w.u1.lstDeck.visible);
    // Clicking into the name box empties it.
    smnOnline_Click(host.w);
    txtPlayer_Click(host.w);
    EXPECT_EQ(host.w.online.txtPlayer.text, "");
}

TEST(OnlineDuel, NothingIsSentWhileNotConnected) {
    MemoryNetwork net;
    NetWindow t(net);
    sendMessage(t.w, "</synch/>");
    t.w.online.txtMsg.enabled = true;
    txtMsg_KeyPress(t.w, 13);
    EXPECT_TRUE(t.socket.sent.empty());
    EXPECT_EQ(lastLine(t.w), "^[9:05:31 PM] ACE>-> ");
}

} // namespace
