// Two complete windows' cores playing online through the in-memory socket pair: the
// connection, the version check, sides, chat, the board hand-over of a whole game, restart
// and every end of a connection.
#include "board/game_subs.h"
#include "online/board_parts.h"
#include "online/online_subs.h"
#include "modes/play_mode.h"
#include "rules/game_handlers.h"
#include "support/socket_pair.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

using namespace grim;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

using Texts = std::vector<std::string>;

const std::string noNameMessage = "You must type a name to identify yourself online.",
                  noPortMessage = "You must type a port # to connect to.",
                  noIpMessage = "You must type an IP # to connect to.",
                  badPortMessage = "The port # must be a whole number from 1 to 65535.",
                  disconnectQuestion = "Are you sure you want to disconnect? You will have to wait 3 minutes to "
                                       "play online again.",
                  hangUpMessage = "Other player disconnected. Start a new game and please wait 3 minutes before "
                                  "rejoining/reconnecting.",
                  errorMessage = "The online connection has encountered an error. I don't know why. Start a new "
                                 "game and please wait 3 minutes before rejoining/reconnecting",
                  noSideMessage = "You need to select which player you want to be.",
                  restartSentMessage = "A message to start a new game has been sent to other player. \r\nIf "
                                       "other player agrees, the game will restart.",
                  restartQuestion = "Other player wishes to start a new game.";

std::string lastLine(const Window& w) {
    return w.txtChat.text.substr(w.txtChat.text.rfind("\r\n") + 2);
}

// The flags of the named controls as 1 or 0, in order: enabled (a timer: on), with ".v"
// visible, with ".c" checked.
std::string flags(const Window& w, const std::string& names) {
    const auto all = snapshot(w);
    std::istringstream in(names);
    std::string out;
    for (std::string n; in >> n;)
        out += all.at(n.substr(0, n.find('.'))).at(n.find('.') == n.npos ? 0 : n.back() == 'v' ? 1 : 2);
    return out;
}

// The board as the hand-over's eight parts write it.
std::string board(Window& w) {
    std::string text;
    for (int n = 1; n <= 8; ++n)
        text += encodePart(w, n) + "\n";
    return text;
}

// A host and a joiner with ONLINE chosen, HOST and JOIN pressed; connect() opens the duel,
// sides() presses SET on the host with PLAYER 1 (or PLAYER 2) chosen.
struct Duel {
    MemoryNetwork net;
    NetWindow host{net}, join{net};
    explicit Duel(std::size_t chunk = 0) {
        net.chunk = chunk, join.clock.now = "10:00:00 AM";
        join.w.online.txtIp.text = "127.0.0.1", join.w.online.txtPlayer.text = "BOB";
        smnOnline_Click(host.w), smnOnline_Click(join.w), btnHost_Click(host.w), btnJoin_Click(join.w);
    }
    Duel& connect() { return net.pump(), *this; }
    Duel& sides(bool hostIsPlayer1) {
        (hostIsPlayer1 ? host.w.online.optPlayer1 : host.w.online.optPlayer2).checked = true;
        return btnSet_Click(host.w), net.pump(), *this;
    }
};

TEST(OnlineDuel, OpenChatAndSetHoweverTheBytesAreSplit) {
    const std::string opened = " connection with other player has been established. Checking game version "
                               "compatibility.>\r\n<[";
    const std::string compatible = "] Game versions are compatible. Let the duel begin.>";
    // Only the host chooses the sides at the first connection; player 1 sees its own lists,
    // opens its deck first and its turn timer runs.
    const std::string controls = "txtMsg btnDisconnect smnNewGame btnHost btnJoin txtPlayer txtIp txtPort "
                                 "optPlayer1 optPlayer2 btnSet optPlayer1.c optPlayer2.c lstDeckU1.v "
                                 "lstHandU1.v lstDeckU2.v lstHandU2.v btnOpenU1 btnOpenU2 tmrTurnLimit";
    for (std::size_t chunk : {0, 1, 3, 7}) {
        SCOPED_TRACE(chunk);
        Duel d(chunk);
        d.connect();
        ASSERT_EQ(d.host.socket.sent.at(0) + d.host.socket.sent.at(1) + d.join.socket.sent.at(0),
                  "</whatGameVersion/></connected/></gameVersion=16/>");
        EXPECT_EQ(d.host.w.txtChat.text,
                  "\r\n<[9:05:31 PM] Waiting for other player to connect>\r\n<[9:05:31 PM] A" + opened +
                      "9:05:31 PM" + compatible);
        EXPECT_EQ(d.join.w.txtChat.text,
                  "\r\n<[10:00:00 AM] Attempting to connect to 127.0.0.1>\r\n<[10:00:00 AM] A" + opened +
                      "10:00:00 AM" + compatible);
        EXPECT_EQ(flags(d.host.w, controls) + flags(d.join.w, controls),
                  "1110000011100000000011100000000000000000");
        EXPECT_TRUE(d.host.sound.played == Texts{"update.wav"} && d.join.sound.played == d.host.sound.played);
        // A join that succeeded keeps its connect timer until the first tick, which only stops it.
        const std::string log = d.join.w.txtChat.text;
        tmrConnect_Timer(d.join.w);
        EXPECT_EQ(flags(d.join.w, "tmrConnect txtIp") + d.join.w.txtChat.text, "00" + log);
        // Chat both ways; control characters show as question marks.
        d.host.w.online.txtMsg.text = "good luck";
        // Other keys only type; an empty box still sends a line.
        txtMsg_KeyPress(d.host.w, 'a'), txtMsg_KeyPress(d.host.w, 13), txtMsg_KeyPress(d.join.w, 13);
        d.net.pump();
        const std::string ace = "\r\n^[9:05:31 PM] ACE>-> good luck", bob = "\r\n^[10:00:00 AM] BOB>-> ";
        EXPECT_TRUE(d.host.w.txtChat.text.ends_with(ace + bob) && d.join.w.txtChat.text.ends_with(bob + ace));
        EXPECT_TRUE(d.host.w.online.txtMsg.text.empty() && d.join.sound.played.back() == "im.wav" &&
                    d.host.sound.played.back() == "im.wav");
        const Texts sent = {"^a\r\n<[1:00:00 PM] Ended>", refusedNotice, "<\x01\x1f \x7f\xe9>",
                            "^" + std::string(4095, 'x')};
        const Texts shown = {"^a?\?<[1:00:00 PM] Ended>", refusedNotice, "<?? \x7f\xe9>", sent[3]};
        for (std::size_t i = 0; i < sent.size(); ++i) {
            d.join.socket.send(sent[i]), d.net.pump();
            EXPECT_EQ(lastLine(d.host.w), shown[i]);
        }
        // SET without a choice only asks for one; with one it fixes both windows' sides.
        btnSet_Click(d.host.w);
        EXPECT_EQ(d.host.prompter.messages, Texts{noSideMessage});
        const bool hostIsPlayer1 = chunk % 2 == 1;
        d.sides(hostIsPlayer1);
        EXPECT_EQ(d.host.socket.sent.back(), hostIsPlayer1 ? "</set1/>" : "</set2/>");
        EXPECT_EQ(flags(hostIsPlayer1 ? d.host.w : d.join.w, controls), "11100000000101100101");
        EXPECT_EQ(flags(hostIsPlayer1 ? d.join.w : d.host.w, controls), "11100000000010011000");
    }
}

TEST(OnlineDuel, AWrongVersionEndsTheConnection) {
    for (const std::string answer :
         {"</gameVersion=15/>", "</gameVersion=16 />", "</gameVersion=/>", "</gameVersion=160/>"}) {
        SCOPED_TRACE(answer);
        Duel d;
        d.net.pump(1), d.net.events.clear(); // the host accepts; the joiner's own answer is dropped
        d.join.socket.send(answer), d.net.pump();
        // The host keeps the connection; the joiner closes it, and the host hears the hang-up.
        EXPECT_NE(d.host.w.txtChat.text.find("<[9:05:31 PM] Game versions are incompatible. Disconnected.>"),
                  std::string::npos);
        EXPECT_EQ(d.host.socket.sent.back() + lastLine(d.join.w) + flags(d.host.w, "btnSet") +
                      flags(d.join.w, "txtMsg"),
                  "</wrongVersion/><[10:00:00 AM] Game versions incompatible. Disconnected.>00");
        EXPECT_TRUE(d.host.prompter.messages == Texts{hangUpMessage} && d.join.prompter.messages.empty());
    }
}

// Plays the side's turn on its own window: open the deck, draw, field a card and strike
// directly when this side plays to win, end the turn.
void playTurn(NetWindow& t, SideId id, const std::string& deck, bool attacks) {
    Side& s = t.w.side(id);
    t.prompter.files.push_back(deck), t.prompter.answers.push_back(false);
    if (s.btnOpen.enabled) gameSubs::btnOpen_Click(t.w, id);
    if (s.btnQ5.enabled && s.lstHand.empty()) gameSubs::btnQ5_Click(t.w, id);
    if (s.btnAdd.enabled && s.lstHand.count() < 5) gameSubs::btnAdd_Click(t.w, id);
    s.lstHand.select(0);
    if (attacks && s.btnField.enabled && gameSubs::occupiedSlots(s) < 5) gameSubs::btnField_Click(t.w, id);
    if (attacks && s.btnDirect.enabled) gameSubs::btnDirect_Click(t.w, id);
    ASSERT_TRUE(s.btnEnd.enabled) << idText(id);
    gameSubs::btnEnd_Click(t.w, id);
}

// Ticks the sender's update and synch timers until the eighth part, delivering each part; both windows
// show the progress after every part, and a running synch timer stops at its second tick.
testing::AssertionResult handOver(Duel& d, NetWindow& from, NetWindow& to, int sentAlready = 0) {
    const bool synch = from.w.timers.tmrSynch.on();
    for (int i = sentAlready; i <= 8; ++i) {
        const std::string progress = std::to_string(i) + " of 8";
        if (from.w.txtUpdates.text != progress || (i > 0 && to.w.txtUpdates.text != progress) ||
            from.w.timers.tmrUpdate.on() != (i < 8) || from.w.timers.tmrSynch.on() != (synch && i < 2))
            return testing::AssertionFailure()
                   << from.w.txtUpdates.text << " / " << to.w.txtUpdates.text << " at part " << i;
        tmrUpdate_Timer(from.w), tmrSynch_Timer(from.w), d.net.pump();
    }
    return testing::AssertionSuccess();
}

TEST(OnlineDuel, AWholeGameKeepsBothBoardsIdenticalAfterEveryHandOverThenRestarts) {
    TempFolder folder;
    Texts d1, d2;
    for (std::size_t i = 0; i < 40; ++i)
        d1.push_back(regCards()[i % 5].name), d2.push_back(regCards()[i].name);
    const std::string decks[] = {folder.deck("one.ucd", d1), folder.deck("two.ucd", d2)};
    Duel d(5);
    d.connect().sides(false); // the joiner plays player 1
    NetWindow* players[] = {&d.join, &d.host};
    int turn = 0;
    for (; turn < 200 && d.join.prompter.messages.empty(); ++turn) {
        NetWindow &from = *players[turn % 2], &to = *players[1 - turn % 2];
        ASSERT_NO_FATAL_FAILURE(
            playTurn(from, turn % 2 ? SideId::u2 : SideId::u1, decks[turn % 2], turn % 2 == 0));
        d.net.pump();
        EXPECT_EQ(lastLine(to.w), "<[" + from.clock.now + "] Other player is updating changes 1-8 to you.>");
        ASSERT_TRUE(handOver(d, from, to)) << "turn " << turn;
        ASSERT_EQ(board(from.w), board(to.w)) << "turn " << turn;
        EXPECT_EQ(lastLine(from.w), "<[" + from.clock.now + "] Changes updated successfully.>");
        // Player 2's open-deck button came with "</synch/>" after the first hand-over.
        EXPECT_TRUE(turn > 0 || flags(d.host.w, "btnOpenU2") + flags(d.join.w, "tmrSynch") == "10");
        if (!to.prompter.messages.empty()) break;
        // The receiver's player has the turn, with a fresh turn timer.
        EXPECT_EQ(flags(to.w, turn % 2 ? "btnEndU1 tmrTurnLimit btnEndU2" : "btnEndU2 tmrTurnLimit btnEndU1"),
                  "110");
        EXPECT_EQ(lastLine(to.w) + to.sound.played.back(),
                  "<[" + to.clock.now + "] Changes from other player updated successfully.>update.wav");
    }
    EXPECT_TRUE(turn == 50 && d.host.w.u2.txtLp.text == "0");
    for (NetWindow* t : players)
        EXPECT_EQ(t->prompter.messages.at(0) + t->sound.played.back() +
                      flags(t->w, "tmrTurnLimit btnEndU1 btnEndU2"),
                  "Player 1 wins.over.wav000");
    // A refused restart changes nothing but the log; an agreed one starts afresh, and the
    // window that was player 1 chooses the sides again while the other gets only the options.
    auto before = snapshot(d.host.w);
    d.join.prompter.answers = {false, true};
    smnNewGame_Click(d.host.w), d.net.pump();
    EXPECT_EQ(lastLine(d.join.w), "<[10:00:00 AM] You refused to start a new game.>");
    EXPECT_TRUE(d.join.socket.sent.back() == refusedNotice && lastLine(d.host.w) == refusedNotice);
    EXPECT_EQ(snapshot(d.host.w), (before["txtChat"] = snapshot(d.host.w)["txtChat"], before));
    smnNewGame_Click(d.host.w), d.net.pump();
    EXPECT_EQ(d.host.prompter.messages, (Texts{"Player 1 wins.", restartSentMessage, restartSentMessage}));
    EXPECT_EQ(std::ranges::count(d.join.prompter.questions, restartQuestion), 2);
    EXPECT_EQ(d.host.socket.sent.back() + d.join.socket.sent.back() + lastLine(d.join.w),
              "</r/></restart/><[10:00:00 AM] New game started.>");
    const std::string controls = "optPlayer1 optPlayer2 btnSet lstDeckU1.v lstHandU2.v btnOpenU1";
    EXPECT_EQ(flags(d.join.w, controls) + flags(d.host.w, controls), "111000110000");
    const std::string fresh = "e@\ne@\ne@\ne@\ne@e@e@e@e@e@e@e@e@e@\ne@\ne@\n0@0@0@0@0@0@25@25@0@0@\n";
    EXPECT_EQ(board(d.host.w) + board(d.join.w), fresh + fresh);
}

TEST(OnlineDuel, DisconnectHangUpAndErrorEndTheConnection) {
    enum End { disconnect, disconnectNo, frameTooLong, lineTooLong, badPart };
    const std::string sent[] = {"", "", std::string(wire::maxMessage + 1, 'x'), "<" + std::string(4096, 'x'),
                                "[100] GNOME@not a card@"};
    for (End e : {disconnect, disconnectNo, frameTooLong, lineTooLong, badPart}) {
        SCOPED_TRACE(e);
        Duel d;
        d.connect().sides(true);
        // A hand-over under way on the host: part 1 has left.
        gameSubs::enableSide(d.host.w, SideId::u1);
        gameSubs::btnEnd_Click(d.host.w, SideId::u1), tmrUpdate_Timer(d.host.w), d.net.pump();
        const auto joinBefore = snapshot(d.join.w);
        d.host.prompter.answers.push_back(e == disconnect);
        e <= disconnectNo ? btnDisconnect_Click(d.host.w) : d.join.socket.send(sent[e]), d.net.pump();
        EXPECT_EQ(d.host.prompter.questions, e <= disconnectNo ? Texts{disconnectQuestion} : Texts{});
        if (e == disconnectNo) {
            EXPECT_TRUE(flags(d.host.w, "tmrUpdate btnDisconnect") == "11" &&
                        snapshot(d.join.w) == joinBefore);
            continue;
        }
        // The host ended it, by the button or through its error path for a bad frame, line or part.
        EXPECT_EQ(lastLine(d.host.w) + flags(d.host.w, "txtPlayer optPlayer2"),
                  e == disconnect ? "<[9:05:31 PM] Connection ended by you>00"
                                  : "<[9:05:31 PM] Connection ended because of an error.>11");
        EXPECT_EQ(d.host.prompter.messages, e == disconnect ? Texts{} : Texts{errorMessage});
        EXPECT_EQ(d.join.prompter.messages, Texts{hangUpMessage}); // it keeps the part it had
        EXPECT_EQ(flags(d.join.w, "txtPlayer optPlayer1 btnSet") + d.join.w.txtUpdates.text +
                      lastLine(d.join.w),
                  "1101 of 8<[10:00:00 AM] Other player disconnected.>");
        for (NetWindow* t : {&d.host, &d.join}) {
            Window& w = t->w;
            const std::string ended =
                "txtMsg btnDisconnect smnOffline.c smnOnline.c smnOffline smnOnline tmrUpdate";
            EXPECT_EQ(flags(w, ended + " tmrTurnLimit tmrConnect tmrWait btnHost btnJoin"), "000011000100");
            EXPECT_EQ(t->socket.state(), Socket::State::closed);
            // The three-minute wait, and a second one, end after exactly three ticks.
            for (int tick = 1; tick <= 6; ++tick) {
                tmrWait_Timer(w);
                EXPECT_EQ(flags(w, "tmrWait btnHost btnJoin"), tick % 3 ? "100" : "011") << tick;
                if (tick == 3)
                    w.online.btnHost.enabled = w.online.btnJoin.enabled = false, w.timers.tmrWait.setOn(true);
            }
        }
    }
}

TEST(OnlineDuel, ConnectionStepsAndRefusals) {
    std::vector<std::tuple<bool, std::string, std::string, std::string, std::string>> cases = {
        {true, "ACE", "", "", noIpMessage},
        {false, "ACE", "x", "4000", cannotListenMessage("4000", "the address is already in use")}};
    for (bool join : {false, true})
        cases.push_back({join, "", "", "", noNameMessage}),
            cases.push_back({join, "ACE", "x", "", noPortMessage});
    for (const char* port : {"0", "65536", "abc", " 80", "-1", "80.5"})
        cases.push_back({cases.size() % 2 == 0, "ACE", "x", port, badPortMessage});
    for (const auto& [join, name, ip, port, message] : cases) {
        SCOPED_TRACE(name + "/" + ip + "/" + port + (join ? " join" : " host"));
        MemoryNetwork net;
        net.listening[4000] = nullptr;
        NetWindow t(net);
        smnOnline_Click(t.w);
        std::tie(t.w.online.txtPlayer.text, t.w.online.txtIp.text, t.w.online.txtPort.text) =
            std::tie(name, ip, port);
        const auto before = snapshot(t.w);
        join ? btnJoin_Click(t.w) : btnHost_Click(t.w);
        net.pump();
        EXPECT_EQ(t.prompter.messages, Texts{message});
        EXPECT_TRUE(t.socket.closes == 2 && snapshot(t.w) == before)
            << "start-up and the click close the socket";
    }
    // Nothing is sent while not connected; the line still shows here.
    MemoryNetwork net;
    NetWindow host(net), join(net);
    join.w.online.txtMsg.enabled = true;
    txtMsg_KeyPress(join.w, 13);
    EXPECT_TRUE(join.socket.sent.empty() && lastLine(join.w) == "^[9:05:31 PM] ACE>-> ");
    // A join that gets no answer gives up at the first tick.
    join.w.online.txtIp.text = "127.0.0.1";
    join.socket.silent = true;
    smnOnline_Click(host.w), smnOnline_Click(join.w), btnHost_Click(host.w), btnJoin_Click(join.w),
        net.pump();
    EXPECT_EQ(flags(host.w, "btnDisconnect btnHost txtPort") + flags(join.w, "btnDisconnect btnJoin txtIp"),
              "100000");
    EXPECT_EQ(lastLine(join.w), "<[9:05:31 PM] Attempting to connect to 127.0.0.1>");
    tmrConnect_Timer(join.w);
    EXPECT_EQ(lastLine(join.w) + flags(join.w, "btnHost btnJoin tmrConnect txtIp"),
              "<Not able to connect to 127.0.0.1.>0001");
    // A refused join goes through the error path; NEW GAME while hosting resets without a question.
    join.socket.silent = false;
    join.w.online.txtPort.text = "1234";
    enableConnectionControls(join.w), btnJoin_Click(join.w), net.pump();
    EXPECT_EQ(join.prompter.messages, Texts{errorMessage});
    smnNewGame_Click(host.w);
    EXPECT_TRUE(host.prompter.questions.empty() && net.listening.empty());
    EXPECT_EQ(flags(host.w, "lstDeckU1.v btnDisconnect smnNewGame tmrWait"), "1000");
    smnOnline_Click(host.w);
    txtPlayer_Click(host.w); // clicking into the name box empties it
    EXPECT_EQ(host.w.online.txtPlayer.text, "");
}

const std::string freshBoard = "e@\ne@\ne@\ne@\ne@e@e@e@e@e@e@e@e@e@\ne@\ne@\n0@0@0@0@0@0@25@25@0@0@\n";

// Player 1 (the host) opens its deck, draws five and ends its first turn; the notice arrives.
testing::AssertionResult hostEndsFirstTurn(Duel& d, const std::string& deck) {
    d.host.prompter.files.push_back(deck), d.host.prompter.answers.push_back(false);
    gameSubs::btnOpen_Click(d.host.w, SideId::u1), gameSubs::btnQ5_Click(d.host.w, SideId::u1);
    gameSubs::btnEnd_Click(d.host.w, SideId::u1), d.net.pump();
    if (d.host.w.u1.lstHand.count() != 5 || !d.host.w.timers.tmrUpdate.on())
        return testing::AssertionFailure() << "player 1's first turn did not end";
    return testing::AssertionSuccess();
}

// After a restart the host chooses PLAYER 1 again and plays a turn: the board arrives whole on
// the other window, counted from 1 of 8.
testing::AssertionResult nextGameHandsOverWhole(Duel& d, const std::string& deck) {
    d.sides(true);
    if (auto first = hostEndsFirstTurn(d, deck); !first) return first;
    if (auto counted = handOver(d, d.host, d.join); !counted) return counted;
    if (board(d.host.w) != board(d.join.w)) return testing::AssertionFailure() << board(d.join.w);
    if (d.join.w.u1.lstDeck.count() != 35 || !d.join.w.u2.btnEnd.enabled)
        return testing::AssertionFailure() << "player 2 did not get the turn on player 1's board";
    return testing::AssertionSuccess();
}

TEST(OnlineDuel, ARestartCrossingAHandOverLeavesNothingOfTheOldGame) {
    TempFolder folder;
    const std::string deck = folder.deck("deck.ucd", entries(40));
    // How the restart crosses player 1's board: the sender asks after three parts with one or
    // five more right behind its request, the receiver asks after three parts, or the sender asks
    // before it ends its turn (the notice and two parts behind the request).
    enum Cross { senderAsksOneBehind, senderAsksFiveBehind, receiverAsks, askThenEnd };
    for (Cross c : {senderAsksOneBehind, senderAsksFiveBehind, receiverAsks, askThenEnd}) {
        SCOPED_TRACE(c);
        Duel d;
        d.connect().sides(true);
        if (c == askThenEnd) {
            d.host.prompter.files.push_back(deck), d.host.prompter.answers.push_back(false);
            gameSubs::btnOpen_Click(d.host.w, SideId::u1);
        } else {
            ASSERT_TRUE(hostEndsFirstTurn(d, deck));
            for (int part = 0; part < 3; ++part)
                tmrUpdate_Timer(d.host.w), d.net.pump();
            ASSERT_EQ(d.join.w.txtUpdates.text, "3 of 8");
        }
        NetWindow& asks = c == receiverAsks ? d.join : d.host;
        (c == receiverAsks ? d.host : d.join).prompter.answers.push_back(true);
        smnNewGame_Click(asks.w);
        if (c == askThenEnd) gameSubs::btnEnd_Click(d.host.w, SideId::u1);
        const int behind = c == senderAsksOneBehind ? 1 : c == senderAsksFiveBehind ? 5 : c == askThenEnd ? 2 : 0;
        for (int part = 0; part < behind; ++part)
            tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w);
        d.net.pump();
        // Both windows restarted; the sender sends nothing more, the receiver took nothing more.
        const auto sent = d.host.socket.sent.size();
        for (int tick = 0; tick < 8; ++tick)
            tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w), d.net.pump();
        EXPECT_EQ(d.host.socket.sent.size(), sent);
        for (NetWindow* t : {&d.host, &d.join}) {
            EXPECT_EQ(board(t->w), freshBoard);
            EXPECT_EQ(flags(t->w, "tmrUpdate tmrSynch tmrTurnLimit btnOpenU1 btnOpenU2 btnEndU1 btnEndU2"), "0000000");
        }
        EXPECT_EQ(d.join.w.txtUpdates.text, c == askThenEnd ? "0 of 8" : "3 of 8");
        EXPECT_TRUE(nextGameHandsOverWhole(d, deck));
    }
}

TEST(OnlineDuel, PlayerTwoOpensItsDeckOnlyOnceTheFirstBoardHasArrived) {
    TempFolder folder;
    const std::string deck = folder.deck("deck.ucd", entries(40));
    Duel d;
    d.connect().sides(true);
    ASSERT_TRUE(hostEndsFirstTurn(d, deck));
    // "</synch/>" leaves with part 2; player 2 tries at once to open its deck and draw.
    for (int tick = 1; tick <= 2; ++tick)
        tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w), d.net.pump();
    ASSERT_EQ(d.host.socket.sent.back(), "</synch/>");
    d.join.prompter.files.push_back(deck);
    for (auto* click : {&gameSubs::btnOpen_Click, &gameSubs::btnQ5_Click})
        (*click)(d.join.w, SideId::u2);
    EXPECT_EQ(flags(d.join.w, "btnOpenU2 btnQ5U2"), "00");
    EXPECT_EQ(d.join.w.u2.lstDeck.count(), 0);
    ASSERT_TRUE(handOver(d, d.host, d.join, 2));
    // With the whole board in, player 2 has its turn and its open-deck button.
    EXPECT_EQ(flags(d.join.w, "btnOpenU2 btnQ5U2 btnEndU2 tmrTurnLimit"), "1111");
    gameSubs::btnOpen_Click(d.join.w, SideId::u2), gameSubs::btnQ5_Click(d.join.w, SideId::u2);
    EXPECT_EQ(d.join.w.u2.txtDeckCnt.text + "/" + d.join.w.u2.txtHandCnt.text, "35/5");
    EXPECT_EQ(d.join.w.u1.lstHand.count(), 5);
}

TEST(OnlineDuel, AfterTheOtherPlayerLeavesANewGameStartsOnAnEmptyBoard) {
    TempFolder folder;
    const std::string deck = folder.deck("deck.ucd", entries(40));
    // The joiner has its turn on the board that arrived when the host hangs up, its connection
    // fails, or the joiner itself disconnects; then the joiner chooses OFFLINE and opens a deck.
    enum End { hangUp, error, disconnect };
    for (End e : {hangUp, error, disconnect}) {
        SCOPED_TRACE(e);
        Duel d;
        d.connect().sides(true);
        ASSERT_TRUE(hostEndsFirstTurn(d, deck));
        ASSERT_TRUE(handOver(d, d.host, d.join));
        ASSERT_EQ(flags(d.join.w, "btnEndU2 tmrTurnLimit"), "11");
        d.join.prompter.answers.push_back(true);
        e == hangUp ? d.host.socket.close() : e == error ? Winsock_Error(d.join.w, 10054, "reset")
                                                         : btnDisconnect_Click(d.join.w);
        d.net.pump();
        EXPECT_EQ(flags(d.join.w, "tmrTurnLimit smnOffline"), "01");
        smnOffline_Click(d.join.w);
        EXPECT_EQ(board(d.join.w), freshBoard);
        EXPECT_EQ(flags(d.join.w, "btnOpenU1 btnEndU2 lstDeckU1.v lstHandU2.v"), "1011");
        d.join.prompter.files.push_back(deck), d.join.prompter.answers.push_back(false);
        gameSubs::btnOpen_Click(d.join.w, SideId::u1);
        EXPECT_EQ(d.join.w.u1.txtDeckCnt.text, "40");
    }
}

TEST(OnlineDuel, AReconnectionCountsTheHandOverAfresh) {
    TempFolder folder;
    const std::string deck = folder.deck("deck.ucd", entries(40));
    // The first connection ends at "1 of 8"; the players meet again by choosing ONLINE, or by
    // pressing HOST and JOIN when the wait has ended.
    for (bool online : {true, false}) {
        SCOPED_TRACE(online);
        Duel d;
        d.connect().sides(true);
        ASSERT_TRUE(hostEndsFirstTurn(d, deck));
        tmrUpdate_Timer(d.host.w), d.net.pump();
        ASSERT_EQ(d.join.w.txtUpdates.text, "1 of 8");
        d.host.prompter.answers.push_back(true);
        btnDisconnect_Click(d.host.w), d.net.pump();
        for (NetWindow* t : {&d.host, &d.join}) {
            if (online) smnOnline_Click(t->w);
            for (int tick = 0; tick < 3 && !online; ++tick)
                tmrWait_Timer(t->w);
        }
        btnHost_Click(d.host.w), btnJoin_Click(d.join.w), d.connect();
        ASSERT_TRUE(d.join.w.online.txtMsg.enabled);
        for (NetWindow* t : {&d.host, &d.join})
            EXPECT_EQ(board(t->w), freshBoard);
        d.host.w.online.optPlayer1.checked = true;
        EXPECT_TRUE(nextGameHandsOverWhole(d, deck));
    }
}

TEST(OnlineDuel, TimeUpBeforePlayerOneOpensItsDeckStartsTheThreeMinutesAgain) {
    TempFolder folder;
    Duel d;
    d.connect().sides(true);
    for (int tick = 1; tick <= 3; ++tick)
        gameSubs::tmrTurnLimit_Timer(d.host.w);
    EXPECT_EQ(d.host.prompter.lastMessage(), "3 minutes have passed. Your turn has automatically ended.");
    EXPECT_EQ(d.host.w.txtMins.text + flags(d.host.w, " tmrTurnLimit btnOpenU1 tmrUpdate"), "3 MINUTES110");
    // Its first turn still ends by time.
    d.host.prompter.files.push_back(folder.deck("deck.ucd", entries(40)));
    gameSubs::btnOpen_Click(d.host.w, SideId::u1);
    for (int tick = 1; tick <= 3; ++tick)
        gameSubs::tmrTurnLimit_Timer(d.host.w);
    EXPECT_EQ(flags(d.host.w, "tmrTurnLimit btnEndU1 tmrUpdate"), "001");
}

} // namespace
