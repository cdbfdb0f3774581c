#include "board/game_subs.h"
#include "board/registry.h"
#include "support/fakes.h"
#include "support/snapshot.h"

#include <gtest/gtest.h>

#include <set>

using namespace grim;
using grim::test::TestWindow;

namespace {

// Every turn control of a side, in the order the program visits them.
std::vector<const Switch*> turnControls(const Side& s) {
    std::vector<const Switch*> v{&s.btnOpen, &s.btnQ5, &s.btnAdd, &s.btnSacri};
    for (const auto& l : s.lblAtt) v.push_back(&l);
    for (const Switch* b : {&s.btnSpecial, &s.btnField, &s.btnDirect, &s.btnMaster, &s.btnAttack, &s.btnEnd})
        v.push_back(b);
    return v;
}

int enabledCount(const Side& s) {
    int n = 0;
    for (const Switch* c : turnControls(s)) n += c->enabled ? 1 : 0;
    return n;
}

void enableEverything(Window& w) {
    for (Side* s : {&w.u1, &w.u2})
        for (const Switch* c : turnControls(*s)) const_cast<Switch*>(c)->enabled = true;
}

} // namespace

TEST(SideControl, DisableBySideIdentifier) {
    TestWindow t;
    Window& w = t.w;

    enableEverything(w);
    w.u1.turnSacrifices = 2;
    w.u2.turnSacrifices = 1;
    gameSubs::disableSide(w, "u2");
    EXPECT_EQ(enabledCount(w.u2), 0);
    EXPECT_EQ(enabledCount(w.u1), 15);
    EXPECT_EQ(w.u2.turnSacrifices, 0);
    EXPECT_EQ(w.u1.turnSacrifices, 2);

    gameSubs::disableSide(w, "nobody");
    EXPECT_EQ(enabledCount(w.u1), 15);
    EXPECT_EQ(w.u1.turnSacrifices, 2);

    w.u2.turnSacrifices = 1;
    gameSubs::disableSide(w, "both");
    EXPECT_EQ(enabledCount(w.u1), 0);
    EXPECT_EQ(w.u1.turnSacrifices, 2);  // "both" leaves the counters alone
    EXPECT_EQ(w.u2.turnSacrifices, 1);

    enableEverything(w);
    gameSubs::disableSide(w, "u1");
    EXPECT_EQ(enabledCount(w.u1), 0);
    EXPECT_EQ(w.u1.turnSacrifices, 0);
    EXPECT_EQ(enabledCount(w.u2), 15);
}

TEST(SideControl, EnableLeavesTheOpenButtonAndTakesUnknownSidesAsPlayer2) {
    TestWindow t;
    Window& w = t.w;
    gameSubs::enableSide(w, "u1");
    EXPECT_FALSE(w.u1.btnOpen.enabled);
    EXPECT_EQ(enabledCount(w.u1), 14);
    EXPECT_EQ(enabledCount(w.u2), 0);

    gameSubs::enableSide(w, "player two");
    EXPECT_EQ(enabledCount(w.u2), 14);
    EXPECT_FALSE(w.u2.btnOpen.enabled);
}

TEST(SideControl, EndPreparationStopsDrawingAndOpensTheSlotLabels) {
    TestWindow t;
    Window& w = t.w;
    gameSubs::enableSide(w, "u2");
    for (auto& l : w.u2.lblAtt) l.enabled = false;
    gameSubs::endPreparation(w, "u2");
    const Side& s = w.u2;
    EXPECT_FALSE(s.btnQ5.enabled || s.btnAdd.enabled || s.btnSacri.enabled || s.btnSpecial.enabled);
    for (const auto& l : s.lblAtt) EXPECT_TRUE(l.enabled);
    EXPECT_TRUE(s.btnField.enabled && s.btnDirect.enabled && s.btnMaster.enabled && s.btnAttack.enabled &&
                s.btnEnd.enabled);
}

TEST(GameOver, ResultsFromLifePoints) {
    struct Case {
        const char* lp1;
        const char* lp2;
        const char* message;
    };
    const Case cases[] = {{"0", "0", "Game is a draw."},   {"-3", "-1", "Game is a draw."},
                          {"0", "5", "Player 2 wins."},     {"7", "-2", "Player 1 wins."},
                          {"32767", "0", "Player 1 wins."}};
    for (const Case& c : cases) {
        TestWindow t;
        Window& w = t.w;
        w.u1.txtLp.text = c.lp1;
        w.u2.txtLp.text = c.lp2;
        gameSubs::enableSide(w, "u1");
        w.u1.lstDeck.visible = false;
        w.u2.lstHand.visible = false;
        w.timers.tmrTurnLimit.setOn(true);

        EXPECT_EQ(gameSubs::gameOverCheck(w), "over");
        ASSERT_EQ(t.prompter.messages.size(), 1u);
        EXPECT_EQ(t.prompter.messages[0], c.message);
        EXPECT_EQ(t.prompter.titles[0], "Message");
        EXPECT_EQ(t.sound.played, std::vector<std::string>{"over.wav"});
        EXPECT_FALSE(w.timers.tmrTurnLimit.on());
        EXPECT_EQ(enabledCount(w.u1), 0);
        EXPECT_TRUE(w.u1.lstDeck.visible && w.u1.lstHand.visible && w.u2.lstDeck.visible && w.u2.lstHand.visible);
    }
}

TEST(GameOver, GoesOnWhileBothSidesHaveLifeAndIsSilentWithSoundsOff) {
    TestWindow t;
    Window& w = t.w;
    w.u1.txtLp.text = "1";
    w.u2.txtLp.text = "1";
    gameSubs::enableSide(w, "u1");
    EXPECT_EQ(gameSubs::gameOverCheck(w), "");
    EXPECT_TRUE(t.prompter.messages.empty());
    EXPECT_EQ(enabledCount(w.u1), 14);

    w.menu.smnSoundsOn.checked = false;
    w.u2.txtLp.text = "0";
    EXPECT_EQ(gameSubs::gameOverCheck(w), "over");
    EXPECT_TRUE(t.sound.played.empty());
}

namespace {
void dirtyBoard(Window& w) {
    for (Side* s : {&w.u1, &w.u2}) {
        s->lstDeck.add("[105] CLOWN");
        s->lstHand.add("[120] OGRE");
        s->cmbGrave.add("[141] GORILLA 200");
        s->slot(3).text = "[116] ZOMBIE 40";
        s->txtDeckCnt.text = "1";
        s->txtHandCnt.text = "1";
        s->txtGraveCnt.text = "1";
        s->txtSacriCnt.text = "4";
        s->txtLp.text = "-2";
        s->turnSacrifices = 2;
        s->lstDeck.visible = false;
    }
    gameSubs::enableSide(w, "u1");
    w.timePassed = 2;
    w.timers.tmrTurnLimit.setOn(true);
    w.timers.tmrUpdate.setOn(true);
}

void expectCleanBoard(const Window& w) {
    for (const Side* s : {&w.u1, &w.u2}) {
        EXPECT_TRUE(s->lstDeck.empty() && s->lstHand.empty() && s->cmbGrave.empty());
        for (const auto& slot : s->txtAtt) EXPECT_EQ(slot.text, "");
        EXPECT_EQ(s->txtDeckCnt.text, "0");
        EXPECT_EQ(s->txtHandCnt.text, "0");
        EXPECT_EQ(s->txtGraveCnt.text, "0");
        EXPECT_EQ(s->txtSacriCnt.text, "0");
        EXPECT_EQ(s->txtLp.text, "25");
        EXPECT_EQ(s->turnSacrifices, 0);
        EXPECT_EQ(enabledCount(*s), 0);
    }
    EXPECT_EQ(w.timePassed, 0);
    EXPECT_FALSE(w.timers.tmrTurnLimit.on());
}
} // namespace

TEST(NewGame, ResetOnOneMachineShowsTheListsAndEnablesNothing) {
    TestWindow t;
    Window& w = t.w;
    dirtyBoard(w);
    gameSubs::newGameReset(w);
    expectCleanBoard(w);
    EXPECT_TRUE(w.u1.lstDeck.visible && w.u2.lstDeck.visible);
    EXPECT_TRUE(w.timers.tmrUpdate.on());  // the update timer belongs to online play
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST(NewGame, ResetOnlineHidesTheListsAndReopensTheChoiceOfSides) {
    TestWindow t;
    Window& w = t.w;
    dirtyBoard(w);
    gameSubs::newGameResetOnline(w);
    expectCleanBoard(w);
    EXPECT_FALSE(w.u1.lstDeck.visible || w.u1.lstHand.visible || w.u2.lstDeck.visible || w.u2.lstHand.visible);
    EXPECT_FALSE(w.timers.tmrUpdate.on());
    EXPECT_TRUE(w.online.optPlayer1.enabled && w.online.optPlayer2.enabled);
    EXPECT_FALSE(w.online.btnSet.enabled);  // only the window that was player 1 gets SET

    w.online.optPlayer1.checked = true;
    gameSubs::newGameResetOnline(w);
    EXPECT_TRUE(w.online.btnSet.enabled);
}

TEST(Slots, PowerIsTheNumberAfterTheLastBlank) {
    EXPECT_EQ(gameSubs::lastPosition("[165] OMEGA 600", " "), 12u);
    EXPECT_EQ(gameSubs::lastPosition("[165]", " "), std::nullopt);
    EXPECT_EQ(gameSubs::slotPower("[165] OMEGA 600"), 600);
    EXPECT_EQ(gameSubs::slotPower("[164] HORN BEETLE 300"), 300);
    EXPECT_EQ(gameSubs::withPower("[164] HORN BEETLE 300", 350), "[164] HORN BEETLE 350");
    EXPECT_EQ(gameSubs::withPower("[116] ZOMBIE 40", -20), "[116] ZOMBIE -20");
    EXPECT_EQ(gameSubs::withPower("[116] ZOMBIE 40", 100000), "[116] ZOMBIE 32767");
}

TEST(Registry, EveryControlHasOneUniqueName) {
    TestWindow t;
    std::set<std::string> names;
    int total = 0;
    forEachControl(t.w, [&](const std::string& name, auto&) {
        names.insert(name);
        ++total;
    });
    EXPECT_EQ(static_cast<int>(names.size()), total);
    for (const char* n : {"btnAddU1", "txtAttU2_3", "lblAttU1_5", "cmbSlotBU2", "lstDeck", "lstDeckU1",
                          "txtBottom", "smnSoundsOff", "tmrSynch", "txtDescControls", "optPlayer2"})
        EXPECT_TRUE(names.count(n)) << n;
}

TEST(Snapshot, SeesEveryKindOfChange) {
    TestWindow t;
    const auto before = grim::test::snapshot(t.w);
    t.w.u2.cmbSlotA.select(2);
    EXPECT_NE(grim::test::snapshot(t.w), before);
    t.w.u2.cmbSlotA.clearSelection();
    EXPECT_EQ(grim::test::snapshot(t.w), before);
    t.w.u1.turnSacrifices = 1;
    EXPECT_NE(grim::test::snapshot(t.w), before);
}
