#include "board/game_subs.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;
using Names = std::set<std::string>;

namespace {

Names turnControls(SideId side) {
    Names names = allTurnControlsButOpen(side);
    names.insert(side == SideId::u1 ? "btnOpenU1" : "btnOpenU2");
    return names;
}

void enableEverything(Window& w) {
    for (Side* s : {&w.u1, &w.u2}) {
        gameSubs::enableSide(w, s == &w.u1 ? SideId::u1 : SideId::u2);
        s->btnOpen.enabled = true;
    }
}

} // namespace

TEST(SideControl, DisableAndEnableBySide) {
    for (const SideId side : {SideId::u1, SideId::u2}) {
        TestWindow t;
        enableEverything(t.w);
        t.w.u1.turnSacrifices = 2;
        t.w.u2.turnSacrifices = 2;
        gameSubs::disableSide(t.w, side);
        EXPECT_EQ(enabledTurnControls(t.w, side), Names{});
        EXPECT_EQ(enabledTurnControls(t.w, other(side)), turnControls(other(side)));
        EXPECT_EQ(t.w.side(side).turnSacrifices, 0);
        EXPECT_EQ(t.w.opponent(side).turnSacrifices, 2);
    }
    TestWindow b;
    enableEverything(b.w);
    b.w.u1.turnSacrifices = 2;
    gameSubs::disableBoth(b.w);
    EXPECT_EQ(enabledTurnControls(b.w, SideId::u1), Names{});
    EXPECT_EQ(enabledTurnControls(b.w, SideId::u2), Names{});
    EXPECT_EQ(b.w.u1.turnSacrifices, 2);
    // Enabling leaves the open button.
    TestWindow t;
    gameSubs::enableSide(t.w, SideId::u1);
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u1), allTurnControlsButOpen(SideId::u1));
    EXPECT_TRUE(enabledTurnControls(t.w, SideId::u2).empty());
    gameSubs::enableSide(t.w, SideId::u2);
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u2), allTurnControlsButOpen(SideId::u2));
}

TEST(SideControl, EndPreparationStopsDrawingAndOpensTheSlotLabels) {
    TestWindow t;
    gameSubs::enableSide(t.w, SideId::u2);
    for (auto& l : t.w.u2.lblAtt)
        l.enabled = false;
    gameSubs::endPreparation(t.w, SideId::u2);
    Names expected = allTurnControlsButOpen(SideId::u2);
    for (const char* off : {"btnQ5U2", "btnAddU2", "btnSacriU2", "btnSpecialU2"})
        expected.erase(off);
    EXPECT_EQ(enabledTurnControls(t.w, SideId::u2), expected);
}

TEST(GameOver, ResultsFromLifePoints) {
    struct Case {
        const char *lp1, *lp2, *message;
        bool sounds = true;
    };
    const Case cases[] = {{"1", "1", ""},
                          {"0", "0", "Game is a draw."},
                          {"-3", "-1", "Game is a draw."},
                          {"0", "5", "Player 2 wins."},
                          {"7", "-2", "Player 1 wins.", false},
                          {"32767", "0", "Player 1 wins."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.lp1) + " " + c.lp2);
        TestWindow t;
        Window& w = t.w;
        w.menu.smnSoundsOn.checked = c.sounds;
        w.u1.txtLp.text = c.lp1;
        w.u2.txtLp.text = c.lp2;
        startTurn(w, SideId::u1);
        w.u2.btnEnd.enabled = true;
        w.u1.turnSacrifices = 1; // kept: the game is over, not the turn
        w.u1.lstDeck.visible = w.u2.lstHand.visible = false;
        const auto before = snapshot(w);
        const bool over = *c.message != '\0';
        EXPECT_EQ(gameSubs::gameOverCheck(w),
                  over ? gameSubs::GameOverResult::over : gameSubs::GameOverResult::notOver);
        if (!over) {
            EXPECT_EQ(snapshot(w), before);
            EXPECT_TRUE(t.prompter.messages.empty());
            continue;
        }
        EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(t.prompter.titles, std::vector<std::string>{"Message"});
        EXPECT_EQ(t.sound.played,
                  c.sounds ? std::vector<std::string>{"over.wav"} : std::vector<std::string>{});
        // Both sides stop, the turn timer too, and every list shows again.
        Names expected = allTurnControlsButOpen(SideId::u1);
        expected.insert({"btnEndU2", "tmrTurnLimit", "lstDeckU1", "lstHandU2"});
        EXPECT_EQ(changed(before, snapshot(w)), expected);
    }
}

// A new game clears the board back to the state after start-up; between two windows the
// deck and hand lists stay hidden and the choice of sides opens again.
TEST(NewGame, ResetsTheBoard) {
    for (bool online : {false, true}) {
        SCOPED_TRACE(online);
        TestWindow t;
        Window& w = t.w;
        const auto fresh = snapshot(w);
        for (Side* s : {&w.u1, &w.u2}) {
            setList(s->lstDeck, {"[105] CLOWN"}, s->txtDeckCnt);
            setList(s->lstHand, {"[120] OGRE"}, s->txtHandCnt);
            setList(s->cmbGrave, {"[141] GORILLA 200"}, s->txtGraveCnt);
            s->slot(3).text = "[116] ZOMBIE 40";
            s->txtSacriCnt.text = "4";
            s->txtLp.text = "-2";
            s->turnSacrifices = 2;
            s->lstDeck.visible = false;
        }
        startTurn(w, SideId::u1);
        w.timePassed = 2;
        w.txtMins.text = "1 MINUTES";
        w.timers.tmrUpdate.setOn(true);
        online ? gameSubs::newGameResetOnline(w) : gameSubs::newGameReset(w);
        auto after = snapshot(w);
        for (const char* m : {"smnOffline", "smnOnline", "smnNewGame"}) // the menu is not the reset's
            after[m] = fresh.at(m);
        // The update timer belongs to online play; the side choice is disabled after start-up.
        const Names expected =
            online ? Names{"lstDeckU1", "lstHandU1", "lstDeckU2", "lstHandU2", "optPlayer1", "optPlayer2"}
                   : Names{"tmrUpdate"};
        EXPECT_EQ(changed(fresh, after), expected);
        EXPECT_TRUE(t.prompter.messages.empty());
        EXPECT_FALSE(w.online.btnSet.enabled); // only the window that was player 1 gets SET
    }
    TestWindow t;
    t.w.online.optPlayer1.checked = true;
    gameSubs::newGameResetOnline(t.w);
    EXPECT_TRUE(t.w.online.btnSet.enabled);
}

TEST(Slots, PowerIsTheNumberAfterTheLastBlank) {
    EXPECT_EQ(gameSubs::lastPosition("[165] OMEGA 600", " "), 12u);
    EXPECT_EQ(gameSubs::lastPosition("[165]", " "), std::nullopt);
    EXPECT_EQ(gameSubs::slotPower("[164] HORN BEETLE 300"), 300);
    EXPECT_EQ(gameSubs::withPower("[164] HORN BEETLE 300", 350), "[164] HORN BEETLE 350");
    EXPECT_EQ(gameSubs::withPower("[116] ZOMBIE 40", -20), "[116] ZOMBIE -20");
    EXPECT_EQ(gameSubs::withPower("[116] ZOMBIE 40", 100000), "[116] ZOMBIE 32767");
}

TEST(Registry, EveryControlHasOneUniqueName) {
    TestWindow t;
    Names names;
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
