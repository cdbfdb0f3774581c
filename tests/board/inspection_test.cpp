#include "board/inspection.h"
#include "cards/catalogue.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace grim;
using grim::test::TestWindow;

// A card in a list, a graveyard (with the power it had) or a field slot under the pointer
// shows its catalogue record, with the catalogue power.
TEST(Inspection, ACardShowsItsCatalogueRecordWithTheCataloguePower) {
    const std::string clown =
        "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\n"
        "Level 1 card. NR.";
    TestWindow t;
    Window& w = t.w;
    auto shown = [&](auto&& show) {
        w.txtDescControls.text.clear();
        show();
        return w.txtDescControls.text;
    };
    w.u2.lstHand.setItems({"[120] OGRE", "[105] CLOWN"});
    w.u2.lstHand.select(1);
    EXPECT_EQ(shown([&] { gameSubs::lstHand_Click(w, SideId::u2); }), clown);
    w.u1.cmbGrave.setItems({"[105] CLOWN 20", "[228] ABYSS"});
    EXPECT_EQ(shown([&] { gameSubs::cmbGrave_Click(w, SideId::u1); }), "");
    w.u1.cmbGrave.select(0);
    EXPECT_EQ(shown([&] { gameSubs::cmbGrave_Click(w, SideId::u1); }), clown);
    w.u1.lstDeck.setItems({"[228] ABYSS", "[105] CLOWN"});
    w.u1.lstDeck.select(1);
    EXPECT_EQ(shown([&] { gameSubs::lstDeck_Click(w, SideId::u1); }), clown);
    w.u2.slot(3).text = "[105] CLOWN 40";
    EXPECT_EQ(shown([&] { gameSubs::controlMouseMove(w, "txtAttU2_3"); }), clown);
    w.u1.slot(1).text = "[164] HORN BEETLE 50";
    gameSubs::txtAtt_MouseMove(w, SideId::u1, 1);
    gameSubs::controlMouseMove(w, "txtAttU1_2"); // an empty slot keeps the record shown
    EXPECT_EQ(w.txtDescControls.text, cardSubs::recordText(*cardSubs::record(164)));
}

TEST(Inspection, TextsOfNoCatalogueCardShowNothing) {
    TestWindow t;
    Window& w = t.w;
    w.txtDescControls.text = "before";
    w.u1.lstHand.setItems({"[300] BEYOND", "[166] NOBODY", "[099] LOW", "[ab1] TEXT", "", "[2", "[229] GAP"});
    for (int i = 0; i < w.u1.lstHand.count(); ++i) {
        w.u1.lstHand.select(i);
        gameSubs::lstHand_Click(w, SideId::u1);
    }
    w.u1.lstHand.clearSelection();
    gameSubs::lstHand_Click(w, SideId::u1);
    EXPECT_EQ(w.txtDescControls.text, "before");
}

TEST(Hints, EveryControlOfTheTableHasItsHint) {
    const std::pair<const char*, const char*> cases[] = {
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
    for (const auto& [control, hint] : cases) {
        gameSubs::controlMouseMove(t.w, control);
        EXPECT_EQ(t.w.txtDescControls.text, hint) << control;
    }
    // Controls without a hint leave the box as it is.
    for (const char* name : {"btnOpen", "btnSave", "lstDeckU1", "cmbGraveU2", "txtMins", "btnAddU3", "btnAdd",
                             "lblAttU1_6", "lblAttU1_0", "btnEndU1_2", "txtAttU1_9", "cmbSlotAU1", "", "_1"})
        gameSubs::controlMouseMove(t.w, name);
    EXPECT_EQ(t.w.txtDescControls.text, "Click this button to disconnect from the game.");
}
