#include "rules/fielding.h"
#include "rules/game_handlers.h"
#include "support/duel_setup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace grim;
using namespace grim::test;

namespace {

// Player 2's turn with five cards in hand. Most cases act as player 2; the rules are the
// same for player 1.
struct Board {
    TestWindow t;
    Window& w = t.w;
    Side& s = w.u2;

    Board() {
        startTurn(w, "u2");
        setList(s.lstHand, {entry(105), entry(120), entry(135), entry(200), entry(165)}, s.txtHandCnt);
    }
    void selectHand(int code) {
        const auto& items = s.lstHand.items();
        s.lstHand.select(
            static_cast<int>(std::find(items.begin(), items.end(), entry(code)) - items.begin()));
    }
    void fieldCard(int code, std::string_view side = "u2") {
        selectHand(code);
        gameSubs::btnField_Click(w, side);
    }
};

struct Fielding : ::testing::Test, Board {};

} // namespace

TEST_F(Fielding, ACardGoesIntoTheFirstFreeSlotAndEndsDrawingAndFielding) {
    s.slot(1).text = fielded(110);
    s.slot(3).text = fielded(111);
    fieldCard(105);
    EXPECT_EQ(s.slot(2).text, "[105] CLOWN 100");
    EXPECT_EQ(s.lstHand.count(), 4);
    EXPECT_EQ(s.txtHandCnt.text, "4");
    EXPECT_TRUE(t.prompter.messages.empty());
    // Attack, direct attack, master, special card and END stay as they were.
    EXPECT_EQ(
        enabledTurnControls(w, "u2"),
        (std::set<std::string>{"btnSpecialU2", "btnDirectU2", "btnMasterU2", "btnAttackU2", "btnEndU2"}));
}

TEST_F(Fielding, ASpecialCardIsFieldedOnlyOnYesWithPower50AndForFree) {
    s.txtLp.text = "1";
    selectHand(200);
    const auto before = snapshot(w);
    gameSubs::btnField_Click(w, "u2"); // unscripted: No
    EXPECT_EQ(t.prompter.questions,
              std::vector<std::string>{"Adding a SPECIAL card to the FIELD will make its "
                                       "abilities useless & its power will only be 50."});
    EXPECT_EQ(snapshot(w), before);

    t.prompter.answers.push_back(true);
    gameSubs::btnField_Click(w, "u2");
    EXPECT_EQ(s.slot(1).text, "[200] LIFELESS 50");
    EXPECT_EQ(s.txtLp.text, "1");
    EXPECT_EQ(s.txtSacriCnt.text, "0");
}

TEST_F(Fielding, CostsArePaidWhenTheCardIsFielded) {
    s.txtLp.text = "2";
    s.txtSacriCnt.text = "1";
    fieldCard(135); // level 3: 1L and 1C
    EXPECT_EQ(s.slot(1).text, "[135] CENTURION 200");
    EXPECT_EQ(s.txtLp.text, "1");
    EXPECT_EQ(s.txtSacriCnt.text, "0");
}

TEST_F(Fielding, RefusalsChangeNothing) {
    struct Case {
        const char* what;
        std::function<void(Board&)> setUp;
        std::string message;
    };
    const Case cases[] = {
        {"nothing selected", [](Board&) {}, "No card has been selected to send to an ATTACK slot."},
        {"field full",
         [](Board& f) {
             for (int i = 1; i <= 5; ++i)
                 f.s.slot(i).text = fielded(100 + i);
             f.selectHand(105);
         },
         "Your ATTACK area is full. Action cancelled."},
        {"level 2 without C", [](Board& f) { f.selectHand(120); }, "You don't have enough cards SACRIFICED."},
        {"level 3 with the last life point",
         [](Board& f) {
             f.s.txtLp.text = "1";
             f.s.txtSacriCnt.text = "1";
             f.selectHand(135);
         },
         "The LP cost of this card would reduce your LP to zero. Action cancelled."},
        {"level 1 with no life left",
         [](Board& f) {
             f.s.txtLp.text = "0";
             f.selectHand(105);
         },
         "The LP cost of this card would reduce your LP to zero. Action cancelled."},
        {"OMEGA short of both: only the LP message",
         [](Board& f) {
             f.s.txtLp.text = "5";
             f.s.txtSacriCnt.text = "4";
             f.selectHand(165);
         },
         "The LP cost of this card would reduce your LP to zero. Action cancelled."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Board f;
        c.setUp(f);
        const auto before = snapshot(f.w);
        gameSubs::btnField_Click(f.w, "u2");
        EXPECT_EQ(f.t.prompter.messages, std::vector<std::string>{c.message});
        EXPECT_EQ(snapshot(f.w), before);
    }
}

TEST_F(Fielding, AfterAFailedCostAnotherCardMayBeFielded) {
    fieldCard(120);
    EXPECT_EQ(t.prompter.lastMessage(), "You don't have enough cards SACRIFICED.");
    fieldCard(105);
    EXPECT_EQ(s.slot(1).text, "[105] CLOWN 100");
}

TEST_F(Fielding, Player1FieldsIntoPlayer1sSlots) {
    setList(w.u1.lstHand, {entry(164)}, w.u1.txtHandCnt);
    w.u1.txtLp.text = "3";
    w.u1.txtSacriCnt.text = "2";
    w.u1.lstHand.select(0);
    gameSubs::field(w, w.u1.lstHand, w.u1.txtAtt, "u1");
    EXPECT_EQ(w.u1.slot(1).text, "[164] HORN BEETLE 300");
    EXPECT_EQ(w.u1.txtLp.text, "1");
    EXPECT_EQ(w.u1.txtSacriCnt.text, "0");
    EXPECT_EQ(s.slot(1).text, "");
}

// Sacrifice: from the hand or a slot, at most two a turn, each worth 1C.
TEST_F(Fielding, SacrificeFromTheHandAndFromASlot) {
    s.slot(4).text = "[141] GORILLA 120";
    selectHand(120);
    t.prompter.answers = {true, true};
    gameSubs::btnSacri_Click(w, "u2");
    EXPECT_EQ(t.prompter.questions.back(), "Do you want to sacrifice this card?");
    EXPECT_EQ(s.cmbGrave.items(), std::vector<std::string>{entry(120)});
    EXPECT_EQ(s.txtHandCnt.text, "4");
    EXPECT_EQ(s.txtGraveCnt.text, "1");
    EXPECT_EQ(s.txtSacriCnt.text, "1");
    EXPECT_EQ(s.turnSacrifices, 1);
    EXPECT_FALSE(s.btnAdd.enabled || s.btnQ5.enabled);
    EXPECT_TRUE(s.btnSacri.enabled && s.btnField.enabled);

    gameSubs::lblAtt_Click(w, "u2", 4);
    EXPECT_EQ(s.cmbGrave.items().back(), "[141] GORILLA 120"); // with the power it had
    EXPECT_EQ(s.slot(4).text, "");
    EXPECT_EQ(s.txtGraveCnt.text, "2");
    EXPECT_EQ(s.txtSacriCnt.text, "2");
    // Two sacrifices: no more this turn.
    EXPECT_FALSE(s.btnSacri.enabled);
    for (const auto& l : s.lblAtt)
        EXPECT_FALSE(l.enabled);
    EXPECT_TRUE(t.prompter.messages.empty());
}

TEST_F(Fielding, SacrificeRefusalsChangeNothing) {
    s.slot(2).text = fielded(105);
    const auto before = snapshot(w);
    gameSubs::btnSacri_Click(w, "u2");
    gameSubs::lblAtt_Click(w, "u2", 3);
    EXPECT_EQ(t.prompter.messages,
              (std::vector<std::string>{
                  "No card in HAND selected for sacrifice. Sacrifice will not take place.",
                  "There is no card to sacrifice in this slot. Sacrifice will not take place."}));
    EXPECT_EQ(snapshot(w), before);

    selectHand(105);
    const auto selected = snapshot(w);
    gameSubs::btnSacri_Click(w, "u2"); // answered No
    gameSubs::lblAtt_Click(w, "u2", 2);
    EXPECT_EQ(t.prompter.questions.size(), 2u);
    EXPECT_EQ(snapshot(w), selected);

    gameSubs::sacrifice(w, "graveyard", "u2", 2); // no such mode
    EXPECT_EQ(snapshot(w), selected);
}

TEST_F(Fielding, TwoSacrificesATurnAndTwoMoreInTheNextTurn) {
    setList(w.u1.lstHand, entries(5, 110), w.u1.txtHandCnt);
    for (int turn = 0; turn < 2; ++turn) {
        SCOPED_TRACE(turn);
        for (int n = 0; n < 2; ++n) {
            s.lstHand.select(0);
            t.prompter.answers.push_back(true);
            gameSubs::btnSacri_Click(w, "u2");
        }
        EXPECT_EQ(s.turnSacrifices, 2);
        EXPECT_FALSE(s.btnSacri.enabled);
        s.lstHand.select(0);
        t.prompter.answers.push_back(true);
        const auto before = snapshot(w);
        gameSubs::btnSacri_Click(w, "u2"); // the disabled button does nothing
        EXPECT_EQ(snapshot(w), before);
        t.prompter.answers.clear();

        gameSubs::btnEnd_Click(w, "u2");
        EXPECT_EQ(s.turnSacrifices, 0);
        gameSubs::btnEnd_Click(w, "u1");
    }
    EXPECT_EQ(s.txtSacriCnt.text, "4");
    EXPECT_EQ(s.lstHand.count(), 1);
}

TEST_F(Fielding, MasterNeedsAFullFieldAndTakesOneLifePoint) {
    for (int i = 1; i <= 4; ++i)
        s.slot(i).text = fielded(100 + i);
    const auto before = snapshot(w);
    gameSubs::btnMaster_Click(w, "u2");
    EXPECT_EQ(t.prompter.messages,
              std::vector<std::string>{"You must have 5 cards on the FIELD to use MASTER."});
    EXPECT_EQ(snapshot(w), before);

    s.slot(5).text = fielded(105);
    gameSubs::btnMaster_Click(w, "u2");
    EXPECT_EQ(w.u1.txtLp.text, "24");
    EXPECT_EQ(s.txtLp.text, "25");
    // End of preparation: the slot labels open, drawing, fielding and specials end.
    std::set<std::string> expected{"btnDirectU2", "btnAttackU2", "btnEndU2"};
    for (int i = 1; i <= 5; ++i)
        expected.insert("lblAttU2_" + std::to_string(i));
    EXPECT_EQ(enabledTurnControls(w, "u2"), expected);
    EXPECT_EQ(t.prompter.messages.size(), 1u); // the game-over check waits for the end of the turn
}

TEST_F(Fielding, MasterAfterTwoSacrificesLeavesTheSlotLabelsDisabled) {
    for (int i = 1; i <= 5; ++i)
        s.slot(i).text = fielded(100 + i);
    s.turnSacrifices = 2;
    for (auto& l : s.lblAtt)
        l.enabled = false;
    s.btnSacri.enabled = false;
    gameSubs::btnMaster_Click(w, "u2");
    EXPECT_EQ(enabledTurnControls(w, "u2"),
              (std::set<std::string>{"btnDirectU2", "btnAttackU2", "btnEndU2"}));
}

TEST_F(Fielding, Player1sMasterTakesPlayer2sLifePoint) {
    startTurn(w, "u1");
    for (int i = 1; i <= 5; ++i)
        w.u1.slot(i).text = fielded(100 + i);
    w.u2.txtLp.text = "-32768";
    gameSubs::btnMaster_Click(w, "u1");
    EXPECT_EQ(w.u2.txtLp.text, "-32768"); // stays in the 16-bit range
    EXPECT_FALSE(w.u1.btnMaster.enabled);
}
