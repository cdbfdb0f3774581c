// Two complete windows' cores playing online through the in-memory socket pair.
#include "board/game_subs.h"
#include "board/last_turn.h"
#include "board/status_line.h"
#include "modes/play_mode.h"
#include "online/online_subs.h"
#include "rules/game_handlers.h"
#include "support/socket_pair.h"

#include <algorithm>
#include <tuple>

using namespace grim;
using namespace grim::gameSubs;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

using Texts = std::vector<std::string>;

const std::string hangUpMessage = "Other player disconnected. Start a new game and please wait 3 minutes "
                                  "before rejoining/reconnecting.";
const std::string freshBoard = "e@\ne@\ne@\ne@\ne@e@e@e@e@e@e@e@e@e@\ne@\ne@\n0@0@0@0@0@0@25@25@0@0@\n";

// A host and a joiner with HOST and JOIN pressed, and a deck file; sides() presses SET on the host.
struct Duel {
    MemoryNetwork net;
    NetWindow host{net}, join{net};
    TempFolder folder;
    const std::string deck = folder.deck("deck.ucd", entries(40));
    explicit Duel(std::size_t chunk = 0) {
        net.chunk = chunk, join.p.now = "10:00:00 AM";
        join.w.online.txtIp.text = "127.0.0.1", join.w.online.txtPlayer.text = "BOB";
        smnOnline_Click(host.w), smnOnline_Click(join.w), btnHost_Click(host.w), btnJoin_Click(join.w);
    }
    Duel& connect() { return net.pump(), *this; }
    Duel& sides(bool hostIsPlayer1) {
        (hostIsPlayer1 ? host.w.online.optPlayer1 : host.w.online.optPlayer2).checked = true;
        return btnSet_Click(host.w), net.pump(), *this;
    }
    // Player 1 (the host) opens its deck and draws five, then ends its first turn; the notice arrives.
    void hostPlaysFirstTurn(bool ends = true) {
        host.p.files.push_back(deck), host.p.answers.push_back(false);
        btnOpen_Click(host.w, SideId::u1), btnQ5_Click(host.w, SideId::u1);
        if (ends) btnEnd_Click(host.w, SideId::u1), net.pump();
        ASSERT_EQ(flags(host.w, "tmrUpdate") + std::to_string(host.w.u1.lstHand.count()), ends ? "15" : "05");
    }
    // Checks both windows show each part from sentAlready to last, ticking the sender's timers between.
    void handOver(NetWindow& from, NetWindow& to, int sentAlready = 0, int last = 8) {
        const bool synch = from.w.timers.tmrSynch.on();
        for (int i = sentAlready; i <= last; ++i) {
            const std::string progress = std::to_string(i) + " of 8";
            ASSERT_EQ(from.w.txtUpdates.text + " " + (i ? to.w.txtUpdates.text : progress) + " " +
                          flags(from.w, "tmrUpdate tmrSynch"),
                      progress + " " + progress + " " + (i < 8 ? "1" : "0") + (synch && i < 2 ? "1" : "0"))
                << "at part " << i;
            tmrUpdate_Timer(from.w), tmrSynch_Timer(from.w), net.pump();
        }
    }
    // Player 2 cannot open its deck while the host's board is on its way; it arrives whole, with the turn.
    void nextGameHandsOverWhole() {
        sides(true);
        ASSERT_NO_FATAL_FAILURE(hostPlaysFirstTurn());
        ASSERT_NO_FATAL_FAILURE(handOver(host, join, 0, 1));
        ASSERT_EQ(host.socket.sent.back() + join.w.txtUpdates.text, "</synch/>2 of 8");
        join.p.files.push_back(deck);
        btnOpen_Click(join.w, SideId::u2);
        btnQ5_Click(join.w, SideId::u2);
        ASSERT_EQ(flags(join.w, "btnOpenU2 btnQ5U2") + std::to_string(join.w.u2.lstDeck.count()), "000");
        ASSERT_NO_FATAL_FAILURE(handOver(host, join, 2));
        ASSERT_EQ(board(host.w), board(join.w));
        ASSERT_EQ(flags(join.w, "btnOpenU2 btnQ5U2 btnEndU2 tmrTurnLimit") + texts(join.w, "txtDeckCntU1"),
                  "111135");
        btnOpen_Click(join.w, SideId::u2), btnQ5_Click(join.w, SideId::u2);
        ASSERT_EQ(texts(join.w, "txtDeckCntU2 txtHandCntU2 txtHandCntU1"), "35 5 5");
    }
};

TEST(OnlineDuel, OpenChatAndSetHoweverTheBytesAreSplit) {
    auto opened = [](const std::string& at, const std::string& first) {
        return "\r\n<[" + at + "] " + first + ">\r\n<[" + at + "] A connection with other player has been " +
               "established. Checking game version compatibility.>\r\n<[" + at +
               "] Game versions are compatible. Let the duel begin.>";
    };
    // Only the host chooses the sides at the first connection; player 1 opens its deck first.
    const std::string controls = "txtMsg btnDisconnect smnNewGame btnHost btnJoin txtPlayer txtIp txtPort "
                                 "optPlayer1 optPlayer2 btnSet optPlayer1.c optPlayer2.c lstDeckU1.v "
                                 "lstHandU1.v lstDeckU2.v lstHandU2.v btnOpenU1 btnOpenU2 tmrTurnLimit";
    for (std::size_t chunk : {0, 1, 3, 7}) {
        SCOPED_TRACE(chunk);
        Duel d(chunk);
        d.connect();
        ASSERT_EQ(d.host.socket.sent.at(0) + d.host.socket.sent.at(1) + d.join.socket.sent.at(0),
                  "</whatGameVersion/></connected/></gameVersion=16/>");
        const std::string hostLog = opened("9:05:31 PM", "Waiting for other player to connect"),
                          joinLog = opened("10:00:00 AM", "Attempting to connect to 127.0.0.1");
        EXPECT_EQ(flags(d.host.w, controls) + flags(d.join.w, controls),
                  "1110000011100000000011100000000000000000");
        // A join that succeeded keeps its connect timer until the first tick, which only stops it.
        tmrConnect_Timer(d.join.w);
        EXPECT_EQ(flags(d.join.w, "tmrConnect txtIp") + d.join.w.txtChat.text, "00" + joinLog);
        // Chat both ways; other keys only type, and an empty box still sends a line.
        d.host.w.online.txtMsg.text = "good luck";
        txtMsg_KeyPress(d.host.w, 'a'), txtMsg_KeyPress(d.host.w, 13), txtMsg_KeyPress(d.join.w, 13);
        d.net.pump();
        const std::string ace = "\r\n^[9:05:31 PM] ACE>-> good luck", bob = "\r\n^[10:00:00 AM] BOB>-> ";
        EXPECT_EQ(d.host.w.txtChat.text + d.host.w.online.txtMsg.text, hostLog + ace + bob);
        EXPECT_EQ(d.join.w.txtChat.text, joinLog + bob + ace);
        for (NetWindow* t : {&d.host, &d.join})
            EXPECT_EQ(t->p.played, (Texts{"update.wav", "im.wav"}));
        // Control characters show as question marks.
        const Texts sent = {"^a\r\n<[1:00:00 PM] Ended>", refusedNotice, "<\x01\x1f \x7f\xe9>",
                            "^" + std::string(4095, 'x')};
        const Texts shown = {"^a?\?<[1:00:00 PM] Ended>", refusedNotice, "<?? \x7f\xe9>", sent[3]};
        for (std::size_t i = 0; i < sent.size(); ++i) {
            d.join.socket.send(sent[i]), d.net.pump();
            EXPECT_EQ(lastLine(d.host.w), shown[i]);
        }
        // SET without a choice only asks for one; with one it fixes both windows' sides.
        btnSet_Click(d.host.w);
        EXPECT_EQ(d.host.p.messages, Texts{"You need to select which player you want to be."});
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
                      flags(d.join.w, "txtMsg") + " shown " + std::to_string(d.join.p.messages.size()),
                  "</wrongVersion/><[10:00:00 AM] Game versions incompatible. Disconnected.>00 shown 0");
        EXPECT_EQ(d.host.p.messages, Texts{hangUpMessage});
    }
}

TEST(OnlineDuel, AWholeGameKeepsBothBoardsIdenticalAfterEveryHandOverThenRestarts) {
    Duel d(5);
    Texts fives;
    for (int i = 0; i < 40; ++i)
        fives.push_back(entry(100 + i % 5));
    const std::string decks[] = {d.folder.deck("fives.ucd", fives), d.deck};
    d.connect().sides(false); // the joiner plays player 1
    NetWindow* players[] = {&d.join, &d.host};
    int turn = 0;
    for (; turn < 200 && d.join.p.messages.empty(); ++turn) {
        // Open, draw, and for the winning side field a card and strike directly; end the turn.
        NetWindow &from = *players[turn % 2], &to = *players[1 - turn % 2];
        const SideId id = turn % 2 ? SideId::u2 : SideId::u1;
        Side& s = from.w.side(id);
        from.p.files.push_back(decks[turn % 2]);
        from.p.answers.push_back(false);
        btnOpen_Click(from.w, id);
        if (s.lstHand.empty()) btnQ5_Click(from.w, id);
        if (s.lstHand.count() < 5) btnAdd_Click(from.w, id);
        s.lstHand.select(0);
        if (turn % 2 == 0 && occupiedSlots(s) < 5) btnField_Click(from.w, id);
        if (turn % 2 == 0) btnDirect_Click(from.w, id);
        ASSERT_TRUE(s.btnEnd.enabled) << idText(id);
        btnEnd_Click(from.w, id), d.net.pump();
        EXPECT_EQ(lastLine(to.w), "<[" + from.p.now + "] Other player is updating changes 1-8 to you.>");
        ASSERT_NO_FATAL_FAILURE(d.handOver(from, to)) << "turn " << turn;
        ASSERT_EQ(board(from.w), board(to.w)) << "turn " << turn;
        EXPECT_EQ(lastLine(from.w), "<[" + from.p.now + "] Changes updated successfully.>");
        // Player 2's open-deck button came with "</synch/>" after the first hand-over only.
        EXPECT_EQ(flags(d.host.w, "btnOpenU2") + flags(d.join.w, "tmrSynch"), turn == 0 ? "10" : "00");
        if (!to.p.messages.empty()) break;
        // The receiver's player has the turn, with a fresh turn timer.
        EXPECT_EQ(flags(to.w, "btnEndThem tmrTurnLimit btnEndMe", id), "110");
        EXPECT_EQ(lastLine(to.w) + to.p.played.back(),
                  "<[" + to.p.now + "] Changes from other player updated successfully.>update.wav");
    }
    EXPECT_EQ(std::to_string(turn) + " turns, player 2 has " + shownText(d.host.w.u2.txtLp),
              "50 turns, player 2 has 0");
    for (NetWindow* t : players)
        EXPECT_EQ(t->p.messages.at(0) + t->p.played.back() + flags(t->w, "tmrTurnLimit btnEndU1 btnEndU2"),
                  "Player 1 wins.over.wav000");
    // A refused restart changes nothing but the log; after an agreed one player 1's window chooses the sides.
    auto before = snapshot(d.host.w);
    d.join.p.answers = {false, true};
    smnNewGame_Click(d.host.w);
    d.net.pump();
    EXPECT_EQ(lastLine(d.join.w), "<[10:00:00 AM] You refused to start a new game.>");
    EXPECT_EQ(d.join.socket.sent.back() + lastLine(d.host.w), std::string(refusedNotice) + refusedNotice);
    EXPECT_EQ(snapshot(d.host.w), (before["txtChat"] = snapshot(d.host.w)["txtChat"], before));
    smnNewGame_Click(d.host.w), d.net.pump();
    const std::string sentMessage = "A message to start a new game has been sent to other player. \r\n"
                                    "If other player agrees, the game will restart.";
    EXPECT_EQ(d.host.p.messages, (Texts{"Player 1 wins.", sentMessage, sentMessage}));
    EXPECT_EQ(std::ranges::count(d.join.p.questions, "Other player wishes to start a new game."), 2);
    EXPECT_EQ(d.host.socket.sent.back() + d.join.socket.sent.back() + lastLine(d.join.w),
              "</r/></restart/><[10:00:00 AM] New game started.>");
    const std::string controls = "optPlayer1 optPlayer2 btnSet lstDeckU1.v lstHandU2.v btnOpenU1";
    EXPECT_EQ(flags(d.join.w, controls) + flags(d.host.w, controls), "111000110000");
    EXPECT_EQ(board(d.host.w) + board(d.join.w), freshBoard + freshBoard);
}

TEST(OnlineDuel, EveryEndOfAConnectionThenTheNextCountsAfreshAndPlaysOnUntilTheOtherLeaves) {
    enum End { disconnect, disconnectNo, frameTooLong, lineTooLong, badPart };
    const std::string sent[] = {"", "", std::string(wire::maxMessage + 1, 'x'), "<" + std::string(4096, 'x'),
                                "[100] GNOME@not a card@"};
    for (End e : {disconnect, disconnectNo, frameTooLong, lineTooLong, badPart}) {
        SCOPED_TRACE(e);
        Duel d;
        d.connect().sides(true);
        ASSERT_NO_FATAL_FAILURE(d.hostPlaysFirstTurn());
        tmrUpdate_Timer(d.host.w);
        d.net.pump(); // part 1 of the hand-over has left
        const auto joinBefore = snapshot(d.join.w);
        d.host.p.questions.clear(), d.host.p.answers.push_back(e == disconnect);
        e <= disconnectNo ? btnDisconnect_Click(d.host.w) : d.join.socket.send(sent[e]), d.net.pump();
        EXPECT_EQ(d.host.p.questions,
                  Texts(e <= disconnectNo ? 1 : 0, "Are you sure you want to disconnect? You "
                                                   "will have to wait 3 minutes to play online again."));
        if (e == disconnectNo) {
            EXPECT_EQ(flags(d.host.w, "tmrUpdate btnDisconnect"), "11");
            EXPECT_EQ(snapshot(d.join.w), joinBefore);
            continue;
        }
        EXPECT_EQ(lastLine(d.host.w) + flags(d.host.w, "txtPlayer optPlayer2"),
                  e == disconnect ? "<[9:05:31 PM] Connection ended by you>00"
                                  : "<[9:05:31 PM] Connection ended because of an error.>11");
        EXPECT_EQ(d.host.p.messages, e == disconnect ? Texts{} : Texts{connectionError});
        EXPECT_EQ(d.join.p.messages, Texts{hangUpMessage}); // it keeps the part it had
        EXPECT_EQ(flags(d.join.w, "txtPlayer optPlayer1 btnSet") + d.join.w.txtUpdates.text +
                      lastLine(d.join.w),
                  "1101 of 8<[10:00:00 AM] Other player disconnected.>");
        for (NetWindow* t : {&d.host, &d.join}) {
            Window& w = t->w;
            EXPECT_EQ(flags(w, "txtMsg btnDisconnect smnOffline.c smnOnline.c smnOffline smnOnline tmrUpdate "
                               "tmrTurnLimit tmrConnect tmrWait btnHost btnJoin"),
                      "000011000100");
            EXPECT_EQ(t->socket.state(), Socket::State::closed);
            // The three-minute wait, and a second one, end after exactly three ticks.
            for (int tick = 1; tick <= 6; ++tick) {
                tmrWait_Timer(w);
                EXPECT_EQ(flags(w, "tmrWait btnHost btnJoin"), tick % 3 ? "100" : "011") << tick;
                if (tick == 3)
                    w.online.btnHost.enabled = w.online.btnJoin.enabled = false, w.timers.tmrWait.setOn(true);
            }
            if (e == badPart) smnOnline_Click(w); // choosing ONLINE again before HOST and JOIN
        }
        btnHost_Click(d.host.w), btnJoin_Click(d.join.w), d.connect();
        ASSERT_EQ(flags(d.join.w, "txtMsg"), "1");
        EXPECT_EQ(board(d.host.w) + board(d.join.w), freshBoard + freshBoard);
        ASSERT_NO_FATAL_FAILURE(d.nextGameHandsOverWhole());
        // Player 2 loses the connection in its turn, then chooses OFFLINE, which starts on an empty board.
        d.join.p.answers.push_back(true);
        e == disconnect     ? d.host.socket.close()
        : e == frameTooLong ? Winsock_Error(d.join.w, 10054, "reset")
                            : btnDisconnect_Click(d.join.w);
        d.net.pump();
        EXPECT_EQ(flags(d.join.w, "tmrTurnLimit smnOffline"), "01");
        smnOffline_Click(d.join.w);
        EXPECT_EQ(board(d.join.w), freshBoard);
        EXPECT_EQ(flags(d.join.w, "btnOpenU1 btnEndU2 lstDeckU1.v lstHandU2.v"), "1011");
        d.join.p.files.push_back(d.deck), d.join.p.answers.push_back(false);
        btnOpen_Click(d.join.w, SideId::u1);
        EXPECT_EQ(shownText(d.join.w.u1.txtDeckCnt), "40");
    }
}

TEST(OnlineDuel, ConnectionStepsAndRefusals) {
    std::vector<std::tuple<bool, std::string, std::string, std::string, std::string>> cases = {
        {true, "ACE", "", "", "You must type an IP # to connect to."},
        {false, "ACE", "x", "4000", cannotListenMessage("4000", "the address is already in use")}};
    for (bool join : {false, true})
        cases.push_back({join, "", "", "", "You must type a name to identify yourself online."}),
            cases.push_back({join, "ACE", "x", "", "You must type a port # to connect to."});
    for (const char* port : {"0", "65536", "abc", " 80", "-1", "80.5"})
        cases.push_back(
            {cases.size() % 2 == 0, "ACE", "x", port, "The port # must be a whole number from 1 to 65535."});
    for (const auto& [join, name, ip, port, message] : cases) {
        SCOPED_TRACE(name + "/" + ip + "/" + port + (join ? " join" : " host"));
        MemoryNetwork net;
        net.listening[4000] = nullptr;
        NetWindow t(net);
        smnOnline_Click(t.w);
        std::tie(t.w.online.txtPlayer.text, t.w.online.txtIp.text, t.w.online.txtPort.text) =
            std::tie(name, ip, port);
        const auto before = snapshot(t.w);
        (join ? btnJoin_Click : btnHost_Click)(t.w), net.pump();
        EXPECT_EQ(t.p.messages, Texts{message});
        EXPECT_EQ(t.socket.closes, 2) << "start-up and the click close the socket";
        EXPECT_EQ(snapshot(t.w), before);
    }
    Duel d; // a join that gets no answer gives up at the first tick
    d.join.socket.silent = true, d.connect();
    EXPECT_EQ(flags(d.host.w, "btnDisconnect btnHost txtPort") +
                  flags(d.join.w, "btnDisconnect btnJoin txtIp") + lastLine(d.join.w),
              "100000<[10:00:00 AM] Attempting to connect to 127.0.0.1>");
    tmrConnect_Timer(d.join.w);
    EXPECT_EQ(lastLine(d.join.w) + flags(d.join.w, "btnHost btnJoin tmrConnect txtIp"),
              "<Not able to connect to 127.0.0.1.>0001");
    // NEW GAME while hosting closes the socket without a question: all is as at start-up but the log.
    auto opening = snapshot(NetWindow(d.net).w);
    smnNewGame_Click(d.host.w);
    EXPECT_EQ(snapshot(d.host.w), (opening["txtChat"] = snapshot(d.host.w)["txtChat"], opening));
    EXPECT_EQ(d.host.p.questions, Texts{});
    EXPECT_TRUE(d.net.listening.empty());
}

TEST(OnlineDuel, ARestartCrossingAHandOverLeavesNothingOfTheOldGame) {
    // The restart request crosses player 1's board at several points of the hand-over.
    enum Cross { senderAsksOneBehind, senderAsksFiveBehind, receiverAsks, askThenEnd };
    for (Cross c : {senderAsksOneBehind, senderAsksFiveBehind, receiverAsks, askThenEnd}) {
        SCOPED_TRACE(c);
        Duel d;
        d.connect().sides(true);
        ASSERT_NO_FATAL_FAILURE(d.hostPlaysFirstTurn(c != askThenEnd));
        for (int part = 0; part < 3 && c != askThenEnd; ++part) {
            tmrUpdate_Timer(d.host.w);
            d.net.pump();
        }
        NetWindow& asks = c == receiverAsks ? d.join : d.host;
        (c == receiverAsks ? d.host : d.join).p.answers.push_back(true);
        smnNewGame_Click(asks.w);
        if (c == askThenEnd) btnEnd_Click(d.host.w, SideId::u1);
        for (int part = 0; part < std::array{1, 5, 0, 2}[c]; ++part)
            tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w);
        d.net.pump();
        const auto sent = d.host.socket.sent.size(); // the sender sends nothing more after the restart
        for (int tick = 0; tick < 8; ++tick)
            tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w), d.net.pump();
        EXPECT_EQ(d.host.socket.sent.size(), sent);
        for (NetWindow* t : {&d.host, &d.join})
            EXPECT_EQ(flags(t->w, "tmrUpdate tmrSynch tmrTurnLimit btnOpenU1 btnOpenU2 btnEndU1 btnEndU2") +
                          board(t->w),
                      "0000000" + freshBoard);
        EXPECT_EQ(d.join.w.txtUpdates.text, c == askThenEnd ? "0 of 8" : "3 of 8");
        ASSERT_NO_FATAL_FAILURE(d.nextGameHandsOverWhole());
    }
}

TEST(OnlineDuel, TimeUpBeforePlayerOneOpensItsDeckStartsTheThreeMinutesAgain) {
    Duel d;
    d.connect().sides(true);
    for (int tick = 1; tick <= 3; ++tick)
        tmrTurnLimit_Timer(d.host.w);
    EXPECT_EQ(d.host.p.messages, Texts{"3 minutes have passed. Your turn has automatically ended."});
    EXPECT_EQ(d.host.w.txtMins.text + flags(d.host.w, " tmrTurnLimit btnOpenU1 tmrUpdate"), "3 MINUTES110");
    d.host.p.files.push_back(d.deck);
    btnOpen_Click(d.host.w, SideId::u1); // its first turn ends by time too
    for (int tick = 1; tick <= 3; ++tick)
        tmrTurnLimit_Timer(d.host.w);
    EXPECT_EQ(flags(d.host.w, "tmrTurnLimit btnEndU1 tmrUpdate"), "001");
}

} // namespace

// The status line follows the hand-over part by part; the last-turn box tells once the board arrived whole.
TEST(OnlineDuel, StatusLineAndLastTurnFollowTheHandOver) {
    Duel d;
    d.connect().sides(true);
    LastTurnWatch onHost, onJoin;
    auto observe = [&] { onHost.observe(d.host.w), onJoin.observe(d.join.w); };
    auto status = [](const Window& w) { return statusText(statusOf(w, 0)); };
    auto lines = [](const LastTurnWatch& watch) {
        std::string text;
        for (const TurnChange& c : watch.changes())
            text += changeText(c) + "\n";
        return text;
    };
    observe();
    EXPECT_EQ(status(d.host.w) + "|" + status(d.join.w),
              "Turn: player 1 (you)   Time left 3:00|"
              "Turn: the other window (player 1). Waiting for its board.");
    ASSERT_NO_FATAL_FAILURE(d.hostPlaysFirstTurn());
    observe();
    for (int part = 1; part <= 8; ++part) {
        tmrUpdate_Timer(d.host.w), tmrSynch_Timer(d.host.w), d.net.pump(), observe();
        if (part == 3) {
            EXPECT_EQ(status(d.host.w) + "|" + status(d.join.w),
                      "Turn: nobody. Sending the board: part 3 of 8.|"
                      "Turn: nobody. Receiving the board: part 3 of 8.");
        }
    }
    EXPECT_EQ(status(d.join.w) + "|" + status(d.host.w),
              "Turn: player 2 (you)   Time left 3:00|"
              "Turn: the other window (player 2). Waiting for its board.");
    EXPECT_EQ(lines(onJoin) + "|" + lines(onHost), "Player 1 opened a deck.\nPlayer 1 drew 5 cards.\n|");

    // Player 2's turn ends the game: the host's box tells of it, its status line gives the result.
    d.join.p.files.push_back(d.deck);
    btnOpen_Click(d.join.w, SideId::u2);
    btnQ5_Click(d.join.w, SideId::u2);
    observe();
    put(d.join.w.u1.txtLp, "0"), btnEnd_Click(d.join.w, SideId::u2), d.net.pump(), observe();
    for (int part = 1; part <= 8; ++part) {
        tmrUpdate_Timer(d.join.w);
        d.net.pump();
        observe();
    }
    EXPECT_EQ(lines(onHost),
              "Player 1's life points: 25 -> 0.\nPlayer 2 opened a deck.\nPlayer 2 drew 5 cards.\n");
    EXPECT_EQ(status(d.host.w), "Game over: Player 2 wins.");
}
