#include "special_table.h"

using namespace grim;
using grim::test::bothSides;
using grim::test::other;
using grim::test::SpecialTable;

// LIFELESS, SUICIDE and LIFEPOINT always take effect and cost nothing.
TEST(LifeEffects, LifelessTakesOneLifePointFromTheOpponent) {
    for (const std::string card : {"[200] LIFELESS", "[201] LIFELESS"})
        for (const auto& side : bothSides) {
            SCOPED_TRACE(card + " by " + side);
            SpecialTable t;
            t.hold(side, card);
            t.counters(side, 5, 2);
            t.counters(other(side), 1, 0);
            t.playQuietly(side);
            EXPECT_EQ(t.lp(other(side)), 0); // the game only ends when the turn does
            EXPECT_EQ(t.lp(side), 5);
            EXPECT_EQ(t.sacrificed(side), 2);
            t.expectSpent(side, card);
        }
}

TEST(LifeEffects, SuicideCostsBothPlayersOneLifePointWhoeverPlaysIt) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[212] SUICIDE");
        t.counters("u1", 7, 0);
        t.counters("u2", 3, 0);
        t.playQuietly(side);
        EXPECT_EQ(t.lp("u1"), 6);
        EXPECT_EQ(t.lp("u2"), 2);
        t.expectSpent(side, "[212] SUICIDE");
    }
}

TEST(LifeEffects, LifepointGivesTheActingSideOneLifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[213] LIFEPOINT");
        t.playQuietly(side);
        EXPECT_EQ(t.lp(side), 26);
        EXPECT_EQ(t.lp(other(side)), 25);
        t.expectSpent(side, "[213] LIFEPOINT");
    }
}

TEST(PowerEffects, IncreaseRaisesTheOwnCardInSlotABy50) {
    for (const std::string card : {"[207] INCREASE", "[208] INCREASE"})
        for (const auto& side : bothSides) {
            SCOPED_TRACE(card + " by " + side);
            SpecialTable t;
            t.hold(side, card);
            t.field(side, 2, "[164] HORN BEETLE 300");
            t.field(other(side), 4, "[120] OGRE 150");
            t.w.side(side).cmbSlotB.select(1); // selector B plays no part
            t.expectRefused(side, "No # selected for SLOT A. This # is your card.");

            t.pickSlotA(side, 4); // the opponent's slot 4 is full, the own one is not
            t.expectRefused(side,
                            "There is no card to increase in power in selected slot. Action cancelled.");

            t.pickSlotA(side, 2);
            t.playQuietly(side);
            EXPECT_EQ(t.slotText(side, 2), "[164] HORN BEETLE 350");
            EXPECT_EQ(t.slotText(other(side), 4), "[120] OGRE 150");
            t.expectSpent(side, card);
        }
}

TEST(PowerEffects, ReductionLowersTheOpponentsCardInSlotABy50) {
    for (const std::string card : {"[204] REDUCTION", "[205] REDUCTION", "[206] REDUCTION"})
        for (const auto& side : bothSides) {
            SCOPED_TRACE(card + " by " + side);
            SpecialTable t;
            t.hold(side, card);
            t.field(other(side), 1, "[120] OGRE 100");
            t.field(side, 3, "[105] CLOWN 100");
            // Player 1 has always been told this with two full stops.
            t.expectRefused(side, side == "u1" ? "No # selected for SLOT A. This # is opponent's card.."
                                               : "No # selected for SLOT A. This # is opponent's card.");
            t.pickSlotA(side, 3);
            t.expectRefused(side, "There is no card to reduce in power in selected slot. Action cancelled.");

            t.pickSlotA(side, 1);
            t.playQuietly(side);
            EXPECT_EQ(t.slotText(other(side), 1), "[120] OGRE 50");
            EXPECT_EQ(t.lp(other(side)), 25);
            EXPECT_TRUE(t.graveItems(other(side)).empty());
            t.expectSpent(side, card);
        }
}

TEST(PowerEffects, ReductionToZeroDestroysTheCardAndCostsItsOwnerALifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[204] REDUCTION");
        t.grave(other(side), {"[101] ELF"});
        t.field(other(side), 5, "[164] HORN BEETLE 50");
        t.pickSlotA(side, 5);
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(other(side), 5), "");
        EXPECT_EQ(t.graveItems(other(side)), (std::vector<std::string>{"[101] ELF", "[164] HORN BEETLE 50"}));
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "2");
        EXPECT_EQ(t.lp(other(side)), 24);
        t.expectSpent(side, "[204] REDUCTION");
    }
}

TEST(PowerEffects, SoulTransferRefusesBeforeAnythingIsPaid) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[219] SOUL TRANSFER");
        t.counters(side, 10, 10);
        t.graveOf(side, 3);
        t.field(side, 1, "[115] MOTH 100");
        t.field(side, 2, "[120] OGRE 150");
        t.field(side, 4, "[119] GHOST 100");
        t.field(other(side), 3, "[116] ZOMBIE 100");
        t.expectRefused(side, "No # selected for SLOT A. This # is your card.");
        t.pickSlotA(side, 3);
        t.expectRefused(side, "Selected slot is empty. Action cancelled.");
        t.pickSlotA(side, 1);
        t.expectRefused(side, "This card isn't a DEAD type.");
        t.pickSlotA(side, 2);
        t.expectRefused(side, "This card isn't a DEAD type.");

        t.pickSlotA(side, 4);
        t.grave(side, {});
        t.expectRefused(side, "You must have at least 1 card in GRAVEYARD.");

        t.graveOf(side, 20);
        t.counters(side, 3, 3); // 3L would leave nothing
        t.expectRefused(side, test::lpShort);
        t.counters(side, 4, 2);
        t.expectRefused(side, test::cShort);
        t.graveOf(side, 21);
        t.counters(side, 4, 4);
        t.expectRefused(side, test::lpShort);
        t.counters(side, 5, 3);
        t.expectRefused(side, test::cShort);
    }
}

TEST(PowerEffects, SoulTransferFeedsADeadCardOnTheOwnGraveyard) {
    struct Case {
        int graveyard, cost, power;
    };
    for (const Case c : {Case{1, 3, 110}, Case{20, 3, 300}, Case{21, 4, 310}})
        for (const auto& side : bothSides) {
            SCOPED_TRACE(side + " with " + std::to_string(c.graveyard) + " cards in the graveyard");
            SpecialTable t;
            t.hold(side, "[219] SOUL TRANSFER");
            t.counters(side, 10, 6);
            t.graveOf(side, c.graveyard);
            t.graveOf(other(side), 2);
            t.field(side, 5, "[116] ZOMBIE 100");
            t.pickSlotA(side, 5);
            t.playQuietly(side);
            EXPECT_EQ(t.slotText(side, 5), "[116] ZOMBIE " + std::to_string(c.power));
            EXPECT_EQ(t.lp(side), 10 - c.cost);
            EXPECT_EQ(t.sacrificed(side), 6 - c.cost);
            EXPECT_EQ(t.graveItems(side), std::vector<std::string>{"[219] SOUL TRANSFER"});
            EXPECT_EQ(t.w.side(side).txtGraveCnt.text, "1");
            EXPECT_EQ(t.graveItems(other(side)).size(), 2u);
            t.expectSpent(side, "[219] SOUL TRANSFER");
        }
}

TEST(PowerEffects, SoulTransferCountsTheGraveyardByItsCountBox) {
    SpecialTable t;
    t.hold("u1", "[219] SOUL TRANSFER");
    t.counters("u1", 10, 6);
    t.graveOf("u1", 21);
    t.w.u1.txtGraveCnt.text = "2";
    t.field("u1", 1, "[118] SKELETON 100");
    t.pickSlotA("u1", 1);
    t.playQuietly("u1");
    EXPECT_EQ(t.slotText("u1", 1), "[118] SKELETON 120");
    EXPECT_EQ(t.lp("u1"), 7);
    EXPECT_EQ(t.graveItems("u1"), std::vector<std::string>{"[219] SOUL TRANSFER"});
    EXPECT_EQ(t.w.u1.txtGraveCnt.text, "1");
}
