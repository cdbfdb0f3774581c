#include "rules/combat.h"
#include "rules/game_handlers.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

namespace {

// A card attack by the side from its slot a on the opponent's slot b.
struct Fight {
    TestWindow t;
    Window& w = t.w;

    Fight(std::string_view side, const std::string& attacker, int a, const std::string& defender, int b) {
        startTurn(w, side);
        w.side(side).slot(a).text = attacker;
        w.opponent(side).slot(b).text = defender;
        w.side(side).cmbSlotA.select(a - 1);
        w.side(side).cmbSlotB.select(b - 1);
        gameSubs::btnAttack_Click(w, side);
    }
};

std::set<std::string> onlyEnd(std::string_view side) {
    return {side == "u1" ? "btnEndU1" : "btnEndU2"};
}

} // namespace

TEST(Combat, TheStrongerCardSurvivesWithTheDifference) {
    for (std::string_view side : {"u1", "u2"}) {
        SCOPED_TRACE(side);
        Fight f(side, "[120] OGRE 150", 2, "[105] CLOWN 100", 4);
        const Side& own = f.w.side(side);
        const Side& opponent = f.w.opponent(side);
        EXPECT_EQ(own.slot(2).text, "[120] OGRE 50");
        EXPECT_EQ(opponent.slot(4).text, "");
        EXPECT_EQ(opponent.cmbGrave.items(), std::vector<std::string>{"[105] CLOWN 100"});
        EXPECT_EQ(opponent.txtGraveCnt.text, "1");
        EXPECT_EQ(opponent.txtLp.text, "24");
        EXPECT_EQ(own.txtLp.text, "25");
        EXPECT_TRUE(own.cmbGrave.empty());
        EXPECT_EQ(f.t.sound.played, std::vector<std::string>{"attack.wav"});
        EXPECT_TRUE(f.t.prompter.messages.empty());
        EXPECT_EQ(enabledTurnControls(f.w, side), onlyEnd(side));
        // The selectors keep their selection.
        EXPECT_EQ(own.cmbSlotA.selectedText(), "2");
        EXPECT_EQ(own.cmbSlotB.selectedText(), "4");
    }
}

TEST(Combat, TheWeakerAttackerIsDestroyedAndItsOwnerLosesALifePoint) {
    for (std::string_view side : {"u2", "u1"}) {
        SCOPED_TRACE(side);
        Fight f(side, "[105] CLOWN 100", 1, "[120] OGRE 150", 1);
        const Side& own = f.w.side(side);
        const Side& opponent = f.w.opponent(side);
        EXPECT_EQ(own.slot(1).text, "");
        EXPECT_EQ(own.cmbGrave.items(), std::vector<std::string>{"[105] CLOWN 100"});
        EXPECT_EQ(own.txtGraveCnt.text, "1");
        EXPECT_EQ(own.txtLp.text, "24");
        EXPECT_EQ(opponent.slot(1).text, "[120] OGRE 50");
        EXPECT_EQ(opponent.txtLp.text, "25");
        EXPECT_EQ(enabledTurnControls(f.w, side), onlyEnd(side));
    }
}

TEST(Combat, EqualCardsBothGoAndNobodyLosesLife) {
    for (std::string_view side : {"u1", "u2"}) {
        SCOPED_TRACE(side);
        Fight f(side, "[116] ZOMBIE 150", 5, "[121] DWARF 150", 3);
        const Side& own = f.w.side(side);
        const Side& opponent = f.w.opponent(side);
        EXPECT_EQ(own.slot(5).text, "");
        EXPECT_EQ(opponent.slot(3).text, "");
        EXPECT_EQ(own.cmbGrave.items(), std::vector<std::string>{"[116] ZOMBIE 150"});
        EXPECT_EQ(opponent.cmbGrave.items(), std::vector<std::string>{"[121] DWARF 150"});
        EXPECT_EQ(own.txtGraveCnt.text, "1");
        EXPECT_EQ(opponent.txtGraveCnt.text, "1");
        EXPECT_EQ(own.txtLp.text, "25");
        EXPECT_EQ(opponent.txtLp.text, "25");
    }
}

TEST(Combat, ANameWithABlankKeepsItsEntry) {
    Fight win("u1", "[164] HORN BEETLE 300", 3, "[150] ANGEL 250", 1);
    EXPECT_EQ(win.w.u1.slot(3).text, "[164] HORN BEETLE 50");

    Fight lose("u2", "[150] ANGEL 250", 1, "[164] HORN BEETLE 300", 3);
    EXPECT_EQ(lose.w.u1.slot(3).text, "[164] HORN BEETLE 50");
    EXPECT_EQ(lose.w.u2.cmbGrave.items(), std::vector<std::string>{"[150] ANGEL 250"});
}

TEST(Combat, PowersAreReadAfterTheLastBlankAndStayIn16Bits) {
    Fight raised("u2", "[105] CLOWN 130", 1, "[106] NERD 100", 1); // raised by an effect earlier
    EXPECT_EQ(raised.w.u2.slot(1).text, "[105] CLOWN 30");

    Fight huge("u1", "[165] OMEGA 32767", 1, "[116] ZOMBIE -32768", 2);
    EXPECT_EQ(huge.w.u1.slot(1).text, "[165] OMEGA 32767");
    EXPECT_EQ(huge.w.u2.cmbGrave.items(), std::vector<std::string>{"[116] ZOMBIE -32768"});
}

TEST(Combat, RefusedAttacksChangeNothing) {
    struct Case {
        int selectA, selectB; // -1: nothing selected
        bool ownCard, theirCard;
        const char* message;
    };
    const Case cases[] = {
        {-1, 0, true, true, "You need to select both slot #s."},
        {0, -1, true, true, "You need to select both slot #s."},
        {0, 0, false, true, "You can't ATTACK from an empty slot."},
        {0, 0, false, false, "You can't ATTACK from an empty slot."},
        {0, 0, true, false, "You can't ATTACK an empty slot."},
    };
    for (std::string_view side : {"u1", "u2"}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(side) + " " + c.message);
            TestWindow t;
            startTurn(t.w, side);
            t.w.side(side).slot(2).text = fielded(141);
            t.w.opponent(side).slot(4).text = fielded(120);
            if (c.ownCard) t.w.side(side).slot(1).text = fielded(105);
            if (c.theirCard) t.w.opponent(side).slot(1).text = fielded(106);
            t.w.side(side).cmbSlotA.select(c.selectA);
            t.w.side(side).cmbSlotB.select(c.selectB);
            const auto before = snapshot(t.w);
            gameSubs::btnAttack_Click(t.w, side);
            EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
            EXPECT_EQ(snapshot(t.w), before);
            EXPECT_TRUE(t.sound.played.empty());
        }
    }
}

TEST(Combat, OneAttackATurn) {
    Fight f("u1", "[141] GORILLA 200", 1, "[105] CLOWN 100", 1);
    f.w.u2.slot(2).text = fielded(106);
    f.w.u1.cmbSlotB.select(1);
    const auto before = snapshot(f.w);
    gameSubs::btnAttack_Click(f.w, "u1");
    gameSubs::btnDirect_Click(f.w, "u1");
    EXPECT_EQ(snapshot(f.w), before);
}

TEST(Combat, SoundOnlyWhileSoundsAreOn) {
    TestWindow t;
    t.w.menu.smnSoundsOn.checked = false;
    startTurn(t.w, "u1");
    t.w.u1.slot(1).text = fielded(141);
    t.w.u2.slot(1).text = fielded(105);
    t.w.u1.cmbSlotA.select(0);
    t.w.u1.cmbSlotB.select(0);
    gameSubs::btnAttack_Click(t.w, "u1");
    EXPECT_TRUE(t.sound.played.empty());
    EXPECT_EQ(t.w.u2.txtLp.text, "24");
}

TEST(DirectAttack, TakesOneLifePointWhenTheOpponentsFieldIsEmpty) {
    for (std::string_view side : {"u1", "u2"}) {
        SCOPED_TRACE(side);
        TestWindow t;
        startTurn(t.w, side);
        t.w.side(side).slot(5).text = fielded(105);
        t.w.opponent(side).txtLp.text = "1";
        gameSubs::btnDirect_Click(t.w, side);
        EXPECT_EQ(t.w.opponent(side).txtLp.text, "0");
        EXPECT_EQ(t.w.side(side).slot(5).text, "[105] CLOWN 100");
        EXPECT_EQ(enabledTurnControls(t.w, side), onlyEnd(side));
        EXPECT_TRUE(t.prompter.messages.empty()); // the game ends only with the turn
        EXPECT_TRUE(t.sound.played.empty());
        EXPECT_EQ(t.w.txtChat.text, "");
    }
}

TEST(DirectAttack, RefusalsChangeNothing) {
    const char* noAttacker = "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS.";
    const char* targets =
        "A DIRECT attack to opponent's LIFEPOINTS can only be done when opponent has no cards on FIELD.";
    struct Case {
        bool own, theirs;
        const char* message;
    };
    for (const Case& c :
         {Case{false, false, noAttacker}, Case{false, true, noAttacker}, Case{true, true, targets}}) {
        for (std::string_view side : {"u1", "u2"}) {
            TestWindow t;
            startTurn(t.w, side);
            if (c.own) t.w.side(side).slot(3).text = fielded(105);
            if (c.theirs) t.w.opponent(side).slot(5).text = fielded(105);
            const auto before = snapshot(t.w);
            gameSubs::btnDirect_Click(t.w, side);
            EXPECT_EQ(t.prompter.messages, std::vector<std::string>{c.message});
            EXPECT_EQ(snapshot(t.w), before);
        }
    }
}
