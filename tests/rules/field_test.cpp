#include "rules/game_handlers.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;
using namespace grim::gameSubs;

TEST(Field, TheCardGoesToTheFirstFreeSlotAndIsPaidFor) {
    // the card, life points and sacrificed cards before, and after
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {119, "1", "0", "1 0"}, {120, "25", "1", "25 0"}, {149, "2", "1", "1 0"}, {150, "2", "3", "1 1"},
        {164, "3", "2", "1 0"}, {165, "6", "5", "1 0"},   {213, "1", "0", "1 0"}};
    for (SideId side : {SideId::u1, SideId::u2})
        for (const auto& [code, lp, c, after] : cases) {
            MyTurn t(side);
            Side& m = t.mine();
            TestWindow::fill(m.lstHand, m.txtHandCnt, {entry(105), entry(code)});
            m.lstHand.select(1), put(m.slot(1), fielded(100)), put(m.txtLp, lp), put(m.txtSacriCnt, c);
            t.p.answers = {true}; // asked only for a special card
            btnField_Click(t.w, side);
            EXPECT_EQ(t.texts("txtAttMe_2 txtLpMe txtSacriCntMe txtHandCntMe"),
                      fielded(code) + " " + after + " 1");
            EXPECT_EQ(t.flags("btnFieldMe btnQ5Me btnSacriMe lblAttMe_5 btnAttackMe"), "00001");
            EXPECT_EQ(t.p.log.size(), code == 213 ? 1u : 0u);
        }
}

TEST(Field, RefusalsChangeNothing) {
    const std::tuple<int, int, const char*, const char*, const char*> cases[] = {
        {0, 0, "25", "5", "No card has been selected to send to an ATTACK slot."},
        {120, 5, "25", "5", "Your ATTACK area is full. Action cancelled."},
        {135, 0, "1", "5", lpShort},
        {165, 0, "5", "9", lpShort},
        {160, 0, "3", "1", cShort},
        {120, 0, "25", "0", cShort},
        {213, 0, "25", "0",
         "question: Adding a SPECIAL card to the FIELD will make its abilities useless & its power will only "
         "be 50."}};
    for (const auto& [code, filled, lp, c, message] : cases) {
        MyTurn t(SideId::u2);
        Side& m = t.mine();
        TestWindow::fill(m.lstHand, m.txtHandCnt, {entry(code ? code : 100)});
        m.lstHand.select(code ? 0 : -1), put(m.txtLp, lp), put(m.txtSacriCnt, c);
        for (int i = 1; i <= filled; ++i)
            put(m.slot(i), fielded(100));
        EXPECT_TRUE(t.refused([&] { btnField_Click(t.w, SideId::u2); }, message)) << message;
    }
}

TEST(Sacrifice, TwoATurnFromTheHandOrAnySlotThenMaster) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        MyTurn t(side);
        Side& m = t.mine();
        auto slot5 = [&] { lblAtt_Click(t.w, side, 5); };
        const std::string ask = "question: Do you want to sacrifice this card?";
        TestWindow::fill(m.lstHand, m.txtHandCnt, entries(2, 140));
        EXPECT_TRUE(t.refused([&] { btnSacri_Click(t.w, side); },
                              "No card in HAND selected for sacrifice. Sacrifice will not take place."));
        EXPECT_TRUE(
            t.refused(slot5, "There is no card to sacrifice in this slot. Sacrifice will not take place."));
        put(m.slot(5), "[120] OGRE 40");
        EXPECT_TRUE(t.refused(slot5, ask));
        m.lstHand.select(1);
        t.p.answers = {true, true};
        btnSacri_Click(t.w, side);
        EXPECT_EQ(t.flags("btnSacriMe lblAttMe_5 btnAddMe"), "110");
        slot5();
        EXPECT_EQ(t.texts("cmbGraveMe txtGraveCntMe txtSacriCntMe txtHandCntMe txtAttMe_5"),
                  entry(141) + "|[120] OGRE 40| 2 2 1 ");
        EXPECT_EQ(t.flags("btnSacriMe lblAttMe_1 btnQ5Me btnFieldMe"), "0001");
        EXPECT_EQ(t.p.log.size() == 5 ? Log(t.p.log.begin() + 2, t.p.log.end()) : t.p.log,
                  Log(3, ask)); // asked once each
        for (int i = 1; i <= 4; ++i)
            put(m.slot(i), fielded(100)); // a full field takes one life point
        EXPECT_TRUE(t.refused([&] { btnMaster_Click(t.w, side); },
                              "You must have 5 cards on the FIELD to use MASTER."));
        put(m.slot(5), fielded(100));
        btnMaster_Click(t.w, side);
        EXPECT_EQ(t.texts("txtLpThem txtLpMe"), "24 25");
        EXPECT_EQ(t.flags("btnMasterMe btnFieldMe btnSpecialMe btnAttackMe"), "0001");
    }
}
