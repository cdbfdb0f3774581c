#include "board/last_turn.h"
#include "board/status_line.h"
#include "board/turn_state.h"
#include "support/fakes.h"

#include <sstream>

using namespace grim;
using namespace grim::test;

namespace {

// "210,120:75": the entries of cards 210 and 120, the second with a power.
std::vector<std::string> items(const std::string& codes) {
    std::vector<std::string> items;
    std::istringstream list(codes);
    for (std::string code; std::getline(list, code, ',');)
        items.push_back(entry(std::stoi(code)) + (code.size() > 3 ? " " + code.substr(4) : ""));
    return items;
}

// A side from a short text: "d=100,101" deck, "h=105" hand, "f3=120:150" slot 3 with its power,
// "g=210,120:75" graveyard, "lp=24", "c=2" sacrificed cards.
Side sideOf(const std::string& text) {
    Side s;
    std::istringstream in(text);
    for (std::string token; in >> token;) {
        const auto eq = token.find('=');
        const std::string key = token.substr(0, eq), value = token.substr(eq + 1);
        if (key == "lp") put(s.txtLp, value);
        if (key == "c") put(s.txtSacriCnt, value);
        if (key == "d") put(s.lstDeck, items(value));
        if (key == "h") put(s.lstHand, items(value));
        if (key == "g") put(s.cmbGrave, items(value));
        if (key[0] == 'f') put(s.slot(key[1] - '0'), items(value).at(0));
    }
    return s;
}

std::string lines(const std::vector<TurnChange>& changes) {
    std::string out;
    for (const TurnChange& c : changes)
        out += changeText(c) + "\n";
    return out;
}

} // namespace

TEST(LastTurn, LinesOfABoardPair) {
    struct Case {
        const char *before1, *before2, *after1, *after2, *expected;
        std::optional<SideId> mover = std::nullopt;
    };
    const Case cases[] = {
        {"d=100 h=105 lp=3", "f1=120:150", "d=100 h=105 lp=3", "f1=120:150", ""},
        // Opening a deck and drawing from it; the other side's hand is only counted.
        {"", "", "d=100,101,102 h=103,104,105,106,107", "",
         "Player 1 opened a deck.\nPlayer 1 drew 5 cards.\n"},
        // Fielding from the hand, paying C; sacrificing from the hand, earning C.
        {"d=100 h=120,105 c=1", "", "d=100 h=105 f2=120:150", "",
         "Player 1 fielded [120] OGRE in slot 2 (power 150).\nPlayer 1's sacrificed cards: 1 -> 0.\n"},
        {"", "d=100 h=105,106", "", "d=100 h=106 g=105 c=1",
         "Player 2 sacrificed [105] CLOWN from the hand.\nPlayer 2's sacrificed cards: 0 -> 1.\n"},
        // The C a sacrifice earned spent on a card in the same turn: the side that moved sacrificed.
        {"", "h=105,138 c=0 lp=25", "", "g=105 f2=138:200 c=0 lp=24",
         "Player 2 fielded [138] SAMURAI in slot 2 (power 200).\n"
         "Player 2 sacrificed [105] CLOWN from the hand.\nPlayer 2's life points: 25 -> 24.\n",
         SideId::u2},
        // Special cards from the hand: played, sacrificed (the C earned tells), or either of the two.
        {"h=221,205 f1=134:150", "", "g=221,205 f1=134:100", "",
         "Player 1's [134] STINGRAY in slot 1: power 150 -> 100.\n"
         "Player 1 played the special card [221] DEATH.\nPlayer 1 played the special card [205] REDUCTION.\n",
         SideId::u1},
        {"h=221,205", "", "g=221,205 c=2", "",
         "Player 1 sacrificed [221] DEATH from the hand.\n"
         "Player 1 sacrificed [205] REDUCTION from the hand.\nPlayer 1's sacrificed cards: 0 -> 2.\n",
         SideId::u1},
        {"h=221,205,134", "", "g=221,205 f1=134:150", "",
         "Player 1 fielded [134] STINGRAY in slot 1 (power 150).\n"
         "Player 1 played or sacrificed the special card [221] DEATH.\n"
         "Player 1 played or sacrificed the special card [205] REDUCTION.\n",
         SideId::u1},
        // A combat: the defender destroyed (its graveyard item no line of its own), the attacker's power.
        {"f1=120:150", "f4=105:100", "f1=120:50", "g=105:100 lp=24",
         "Player 1's [120] OGRE in slot 1: power 150 -> 50.\nPlayer 2's [105] CLOWN left slot 4.\n"
         "Player 2's life points: 25 -> 24.\n"},
        // A special card played from the hand that destroys the other side's card.
        {"h=210,105 g=106", "f5=120:150", "h=105 g=106,210", "g=120:150",
         "Player 1 played the special card [210] GOD KILLER.\nPlayer 2's [120] OGRE left slot 5.\n"},
        // A card replaced in its slot; graveyard cards taken back into the hand or gone elsewhere.
        {"h=101 f3=100:50", "", "f3=101:60 g=100:50", "",
         "Player 1's [100] GNOME left slot 3.\nPlayer 1 fielded [101] ELF in slot 3 (power 60).\n"},
        {"", "h=105 g=106,107", "", "h=105,106",
         "Player 2 took [106] NERD from the graveyard into the hand.\n"
         "[107] PEASANT left player 2's graveyard.\n"},
        // A hand card gone to the graveyard by the other side's effect, a graveyard card stolen, life points.
        {"lp=5", "h=105,106", "lp=7", "h=106 g=105 lp=-2",
         "Player 1's life points: 5 -> 7.\n[105] CLOWN went from player 2's hand to the graveyard.\n"
         "Player 2's life points: 25 -> -2.\n"},
        {"g=106", "g=107,211", "g=106,107", "g=211",
         "[107] PEASANT came into player 1's graveyard.\n[107] PEASANT left player 2's graveyard.\n"},
        // Two copies: one of them fielded, the other still in the hand.
        {"h=105,105", "", "h=105 f1=105:100", "", "Player 1 fielded [105] CLOWN in slot 1 (power 100).\n"},
    };
    for (const auto& [before1, before2, after1, after2, expected, mover] : cases) {
        const BoardSides before{sideOf(before1), sideOf(before2)}, after{sideOf(after1), sideOf(after2)};
        EXPECT_EQ(lines(turnChanges(before, after, mover)), expected) << after1 << " | " << after2;
    }
}

// A turn's lines appear once the turn has passed on: OFFLINE both players', VS COMPUTER the computer's.
TEST(LastTurn, TheWatchFollowsTheTurnsOfEachMode) {
    for (const bool offline : {true, false}) {
        MyTurn t; // player 1's turn at one machine
        t.w.menu.smnOffline.checked = offline, t.w.menu.smnComputer.checked = !offline;
        LastTurnWatch watch;
        put(t.w.u1.lstDeck, {entry(100), entry(120)});
        watch.observe(t.w);
        put(t.w.u1.lstDeck, {entry(100)}), put(t.w.u1.lstHand, {entry(120)}), put(t.w.u2.txtLp, "24");
        watch.observe(t.w);
        EXPECT_TRUE(watch.changes().empty()) << "the turn goes on";
        gameSubs::disableSide(t.w, SideId::u1);
        gameSubs::enableSide(t.w, SideId::u2);
        watch.observe(t.w);
        EXPECT_EQ(lines(watch.changes()),
                  offline ? "Player 1 drew 1 card.\nPlayer 2's life points: 25 -> 24.\n" : "");
        put(t.w.u2.txtSacriCnt, "1");
        gameSubs::disableSide(t.w, SideId::u2);
        gameSubs::enableSide(t.w, SideId::u1);
        watch.observe(t.w);
        EXPECT_EQ(lines(watch.changes()), "Player 2's sacrificed cards: 0 -> 1.\n");
        // A game that ends in player 1's turn; then a new game starts with an empty box.
        put(t.w.u2.txtLp, "0");
        gameSubs::disableSide(t.w, SideId::u1);
        watch.observe(t.w);
        EXPECT_EQ(lines(watch.changes()),
                  offline ? "Player 2's life points: 24 -> 0.\n" : "Player 2's sacrificed cards: 0 -> 1.\n");
        for (Side* s : {&t.w.u1, &t.w.u2}) {
            s->lstDeck.clear();
            s->lstHand.clear();
            s->cmbGrave.clear();
        }
        watch.observe(t.w);
        EXPECT_TRUE(watch.changes().empty());
    }
}

TEST(StatusLine, WhoseTurnTheHandOverTheResultAndTheTimeLeft) {
    auto online = [](Window& w) {
        w.menu.smnOnline.checked = w.online.btnDisconnect.enabled = w.online.optPlayer1.checked = true;
    };
    // The side to move in a mode, with the minutes of its turn that have passed.
    auto turn = [](SideId side, PlayMode mode, int passed = 0) {
        return [=](Window& w) {
            w.menu.smnOffline.checked = mode == PlayMode::offline,
            w.menu.smnComputer.checked = mode == PlayMode::computer;
            w.menu.smnOnline.checked = mode == PlayMode::online;
            gameSubs::enableSide(w, side), w.timers.tmrTurnLimit.setOn(true), w.timePassed = passed;
        };
    };
    // the board, the milliseconds the turn timer has run, and the status line (" urgent": marked)
    const std::tuple<std::function<void(Window&)>, std::int64_t, const char*> cases[] = {
        {[](Window&) {}, 0, "No game. Choose OFFLINE, ONLINE or VS COMPUTER in the OPTIONS menu."},
        {turn(SideId::u1, PlayMode::offline), 0, "Turn: player 1   Time left 3:00"},
        {turn(SideId::u2, PlayMode::offline, 1), 61'000, "Turn: player 2   Time left 1:59"},
        // A minute's tick late by a moment shows no minute too few; the last 30 seconds are marked.
        {turn(SideId::u1, PlayMode::offline, 2), 119'900, "Turn: player 1   Time left 1:00"},
        {turn(SideId::u1, PlayMode::offline, 2), 150'000, "Turn: player 1   Time left 0:30 urgent"},
        {turn(SideId::u1, PlayMode::offline, 2), 149'000, "Turn: player 1   Time left 0:31"},
        {turn(SideId::u2, PlayMode::computer), 5'000, "Turn: player 2 (the computer)   Time left 2:55"},
        {turn(SideId::u1, PlayMode::computer), 0, "Turn: player 1 (you)   Time left 3:00"},
        {[](Window& w) { w.menu.smnOffline.checked = true, put(w.u1.txtLp, "0"); }, 0,
         "Game over: Player 2 wins."},
        {[](Window& w) { w.menu.smnComputer.checked = true, put(w.u1.txtLp, "-1"), put(w.u2.txtLp, "0"); }, 0,
         "Game over: Game is a draw."},
        {[](Window& w) { w.menu.smnOnline.checked = true; }, 0, "Online: not connected."},
        {online, 0, "Turn: nobody."},
        {[&](Window& w) { online(w), w.incoming = Window::Incoming::due; }, 0,
         "Turn: the other window (player 2). Waiting for its board."},
        {[&](Window& w) { online(w), w.incoming = Window::Incoming::arriving, w.partsReceived = 3; }, 0,
         "Turn: nobody. Receiving the board: part 3 of 8."},
        {[&](Window& w) { online(w), w.timers.tmrUpdate.setOn(true), w.partsSent = 5; }, 0,
         "Turn: nobody. Sending the board: part 5 of 8."},
    };
    for (const auto& [lay, ms, text] : cases) {
        TestWindow t;
        lay(t.w);
        const Status s = statusOf(t.w, ms);
        EXPECT_EQ(statusText(s) + (s.urgent ? " urgent" : ""), text);
    }
}
