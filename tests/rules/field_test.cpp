#include "rules/costs.h"
#include "rules/fielding.h"
#include "rules/game_handlers.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::test;

TEST(Field, TheCardGoesToTheFirstFreeSlotAndIsPaidFor) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {119, "1", "0", "1 0"}, {120, "25", "1", "25 0"}, {149, "2", "1", "1 0"}, {150, "2", "3", "1 1"},
        {164, "3", "2", "1 0"}, {165, "6", "5", "1 0"},   {213, "1", "0", "1 0"}};
    for (SideId side : {SideId::u1, SideId::u2})
        for (const auto& [code, lp, c, after] : cases) {
            MyTurn t(side);
            TestWindow::fill(t.mine().lstHand, t.mine().txtHandCnt, {entry(105), entry(code)});
            t.mine().lstHand.select(1);
            t.mine().slot(1).text = fielded(100);
            t.mine().txtLp.text = lp;
            t.mine().txtSacriCnt.text = c;
            t.p.answers = {true}; // asked only for a special card
            gameSubs::btnField_Click(t.w, side);
            EXPECT_EQ(t.mine().slot(2).text + " " + t.mine().txtLp.text + " " + t.mine().txtSacriCnt.text +
                          " " + t.mine().txtHandCnt.text,
                      fielded(code) + " " + after + " 1");
            EXPECT_FALSE(t.mine().btnField.enabled || t.mine().btnQ5.enabled || t.mine().btnSacri.enabled ||
                         t.mine().lblAtt[4].enabled);
            EXPECT_TRUE(t.mine().btnAttack.enabled && t.theirs().slot(2).text.empty() &&
                        t.p.log.size() == (code == 213 ? 1u : 0u));
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
        TestWindow::fill(t.mine().lstHand, t.mine().txtHandCnt, {entry(code ? code : 100)});
        if (code) t.mine().lstHand.select(0);
        for (int i = 1; i <= filled; ++i)
            t.mine().slot(i).text = fielded(100);
        t.mine().txtLp.text = lp;
        t.mine().txtSacriCnt.text = c;
        EXPECT_TRUE(t.refused([&] { gameSubs::btnField_Click(t.w, SideId::u2); }, message)) << message;
    }
}

TEST(Sacrifice, TwoATurnFromTheHandOrAnySlotThenMaster) {
    for (SideId side : {SideId::u1, SideId::u2}) {
        MyTurn t(side);
        auto slot5 = [&] { gameSubs::lblAtt_Click(t.w, side, 5); };
        TestWindow::fill(t.mine().lstHand, t.mine().txtHandCnt, entries(2, 140));
        EXPECT_TRUE(t.refused([&] { gameSubs::btnSacri_Click(t.w, side); },
                              "No card in HAND selected for sacrifice. Sacrifice will not take place."));
        EXPECT_TRUE(
            t.refused(slot5, "There is no card to sacrifice in this slot. Sacrifice will not take place."));
        t.mine().slot(5).text = "[120] OGRE 40";
        EXPECT_TRUE(t.refused(slot5, "question: Do you want to sacrifice this card?"));
        t.mine().lstHand.select(1);
        t.p.answers = {true, true};
        gameSubs::btnSacri_Click(t.w, side);
        EXPECT_TRUE(t.mine().btnSacri.enabled && t.mine().lblAtt[4].enabled && !t.mine().btnAdd.enabled);
        slot5();
        EXPECT_EQ(t.mine().cmbGrave.items(), (std::vector<std::string>{entry(141), "[120] OGRE 40"}));
        EXPECT_EQ(t.mine().txtGraveCnt.text + t.mine().txtSacriCnt.text + t.mine().txtHandCnt.text +
                      t.mine().slot(5).text,
                  "221");
        EXPECT_FALSE(t.mine().btnSacri.enabled || t.mine().lblAtt[0].enabled || t.mine().btnQ5.enabled);
        EXPECT_TRUE(t.mine().btnField.enabled && t.theirs().cmbGrave.empty());
        ASSERT_EQ(t.p.log.size(), 5u); // each sacrifice asked once
        EXPECT_EQ(Log(t.p.log.begin() + 3, t.p.log.end()),
                  Log(2, "question: Do you want to sacrifice this card?"));
        // a full field takes one life point
        for (int i = 1; i <= 4; ++i)
            t.mine().slot(i).text = fielded(100);
        EXPECT_TRUE(t.refused([&] { gameSubs::btnMaster_Click(t.w, side); },
                              "You must have 5 cards on the FIELD to use MASTER."));
        t.mine().slot(5).text = fielded(100);
        gameSubs::btnMaster_Click(t.w, side);
        EXPECT_EQ(t.theirs().txtLp.text + t.mine().txtLp.text, "2425");
        EXPECT_FALSE(t.mine().btnMaster.enabled || t.mine().btnField.enabled || t.mine().btnSpecial.enabled);
        EXPECT_TRUE(t.mine().btnAttack.enabled);
    }
}
