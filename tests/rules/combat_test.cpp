#include "rules/combat.h"
#include "rules/game_handlers.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;
using Texts = std::vector<std::string>;

namespace {
std::set<std::string> onlyEnd(SideId side) {
    return {side == SideId::u1 ? "btnEndU1" : "btnEndU2"};
}
} // namespace

// The stronger card survives with the difference of the powers and the loser's owner loses
// a life point; equal cards both go and nobody loses life. Powers are read after the last
// blank. Afterwards only END is left: one attack a turn.
TEST(Combat, CardAttacks) {
    struct Case {
        SideId side;
        const char* attacker;
        int a;
        const char* defender;
        int b;
        char survivor; // 'A'ttacker, 'D'efender or '-' for none
        const char* survivorAfter;
    };
    const Case cases[] = {
        {SideId::u1, "[120] OGRE 150", 2, "[105] CLOWN 100", 4, 'A', "[120] OGRE 50"},
        {SideId::u2, "[120] OGRE 150", 2, "[105] CLOWN 100", 4, 'A', "[120] OGRE 50"},
        {SideId::u2, "[105] CLOWN 100", 1, "[120] OGRE 150", 1, 'D', "[120] OGRE 50"},
        {SideId::u1, "[105] CLOWN 100", 3, "[120] OGRE 150", 5, 'D', "[120] OGRE 50"},
        {SideId::u1, "[116] ZOMBIE 150", 5, "[121] DWARF 150", 3, '-', ""},
        {SideId::u1, "[164] HORN BEETLE 300", 3, "[150] ANGEL 250", 1, 'A', "[164] HORN BEETLE 50"},
        {SideId::u2, "[150] ANGEL 250", 1, "[164] HORN BEETLE 300", 3, 'D', "[164] HORN BEETLE 50"},
        {SideId::u2, "[105] CLOWN 130", 1, "[106] NERD 100", 1, 'A', "[105] CLOWN 30"},
        {SideId::u1, "[165] OMEGA 32767", 1, "[116] ZOMBIE -32768", 2, 'A', "[165] OMEGA 32767"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(idText(c.side)) + " " + c.attacker + " on " + c.defender);
        TestWindow t;
        Window& w = t.w;
        w.menu.smnSoundsOn.checked = c.b != 2; // no sound while sounds are off
        startTurn(w, c.side);
        Side& own = w.side(c.side);
        Side& theirs = w.opponent(c.side);
        own.slot(c.a).text = c.attacker;
        theirs.slot(c.b).text = c.defender;
        const int other = c.b == 1 ? 2 : 1; // a target for a second attack
        theirs.slot(other).text = fielded(106);
        own.cmbSlotA.select(c.a - 1);
        own.cmbSlotB.select(c.b - 1);
        gameSubs::btnAttack_Click(w, c.side);

        const bool attackerLives = c.survivor == 'A', defenderLives = c.survivor == 'D';
        EXPECT_EQ(own.slot(c.a).text, attackerLives ? c.survivorAfter : "");
        EXPECT_EQ(theirs.slot(c.b).text, defenderLives ? c.survivorAfter : "");
        EXPECT_EQ(own.cmbGrave.items(), attackerLives ? Texts{} : Texts{c.attacker});
        EXPECT_EQ(theirs.cmbGrave.items(), defenderLives ? Texts{} : Texts{c.defender});
        EXPECT_EQ(own.txtGraveCnt.text, std::to_string(own.cmbGrave.count()));
        EXPECT_EQ(theirs.txtGraveCnt.text, std::to_string(theirs.cmbGrave.count()));
        EXPECT_EQ(own.txtLp.text, defenderLives ? "24" : "25");
        EXPECT_EQ(theirs.txtLp.text, attackerLives ? "24" : "25");
        EXPECT_EQ(t.sound.played, c.b != 2 ? Texts{"attack.wav"} : Texts{});
        EXPECT_EQ(enabledTurnControls(w, c.side), onlyEnd(c.side));
        EXPECT_EQ(own.cmbSlotA.selectedText(), std::to_string(c.a)); // the selectors keep their selection
        EXPECT_EQ(own.cmbSlotB.selectedText(), std::to_string(c.b));

        const auto before = snapshot(w);
        own.cmbSlotB.select(other - 1);
        gameSubs::btnAttack_Click(w, c.side);
        gameSubs::btnDirect_Click(w, c.side);
        own.cmbSlotB.select(c.b - 1);
        EXPECT_EQ(snapshot(w), before);
        EXPECT_TRUE(t.prompter.messages.empty());
    }
}

TEST(DirectAttack, TakesOneLifePointWhenTheOpponentsFieldIsEmpty) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        SCOPED_TRACE(side);
        TestWindow t;
        startTurn(t.w, side);
        t.w.side(side).slot(5).text = fielded(105);
        t.w.opponent(side).txtLp.text = "1";
        gameSubs::btnDirect_Click(t.w, side);
        EXPECT_EQ(t.w.opponent(side).txtLp.text, "0");
        EXPECT_EQ(t.w.side(side).txtLp.text, "25");
        EXPECT_EQ(t.w.side(side).slot(5).text, "[105] CLOWN 100");
        EXPECT_EQ(enabledTurnControls(t.w, side), onlyEnd(side));
        EXPECT_TRUE(t.prompter.messages.empty()); // the game ends only with the turn
        EXPECT_TRUE(t.sound.played.empty());
    }
}

// Each refusal shows its one message and changes nothing; of two reasons the first is shown.
TEST(Combat, RefusalsChangeNothing) {
    const std::string noAttacker =
        "You need at least 1 ATTACK card on the field to attack opponent's LIFEPOINTS.";
    const std::string targets =
        "A DIRECT attack to opponent's LIFEPOINTS can only be done when opponent has no cards on FIELD.";
    struct Case {
        SideId side;
        void (*click)(Window&, SideId);
        int selectA, selectB; // -1: nothing selected
        std::vector<int> own, theirs;
        std::string message;
    };
    const auto attack = gameSubs::btnAttack_Click, direct = gameSubs::btnDirect_Click;
    const Case cases[] = {
        {SideId::u1, attack, -1, 0, {1, 2}, {1, 4}, "You need to select both slot #s."},
        {SideId::u2, attack, 0, -1, {1, 2}, {1, 4}, "You need to select both slot #s."},
        {SideId::u2, attack, 0, 0, {2}, {1, 4}, "You can't ATTACK from an empty slot."},
        {SideId::u1, attack, 0, 0, {2}, {4}, "You can't ATTACK from an empty slot."},
        {SideId::u1, attack, 0, 0, {1, 2}, {4}, "You can't ATTACK an empty slot."},
        {SideId::u2, attack, 0, 0, {1, 2}, {4}, "You can't ATTACK an empty slot."},
        {SideId::u2, direct, -1, -1, {}, {}, noAttacker},
        {SideId::u1, direct, -1, -1, {}, {5}, noAttacker},
        {SideId::u2, direct, -1, -1, {3}, {5}, targets},
        {SideId::u1, direct, -1, -1, {3}, {1}, targets},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(idText(c.side)) + " " + c.message);
        TestWindow t;
        startTurn(t.w, c.side);
        for (int i : c.own)
            t.w.side(c.side).slot(i).text = fielded(141);
        for (int i : c.theirs)
            t.w.opponent(c.side).slot(i).text = fielded(105);
        t.w.side(c.side).cmbSlotA.select(c.selectA);
        t.w.side(c.side).cmbSlotB.select(c.selectB);
        const auto before = snapshot(t.w);
        c.click(t.w, c.side);
        EXPECT_EQ(t.prompter.messages, Texts{c.message});
        EXPECT_EQ(snapshot(t.w), before);
        EXPECT_TRUE(t.sound.played.empty());
    }
}
