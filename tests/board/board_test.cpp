#include "board/inspection.h"
#include "board/numbers.h"
#include "board/sound_subs.h"
#include "board/text_file.h"
#include "online/online_subs.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;

TEST(ListBox, SelectionFollowsItsItem) {
    ListBox l;
    l.setItems({"a", "b", "c"});
    l.select(1);
    l.insert(1, "x"); // at or above: the selection moves down with "b"
    EXPECT_EQ(l.selectedText(), "b");
    l.insert(3, "y"); // below: stays
    l.remove(0);      // above: moves up
    l.remove(2);
    EXPECT_EQ(l.selected(), 1);
    l.remove(1); // the selected item itself: nothing selected
    EXPECT_EQ(l.selectedText(), "");
    l.insert(99, "z");
    EXPECT_EQ(l.items(), (std::vector<std::string>{"x", "c", "z"}));
    for (int i : {-1, 3}) {
        l.select(i);
        EXPECT_FALSE(l.hasSelection());
    }
    l.select(0);
    l.setItems({"q"});
    EXPECT_EQ(l.selected(), ListBox::none);
}

TEST(Numbers, SixteenBitCountersAndSlotPowers) {
    const std::pair<const char*, int> reads[] = {{"12", 12},       {" -7x", -7},       {"", 0},  {"abc", 0},
                                                 {"99999", 32767}, {"-40000", -32768}, {"+5", 5}};
    for (const auto& [text, n] : reads)
        EXPECT_EQ(readNumber(text), n) << text;
    TextBox box{"32760"}, low;
    addNumber(box, 10);
    writeNumber(low, -40000);
    EXPECT_EQ(box.text + low.text, "32767-32768");
    using namespace gameSubs;
    EXPECT_EQ(slotPower("[163] DRAGON 300") + slotPower("[164] HORN BEETLE -12"), 288);
    EXPECT_EQ(withPower("[164] HORN BEETLE 300", 50) + withPower("[165] OMEGA 600", 40000),
              "[164] HORN BEETLE 50[165] OMEGA 32767");
}

TEST(GameOver, ResultSoundBeforeTheMessageAndBothSidesStop) {
    using enum gameSubs::GameOverResult;
    const std::tuple<const char*, const char*, const char*, gameSubs::GameOverResult> cases[] = {
        {"1", "1", "", notOver},
        {"0", "0", "Game is a draw.", draw},
        {"0", "5", "Player 2 wins.", player2},
        {"7", "-2", "Player 1 wins.", player1}};
    for (const auto& [lp1, lp2, result, answer] : cases) {
        MyTurn t;
        t.w.u1.txtLp.text = lp1;
        t.w.u2.txtLp.text = lp2;
        t.w.u2.lstHand.visible = false;
        if (!*result) {
            EXPECT_TRUE(t.refused(
                [&] { EXPECT_EQ(gameSubs::gameOverCheck(t.w), gameSubs::GameOverResult::notOver); }, ""));
            continue;
        }
        EXPECT_EQ(gameSubs::gameOverCheck(t.w), answer);
        EXPECT_EQ(t.p.log, (Log{"sound: over.wav", std::string("message: ") + result}));
        EXPECT_TRUE(!t.w.u1.btnEnd.enabled && !t.w.timers.tmrTurnLimit.on() && t.w.u2.lstHand.visible);
    }
    TestWindow quiet;
    soundSubs::smnSoundsOff_Click(quiet.w);
    quiet.w.u1.txtLp.text = "0";
    gameSubs::gameOverCheck(quiet.w);
    soundSubs::smnSoundsOn_Click(quiet.w);
    EXPECT_EQ(quiet.p.log, Log{"message: Player 2 wins."});
    EXPECT_EQ(snapshot(quiet.w)["smnSoundsOn"] + snapshot(quiet.w)["smnSoundsOff"], "011110");
}

TEST(NewGame, EmptiesTheBoardOnOneMachineOrOnline) {
    const auto opening = snapshot(TestWindow().w);
    for (bool online : {false, true}) {
        MyTurn t(SideId::u2);
        for (Side* s : {&t.w.u1, &t.w.u2}) {
            TestWindow::fill(s->lstDeck, s->txtDeckCnt, entries(4));
            TestWindow::fill(s->cmbGrave, s->txtGraveCnt, entries(2));
            s->slot(5).text = fielded(120);
            s->txtLp.text = s->txtSacriCnt.text = "3";
        }
        t.w.timePassed = 2;
        t.w.txtMins.text = "1 MINUTES";
        t.w.online.optPlayer1.checked = online;
        online ? onlineSubs::newGameResetOnline(t.w) : gameSubs::newGameReset(t.w);
        auto now = snapshot(t.w);
        EXPECT_EQ(now["lstDeckU1"], online ? "10-1" : opening.at("lstDeckU1"));
        EXPECT_EQ(t.w.online.btnSet.enabled, online);
        for (const char* name : {"txtAttU1_5", "txtAttU2_5", "cmbGraveU2", "txtLpU1", "txtSacriCntU2",
                                 "txtGraveCntU1", "txtDeckCntU2", "txtMins", "btnEndU2", "counters"})
            EXPECT_EQ(now[name], opening.at(name)) << name;
        EXPECT_FALSE(t.w.timers.tmrTurnLimit.on());
    }
}

TEST(Inspection, RecordsAndHints) {
    using Click = void (*)(Window&, SideId);
    const std::tuple<ListBox Side::*, Click, int> lists[] = {{&Side::lstHand, gameSubs::lstHand_Click, 105},
                                                             {&Side::cmbGrave, gameSubs::cmbGrave_Click, 200},
                                                             {&Side::lstDeck, gameSubs::lstDeck_Click, 140}};
    for (SideId side : {SideId::u1, SideId::u2})
        for (const auto& [list, click, code] : lists) {
            TestWindow t(side);
            (t.mine().*list).setItems({entry(code), "[999] NOTHING"});
            for (int i : {0, 1}) { // no catalogue card: the box stays
                (t.mine().*list).select(i);
                click(t.w, side);
                EXPECT_EQ(t.w.txtDescControls.text, cardSubs::recordText(*cardSubs::record(code)));
            }
            t.mine().slot(5).text = "[163] DRAGON 20";
            gameSubs::controlMouseMove(t.w, side == SideId::u1 ? "txtAttU1_5" : "txtAttU2_5");
            EXPECT_EQ(t.w.txtDescControls.text, cardSubs::recordText(*cardSubs::record(163)));
        }
    for (const char* none : {"txtAttU1_6", "btnEndU3", "lstDeckU1", "txtLpU1_2"})
        EXPECT_EQ(gameSubs::controlHint(none), "");
    EXPECT_EQ(std::string(gameSubs::controlHint("lblAttU2_5")) +
                  std::string(gameSubs::controlHint("btnEndU1")),
              "Click this number to SACRIFICE this card.Click this button to end your turn.");
}

TEST(Startup, FillsTheListsAndSelectorsAndLoadsTheHelp) {
    TempFolder dir;
    dir.raw("instructions.txt", "Line one\rLine two\nLine three\r\n");
    TestWindow t(SideId::u1, dir.dir.string());
    EXPECT_EQ(t.w.txtHelp.text, "Line one\r\nLine two\r\nLine three\r\n");
    EXPECT_EQ(t.w.u2.cmbSlotB.items(), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(t.w.deck.txtRegCnt.text + t.w.deck.lstSpcCards.item(28), "66" + entry(228));
    EXPECT_FALSE(t.w.u1.btnOpen.enabled || t.w.online.btnHost.enabled || t.w.online.txtPort.enabled);
    EXPECT_EQ(TestWindow().w.txtHelp.text, helpNotFound);
    std::filesystem::create_directories(dir.path("folder") + "/instructions.txt"); // a folder in its place
    EXPECT_EQ(TestWindow(SideId::u1, dir.path("folder")).w.txtHelp.text, helpNotFound);
    dir.raw("long.txt", "ok\n" + std::string(maxLineLength + 1, 'x') + "\n");
    const TextLines lines = readTextLines(dir.path("long.txt"), 10);
    EXPECT_TRUE(lines.status == TextLines::Status::lineTooLong &&
                lines.lines == std::vector<std::string>{"ok"});
}
