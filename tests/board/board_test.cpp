#include "board/inspection.h"
#include "board/numbers.h"
#include "board/sound_subs.h"
#include "board/text_file.h"
#include "support/fakes.h"

#include <sys/stat.h>

using namespace grim;
using namespace grim::test;
using namespace grim::gameSubs;

TEST(ListBox, SelectionFollowsItsItem) {
    ListBox l;
    l.setItems({"a", "b", "c"}), l.select(1);
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
    std::string selections;
    for (int i : {-1, 3}) // outside the list
        l.select(i), selections += std::to_string(l.selected()) + " ";
    l.select(0), l.setItems({"q"}); // new items
    EXPECT_EQ(selections + std::to_string(l.selected()), "-1 -1 -1");
}

TEST(Numbers, SixteenBitCountersAndSlotPowers) {
    TextBox high, low;
    Counter counter{32760};
    writeNumber(high, 40000), writeNumber(low, -40000), addNumber(counter, 10);
    EXPECT_EQ(high.text + low.text + shownText(counter), "32767-3276832767");
    FieldSlot slot;
    putCard(slot, CardId::ofCode(165).value(), 40000);
    EXPECT_EQ(shownText(slot), "[165] OMEGA 32767");
    setPower(slot, -40000);
    EXPECT_EQ(shownText(slot), "[165] OMEGA -32768");
}

TEST(GameOver, ResultSoundBeforeTheMessageAndBothSidesStop) {
    using enum GameOverResult;
    const std::tuple<const char*, const char*, const char*, GameOverResult> cases[] = {
        {"0", "0", "Game is a draw.", draw},
        {"0", "5", "Player 2 wins.", player2},
        {"7", "-2", "Player 1 wins.", player1}};
    for (const auto& [lp1, lp2, result, answer] : cases) {
        MyTurn t;
        put(t.w.u1.txtLp, lp1), put(t.w.u2.txtLp, lp2), t.w.u2.lstHand.visible = false;
        EXPECT_EQ(gameOverCheck(t.w), answer);
        EXPECT_EQ(t.p.log, (Log{"sound: over.wav", std::string("message: ") + result}));
        EXPECT_EQ(t.flags("btnEndU1 tmrTurnLimit lstHandU2.v"), "001");
    }
    TestWindow quiet;
    soundSubs::smnSoundsOff_Click(quiet.w);
    put(quiet.w.u1.txtLp, "0");
    gameOverCheck(quiet.w);
    EXPECT_EQ(quiet.p.log, Log{"message: Player 2 wins."}); // the sound menu's items: in the window test
}

TEST(Inspection, RecordsAndHints) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t(side);
        // A list's click with nothing selected keeps the box.
        auto keeps = [&](auto& list, void (*click)(Window&, SideId), int code) {
            put(list, {entry(101), entry(code)});
            t.w.txtDescControls.text = "kept";
            click(t.w, side);
            EXPECT_EQ(t.w.txtDescControls.text, "kept");
        };
        keeps(t.mine().lstHand, lstHand_Click, 105);
        keeps(t.mine().cmbGrave, cmbGrave_Click, 200);
        keeps(t.mine().lstDeck, lstDeck_Click, 140);
        put(t.mine().slot(5), "[163] DRAGON 20");
        controlMouseMove(t.w, side == SideId::u1 ? "txtAttU1_5" : "txtAttU2_5");
        EXPECT_EQ(t.w.txtDescControls.text, cardSubs::recordText(*cardSubs::record(163)));
    }
    for (const char* none : {"txtAttU1_6", "btnEndU3", "lstDeckU1", "txtLpU1_2"})
        EXPECT_EQ(controlHint(none), "");
    EXPECT_EQ(std::string(controlHint("lblAttU2_5")) + std::string(controlHint("btnEndU1")),
              "Click this number to SACRIFICE this card.Click this button to end your turn.");
}

TEST(Startup, LoadsTheHelp) {
    TempFolder dir;
    dir.raw("instructions.txt", "One\rTwo\nThree\r\n");
    EXPECT_EQ(TestWindow(SideId::u1, dir.dir.string()).w.txtHelp.text, "One\r\nTwo\r\nThree\r\n");
    std::filesystem::create_directories(dir.path("folder") + "/instructions.txt"); // a folder in its place
    EXPECT_EQ(TestWindow(SideId::u1, dir.path("folder")).w.txtHelp.text, helpNotFound);
    std::filesystem::create_directories(dir.path("pipe")); // a pipe nobody writes to: not waited for
    ASSERT_EQ(::mkfifo((dir.path("pipe") + "/instructions.txt").c_str(), 0600), 0);
    EXPECT_EQ(TestWindow(SideId::u1, dir.path("pipe")).w.txtHelp.text, helpNotFound);
    dir.raw("long.txt", "ok\n" + std::string(maxLineLength + 1, 'x') + "\n");
    const TextLines lines = readTextLines(dir.path("long.txt"), 10);
    EXPECT_EQ(lines.lines, std::vector<std::string>{"ok"});
    EXPECT_EQ(lines.status, TextLines::Status::lineTooLong);
}
