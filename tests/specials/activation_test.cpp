#include "special_table.h"
#include "specials/random_draw.h"

#include <cmath>
#include <limits>

using namespace grim;
using grim::test::bothSides;
using grim::test::SpecialTable;

TEST(Activation, RefusesWithoutASelectedSpecialCard) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[213] LIFEPOINT", {"[105] CLOWN"});
        t.w.side(side).lstHand.clearSelection();
        t.expectRefused(side, "No HAND card selected to activate special ability.");

        t.hold(side, "[105] CLOWN", {"[213] LIFEPOINT"});
        t.expectRefused(side, "Selected card is not a SPECIAL card.");

        t.hold(side, "[165] OMEGA");
        t.expectRefused(side, "Selected card is not a SPECIAL card.");

        // A text without a three-digit code is no special card.
        t.hold(side, "[2x3] BROKEN");
        t.expectRefused(side, "Selected card is not a SPECIAL card.");
    }
}

TEST(Activation, ADisabledSpecialButtonPlaysNothing) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[213] LIFEPOINT");
        t.w.side(side).btnSpecial.enabled = false;
        const auto before = test::snapshot(t.w);
        t.play(side);
        EXPECT_EQ(test::snapshot(t.w), before);
        EXPECT_TRUE(t.prompter.messages.empty());
    }
}

TEST(Activation, CodesAbove228DoNothing) {
    for (const std::string card : {"[229] NOTHING", "[299] NOTHING", "[999] NOTHING"}) {
        SpecialTable t;
        t.hold("u1", card);
        const auto before = test::snapshot(t.w);
        t.play("u1");
        EXPECT_EQ(test::snapshot(t.w), before) << card;
        EXPECT_TRUE(t.prompter.messages.empty()) << card;
    }
}

TEST(Activation, TheSpentCardLeavesOnlyTheActingSidesHand) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[213] LIFEPOINT", {"[105] CLOWN", "[120] OGRE"});
        // Move the special card between the others so the right item must leave.
        Side& s = t.w.side(side);
        s.lstHand.setItems({"[105] CLOWN", "[213] LIFEPOINT", "[120] OGRE"});
        s.lstHand.select(1);
        t.grave(side, {"[116] ZOMBIE 100"});
        t.hold(test::other(side), "[212] SUICIDE");
        gameSubs::disableSide(t.w, test::other(side));
        const auto before = test::snapshot(t.w);
        const std::string otherSuffix = side == "u1" ? "U2" : "U1";

        t.playQuietly(side);

        t.expectSpent(side, "[213] LIFEPOINT");
        EXPECT_EQ(s.lstHand.items(), (std::vector<std::string>{"[105] CLOWN", "[120] OGRE"}));
        EXPECT_EQ(s.cmbGrave.items(), (std::vector<std::string>{"[116] ZOMBIE 100", "[213] LIFEPOINT"}));
        EXPECT_EQ(s.txtHandCnt.text, "2");
        EXPECT_EQ(s.txtGraveCnt.text, "2");
        // Fielding, attacks, the master action and ending the turn stay possible.
        EXPECT_TRUE(s.btnField.enabled && s.btnAttack.enabled && s.btnDirect.enabled && s.btnMaster.enabled &&
                    s.btnEnd.enabled);
        const auto after = test::snapshot(t.w);
        for (const auto& [name, state] : before)
            if (name.ends_with(otherSuffix)) {
                EXPECT_EQ(after.at(name), state) << name;
            }
    }
}

TEST(RandomDraw, FiftyNumbersInFiveBandsOfTen) {
    test::TestWindow t;
    const activationSubs::BandTable table{10, 20, 30, 40, 50};
    struct Case {
        double r;
        int number;
    };
    const Case cases[] = {{0.0, 1},  {0.199999, 10}, {0.2, 11}, {0.39, 20},
                          {0.4, 21}, {0.6, 31},      {0.8, 41}, {0.999999, 50}};
    for (const auto& c : cases) {
        t.random.script = {c.r, c.r};
        EXPECT_EQ(activationSubs::drawOneToFifty(t.w), c.number) << c.r;
        EXPECT_EQ(activationSubs::randomDraw(t.w, table), ((c.number - 1) / 10 + 1) * 10) << c.r;
    }
}

TEST(RandomDraw, AGeneratorOutsideZeroToOneStillGivesOneToFifty) {
    test::TestWindow t;
    t.random.script = {1.0, 7.5, -0.3, std::numeric_limits<double>::quiet_NaN()};
    EXPECT_EQ(activationSubs::drawOneToFifty(t.w), 50);
    EXPECT_EQ(activationSubs::drawOneToFifty(t.w), 50);
    EXPECT_EQ(activationSubs::drawOneToFifty(t.w), 1);
    EXPECT_EQ(activationSubs::drawOneToFifty(t.w), 1);
}

TEST(Activation, OddBoardTextsAreHandledSafely) {
    SpecialTable t;
    // A slot picker whose text is no slot number picks nothing.
    t.hold("u1", "[207] INCREASE");
    t.field("u1", 1, "[105] CLOWN 100");
    t.w.u1.cmbSlotA.setItems({"0", "6", "x"});
    for (int i = 0; i < 3; ++i) {
        t.w.u1.cmbSlotA.select(i);
        t.expectRefused("u1", "No # selected for SLOT A. This # is your card.");
    }
    // Powers stop at the largest 16-bit number.
    t.w.u1.cmbSlotA.setItems({"1", "2", "3", "4", "5"});
    t.pickSlotA("u1", 1);
    t.field("u1", 1, "[105] CLOWN 32750");
    t.playQuietly("u1");
    EXPECT_EQ(t.slotText("u1", 1), "[105] CLOWN 32767");
    // A slot text without a card code is no DEAD card.
    t.hold("u1", "[219] SOUL TRANSFER");
    t.counters("u1", 10, 10);
    t.graveOf("u1", 3);
    t.field("u1", 2, "ZOMBIE 100");
    t.pickSlotA("u1", 2);
    t.expectRefused("u1", "This card isn't a DEAD type.");
}
