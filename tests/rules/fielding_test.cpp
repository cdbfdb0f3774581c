#include "rules/fielding.h"
#include "rules/game_handlers.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace grim;
using namespace grim::test;

namespace {

// Player 2's turn with five cards in hand.
struct Board {
    TestWindow t;
    Window& w = t.w;
    Side& s = w.u2;

    Board() {
        startTurn(w, SideId::u2);
        setList(s.lstHand, {entry(105), entry(120), entry(135), entry(200), entry(165)}, s.txtHandCnt);
    }
    void selectHand(int code) {
        const auto& items = s.lstHand.items();
        s.lstHand.select(
            static_cast<int>(std::find(items.begin(), items.end(), entry(code)) - items.begin()));
    }
    void fillField(int n) {
        for (int i = 1; i <= n; ++i)
            s.slot(i).text = fielded(100 + i);
    }
};

struct Sacrifice : ::testing::Test, Board {};
} // namespace

// A card goes into the first free slot at its catalogue power (a special card, after Yes, at
// 50 and for free), its cost is paid, and drawing, sacrifice and fielding end for the turn.
TEST(Fielding, ACardGoesIntoTheFirstFreeSlotAndIsPaidFor) {
    struct Case {
        SideId side;
        int code;
        const char *lp, *c;
        int slot; // slots before it are taken
        const char *slotText, *lpAfter, *cAfter;
    };
    const Case cases[] = {
        {SideId::u2, 105, "25", "0", 2, "[105] CLOWN 100", "25", "0"},
        {SideId::u2, 200, "1", "0", 1, "[200] LIFELESS 50", "1", "0"},
        {SideId::u1, 164, "3", "2", 4, "[164] HORN BEETLE 300", "1", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        TestWindow t;
        startTurn(t.w, c.side);
        Side& s = t.w.side(c.side);
        setList(s.lstHand, {entry(110), entry(c.code)}, s.txtHandCnt);
        s.lstHand.select(1);
        s.txtLp.text = c.lp;
        s.txtSacriCnt.text = c.c;
        for (int i = 1; i < c.slot; ++i)
            s.slot(i).text = fielded(100 + i);
        s.slot(c.slot + 1).text = fielded(111);
        t.prompter.answers.push_back(true);
        gameSubs::btnField_Click(t.w, c.side);
        EXPECT_EQ(s.slot(c.slot).text, c.slotText);
        EXPECT_EQ(s.lstHand.items(), std::vector<std::string>{entry(110)});
        EXPECT_EQ(s.txtHandCnt.text, "1");
        EXPECT_EQ(s.txtLp.text, c.lpAfter);
        EXPECT_EQ(s.txtSacriCnt.text, c.cAfter);
        const std::string question =
            "Adding a SPECIAL card to the FIELD will make its abilities useless & its power will only be 50.";
        EXPECT_EQ(t.prompter.questions, std::vector<std::string>(c.code == 200 ? 1 : 0, question));
        EXPECT_TRUE(t.prompter.messages.empty());
        const std::string u = &s == &t.w.u1 ? "U1" : "U2";
        EXPECT_EQ(enabledTurnControls(t.w, c.side),
                  (std::set<std::string>{"btnSpecial" + u, "btnDirect" + u, "btnMaster" + u, "btnAttack" + u,
                                         "btnEnd" + u}));
        EXPECT_EQ(t.w.opponent(c.side).slot(c.slot).text, "");
    }
}

// Sacrifice: from the hand or a slot, at most two a turn, each worth 1C.
TEST_F(Sacrifice, TwoATurnFromTheHandOrASlot) {
    s.slot(4).text = "[141] GORILLA 120";
    selectHand(120);
    t.prompter.answers = {true, true};
    gameSubs::btnSacri_Click(w, SideId::u2);
    EXPECT_EQ(t.prompter.questions.back(), "Do you want to sacrifice this card?");
    EXPECT_EQ(s.txtHandCnt.text, "4");
    EXPECT_EQ(s.txtSacriCnt.text, "1");
    EXPECT_FALSE(s.btnAdd.enabled || s.btnQ5.enabled);
    EXPECT_TRUE(s.btnSacri.enabled && s.btnField.enabled && s.lblAtt[0].enabled);

    gameSubs::lblAtt_Click(w, SideId::u2, 4);
    EXPECT_EQ(s.cmbGrave.items(), (std::vector<std::string>{entry(120), "[141] GORILLA 120"}));
    EXPECT_EQ(s.slot(4).text, "");
    EXPECT_EQ(s.txtGraveCnt.text, "2");
    EXPECT_EQ(s.txtSacriCnt.text, "2");
    EXPECT_TRUE(t.prompter.messages.empty());
    EXPECT_EQ(enabledTurnControls(w, SideId::u2),
              (std::set<std::string>{"btnSpecialU2", "btnFieldU2", "btnDirectU2", "btnMasterU2",
                                     "btnAttackU2", "btnEndU2"}));

    // Two more in player 2's next turn.
    gameSubs::btnEnd_Click(w, SideId::u2);
    gameSubs::btnEnd_Click(w, SideId::u1);
    EXPECT_EQ(s.turnSacrifices, 0);
    EXPECT_EQ(enabledTurnControls(w, SideId::u2), allTurnControlsButOpen(SideId::u2));
}

TEST(Master, NeedsAFullFieldTakesOneLifePointAndEndsThePreparation) {
    struct Case {
        SideId side;
        int sacrifices;
        const char *lp, *lpAfter;
    };
    for (const Case& c : {Case{SideId::u2, 0, "25", "24"}, Case{SideId::u2, 2, "25", "24"},
                          Case{SideId::u1, 0, "-32768", "-32768"}}) {
        SCOPED_TRACE(std::string(idText(c.side)) + " " + std::to_string(c.sacrifices));
        TestWindow t;
        startTurn(t.w, c.side);
        Side& own = t.w.side(c.side);
        for (int i = 1; i <= 5; ++i)
            own.slot(i).text = fielded(100 + i);
        t.w.opponent(c.side).txtLp.text = c.lp;
        own.turnSacrifices = c.sacrifices;
        gameSubs::btnMaster_Click(t.w, c.side);
        EXPECT_EQ(t.w.opponent(c.side).txtLp.text, c.lpAfter);
        EXPECT_EQ(own.txtLp.text, "25");
        // The slot labels open unless the side made its two sacrifices.
        const std::string u = &own == &t.w.u1 ? "U1" : "U2";
        std::set<std::string> expected{"btnDirect" + u, "btnAttack" + u, "btnEnd" + u};
        for (int i = 1; c.sacrifices < 2 && i <= 5; ++i)
            expected.insert("lblAtt" + u + "_" + std::to_string(i));
        EXPECT_EQ(enabledTurnControls(t.w, c.side), expected);
        EXPECT_TRUE(t.prompter.messages.empty()); // the game-over check waits for the end of the turn
    }
}

// Every refusal shows its one message (none when a question was answered No) and changes nothing.
TEST(FieldingRefusals, ChangeNothing) {
    const std::string lpMessage = "The LP cost of this card would reduce your LP to zero. Action cancelled.";
    using Click = void (*)(Window&);
    const Click field = [](Window& w) { gameSubs::btnField_Click(w, SideId::u2); };
    const Click hand = [](Window& w) { gameSubs::btnSacri_Click(w, SideId::u2); };
    const Click slot3 = [](Window& w) { gameSubs::lblAtt_Click(w, SideId::u2, 3); };
    const Click master = [](Window& w) { gameSubs::btnMaster_Click(w, SideId::u2); };
    struct Case {
        int selected; // code of the selected hand card, 0 for none
        const char *lp, *c;
        int filled; // slots 1..filled hold a card
        Click click;
        std::string message;
    };
    const Case cases[] = {
        {0, "25", "0", 0, field, "No card has been selected to send to an ATTACK slot."},
        {105, "25", "0", 5, field, "Your ATTACK area is full. Action cancelled."},
        {120, "25", "0", 0, field, "You don't have enough cards SACRIFICED."},
        {135, "25", "0", 0, field, "You don't have enough cards SACRIFICED."}, // and no life paid
        {135, "1", "1", 0, field, lpMessage}, // level 3 with the last life point
        {105, "0", "0", 0, field, lpMessage}, // level 1 with no life left
        {165, "5", "4", 0, field, lpMessage}, // OMEGA short of both: one message
        {200, "25", "0", 0, field, ""},       // fielding a special card answered No
        {0, "25", "0", 0, hand, "No card in HAND selected for sacrifice. Sacrifice will not take place."},
        {105, "25", "0", 0, hand, ""}, // answered No
        {0, "25", "0", 2, slot3,
         "There is no card to sacrifice in this slot. Sacrifice will not take place."},
        {0, "25", "0", 3, slot3, ""}, // answered No
        {0, "25", "0", 4, master, "You must have 5 cards on the FIELD to use MASTER."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + " " + std::to_string(c.selected));
        Board f;
        if (c.selected) f.selectHand(c.selected);
        f.s.txtLp.text = c.lp;
        f.s.txtSacriCnt.text = c.c;
        f.fillField(c.filled);
        const auto before = snapshot(f.w);
        c.click(f.w);
        EXPECT_EQ(f.t.prompter.messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(snapshot(f.w), before);
    }
    // After two sacrifices in the turn the sacrifice controls do nothing, even on Yes.
    Board f;
    f.fillField(3);
    f.selectHand(105);
    f.t.prompter.answers = {true, true, true};
    gameSubs::btnSacri_Click(f.w, SideId::u2);
    gameSubs::lblAtt_Click(f.w, SideId::u2, 1);
    const auto before = snapshot(f.w);
    gameSubs::btnSacri_Click(f.w, SideId::u2);
    gameSubs::lblAtt_Click(f.w, SideId::u2, 2);
    EXPECT_EQ(snapshot(f.w), before);
}
