#include "board/inspection.h"
#include "cards/catalogue.h"
#include "support/fakes.h"
#include "support/snapshot.h"

#include <gtest/gtest.h>

using namespace grim;
using grim::test::TestWindow;

namespace {
const std::string clownRecord =
    "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\nLevel 1 "
    "card. NR.";
}

TEST(Inspection, ClickingAListItemShowsItsCatalogueRecord) {
    TestWindow t;
    Window& w = t.w;
    w.u2.lstHand.setItems({"[120] OGRE", "[105] CLOWN"});
    w.u2.lstHand.select(1);
    gameSubs::lstHand_Click(w, "u2");
    EXPECT_EQ(w.txtDescControls.text, clownRecord);

    w.u1.cmbGrave.setItems({"[141] GORILLA 20", "[228] ABYSS"});
    w.u1.cmbGrave.select(1);
    gameSubs::cmbGrave_Click(w, "u1");
    EXPECT_EQ(w.txtDescControls.text, cardSubs::recordText(*cardSubs::record(228)));
    EXPECT_NE(w.txtDescControls.text.find("TYPE = DESTRUCTIVE"), std::string::npos);

    w.u1.cmbGrave.select(0); // a field card in the graveyard keeps its power suffix
    gameSubs::cmbGrave_Click(w, "u1");
    EXPECT_NE(w.txtDescControls.text.find("POWER = 200\r\n"), std::string::npos);

    w.u1.lstDeck.setItems({"[164] HORN BEETLE"});
    w.u1.lstDeck.select(0);
    gameSubs::lstDeck_Click(w, "u1");
    EXPECT_EQ(w.txtDescControls.text.substr(0, 26), "NAME = [164] HORN BEETLE\r\n");
}

TEST(Inspection, AFieldSlotShowsTheCataloguePowerNotTheSlots) {
    TestWindow t;
    Window& w = t.w;
    w.u1.slot(3).text = "[116] ZOMBIE 40";
    gameSubs::controlMouseMove(w, "txtAttU1_3");
    EXPECT_EQ(
        w.txtDescControls.text,
        "NAME = [116] ZOMBIE\r\n\r\nTYPE = DEAD\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\nLevel 1 card. NR.");

    gameSubs::controlMouseMove(w, "txtAttU1_4"); // empty slot: the box keeps its text
    gameSubs::txtAtt_MouseMove(w, "u2", 3);
    EXPECT_NE(w.txtDescControls.text.find("ZOMBIE"), std::string::npos);
}

TEST(Inspection, TextsOfNoCatalogueCardShowNothing) {
    TestWindow t;
    Window& w = t.w;
    w.txtDescControls.text = "before";
    w.u1.lstHand.setItems({"[300] BEYOND", "[166] NOBODY", "[099] LOW", "[ab1] TEXT", "", "[2", "[229] GAP"});
    for (int i = 0; i < w.u1.lstHand.count(); ++i) {
        w.u1.lstHand.select(i);
        gameSubs::lstHand_Click(w, "u1");
    }
    w.u1.lstHand.clearSelection();
    gameSubs::lstHand_Click(w, "u1"); // nothing selected
    EXPECT_EQ(w.txtDescControls.text, "before");
}

TEST(Hints, EveryControlOfTheTableHasItsHint) {
    struct Case {
        const char* control;
        const char* hint;
    };
    const Case cases[] = {
        {"btnAddU1", "Click this button to draw 1 card from DECK to HAND."},
        {"btnQ5U2", "Click this button to draw as many cards as possible from DECK to HAND."},
        {"btnOpenU1", "Click this button to open your DECK. You only get to open your deck once."},
        {"btnFieldU2", "Click this button to place HAND card in FIELD."},
        {"btnSacriU1", "Click this button to SACRIFICE card in HAND."},
        {"btnSpecialU2", "Click this button to use SPECIAL card in HAND."},
        {"btnAttackU1",
         "Click this button to attack opponent's card. The # in SLOT A is your card. The # in SLOT "
         "B is opponent's card."},
        {"btnDirectU1",
         "Click this button to take 1L from opponent. Opponent must have no cards on the FIELD. You "
         "must have at least 1 card on the FIELD."},
        {"btnDirectU2",
         "Click this button to attack opponent's LP directly. Opponent must have no cards on the "
         "FIELD. You must have at least 1 card on the FIELD."},
        {"btnMasterU2", "Click this button to take 1L from opponent. You must have 5 cards on the FIELD."},
        {"btnEndU1", "Click this button to end your turn."},
        {"lblAttU1_1", "Click this number to SACRIFICE this card."},
        {"lblAttU2_5", "Click this number to SACRIFICE this card."},
        {"lblAttU2", "Click this number to SACRIFICE this card."},
        {"txtDeckCntU2", "Number of cards in DECK."},
        {"txtHandCntU1", "Number of cards in HAND."},
        {"txtGraveCntU2", "Number of cards in GRAVEYARD."},
        {"txtLpU1", "Number of LIFEPOINTS."},
        {"txtSacriCntU2", "Number of cards SACRIFICED."},
        {"btnHost", "Click this button to have someone join your game. You will be hosting."},
        {"btnJoin", "Click this button to join someone's game. You will be joining."},
        {"btnSet", "Click this button to finalize which player you will be."},
        {"btnDisconnect", "Click this button to disconnect from the game."},
    };
    TestWindow t;
    for (const Case& c : cases) {
        gameSubs::controlMouseMove(t.w, c.control);
        EXPECT_EQ(t.w.txtDescControls.text, c.hint) << c.control;
    }
}

TEST(Hints, ControlsWithoutAHintLeaveTheBox) {
    TestWindow t;
    t.w.txtDescControls.text = "kept";
    for (const char* name : {"btnOpen", "btnSave", "lstDeckU1", "cmbGraveU2", "txtMins", "txtChat",
                             "btnAddU3", "btnAdd", "lblAttU1_6", "lblAttU1_0", "btnEndU1_2", "txtAttU1",
                             "txtAttU1_9", "cmbSlotAU1", "optPlayer1", "", "U1", "_1"})
        gameSubs::controlMouseMove(t.w, name);
    EXPECT_EQ(t.w.txtDescControls.text, "kept");
}
