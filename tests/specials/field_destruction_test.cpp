#include "special_table.h"

using namespace grim;
using grim::test::bothSides;
using grim::test::cShort;
using grim::test::inBand;
using grim::test::lpShort;
using grim::test::other;
using grim::test::SpecialTable;

TEST(GodKiller, RefusesAnythingButTheOpponentsOmegaInSlotA) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[210] GOD KILLER");
        t.counters(side, 10, 10);
        t.field(side, 1, "[165] OMEGA 600");
        t.field(other(side), 2, "[164] HORN BEETLE 300");
        t.field(other(side), 3, "[165] OMEGA 600");
        t.expectRefused(side, "No # selected for SLOT A. This # is opponent's card.");
        t.pickSlotA(side, 1);
        t.expectRefused(side, "Selected slot is empty.");
        t.pickSlotA(side, 2);
        t.expectRefused(side, "OMEGA is not in opponent's FIELD.");
        t.pickSlotA(side, 3);
        t.counters(side, 5, 5);
        t.expectRefused(side, lpShort);
        t.counters(side, 6, 4);
        t.expectRefused(side, cShort);
    }
}

TEST(GodKiller, DestroysOmegaWithoutCostingItsOwnerALifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[210] GOD KILLER");
        t.counters(side, 6, 5);
        t.field(other(side), 4, "[165] OMEGA 450");
        t.pickSlotA(side, 4);
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(other(side), 4), "");
        EXPECT_EQ(t.graveItems(other(side)), std::vector<std::string>{"[165] OMEGA 450"});
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "1");
        EXPECT_EQ(t.lp(other(side)), 25);
        EXPECT_EQ(t.lp(side), 1);
        EXPECT_EQ(t.sacrificed(side), 0);
        t.expectSpent(side, "[210] GOD KILLER");
    }
}

TEST(Death, RefusesAnEmptyOrStrongOpponentsFieldAndAShortPayment) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[221] DEATH");
        t.field(side, 1, "[105] CLOWN 100");
        t.expectRefused(side, "Opponent has no cards on the FIELD.");
        t.field(other(side), 2, "[120] OGRE 150");
        t.field(other(side), 5, "[160] PHOENIX 200");
        t.expectRefused(side, "Opponent's FIELD cards are greater than 100.");
        t.field(other(side), 3, "[105] CLOWN 101");
        t.expectRefused(side, "Opponent's FIELD cards are greater than 100.");
        t.field(other(side), 4, "[120] OGRE 100");
        t.counters(side, 1, 1);
        t.expectRefused(side, lpShort);
        t.counters(side, 2, 0);
        t.expectRefused(side, cShort);
    }
}

TEST(Death, DestroysEveryOpponentsCardOf100OrLessForALifePointEach) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[221] DEATH");
        t.counters(side, 2, 1);
        t.field(side, 1, "[105] CLOWN 50");
        t.field(other(side), 1, "[120] OGRE 100");
        t.field(other(side), 3, "[120] OGRE 150");
        t.field(other(side), 5, "[101] ELF 50");
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(other(side), 1), "");
        EXPECT_EQ(t.slotText(other(side), 3), "[120] OGRE 150");
        EXPECT_EQ(t.slotText(other(side), 5), "");
        EXPECT_EQ(t.slotText(side, 1), "[105] CLOWN 50");
        EXPECT_EQ(t.graveItems(other(side)), (std::vector<std::string>{"[120] OGRE 100", "[101] ELF 50"}));
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "2");
        EXPECT_EQ(t.lp(other(side)), 23);
        EXPECT_EQ(t.lp(side), 1);
        EXPECT_EQ(t.sacrificed(side), 0);
        t.expectSpent(side, "[221] DEATH");
    }
}

TEST(Armageddon, RefusesAnEmptyFieldAndAShortPayment) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[215] ARMAGEDDON");
        t.counters(side, 10, 10);
        t.expectRefused(side, "There are no cards in the FIELD.");
        t.field(side, 5, "[105] CLOWN 100"); // an own card alone is enough of a target
        t.counters(side, 5, 10);
        t.expectRefused(side, lpShort);
        t.counters(side, 6, 4);
        t.expectRefused(side, cShort);
    }
}

TEST(Armageddon, DestroysBothFieldsSlotBySlotAndEachOwnerPaysALifePointPerCard) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[215] ARMAGEDDON");
        t.counters(side, 10, 5);
        t.grave("u1", {"[100] GNOME"});
        t.field("u1", 4, "[120] OGRE 150");
        t.field("u1", 2, "[105] CLOWN 100");
        t.field("u2", 5, "[164] HORN BEETLE 300");
        t.field("u2", 1, "[101] ELF 100");
        t.field("u2", 4, "[165] OMEGA 600");
        t.playQuietly(side);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(t.slotText("u1", i) + t.slotText("u2", i), "") << i;
        std::vector<std::string> grave1{"[100] GNOME", "[105] CLOWN 100", "[120] OGRE 150"};
        std::vector<std::string> grave2{"[101] ELF 100", "[165] OMEGA 600", "[164] HORN BEETLE 300"};
        (side == "u1" ? grave1 : grave2).push_back("[215] ARMAGEDDON");
        EXPECT_EQ(t.graveItems("u1"), grave1);
        EXPECT_EQ(t.graveItems("u2"), grave2);
        EXPECT_EQ(t.w.u1.txtGraveCnt.text, std::to_string(grave1.size()));
        EXPECT_EQ(t.w.u2.txtGraveCnt.text, std::to_string(grave2.size()));
        const int cost = 5;
        EXPECT_EQ(t.lp("u1"), (side == "u1" ? 10 - cost : 25) - 2);
        EXPECT_EQ(t.lp("u2"), (side == "u2" ? 10 - cost : 25) - 3);
        EXPECT_EQ(t.sacrificed(side), 0);
        t.expectSpent(side, "[215] ARMAGEDDON");
    }
}

TEST(DeadlyDice, RefusesAnEmptyOpponentsFieldAndAShortPaymentWithoutRolling) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[218] DEADLY DICE");
        t.random.script = {inBand(1)};
        t.field(side, 2, "[105] CLOWN 100");
        t.expectRefused(side, "Opponent has no cards on the FIELD.");
        t.field(other(side), 2, "[105] CLOWN 100");
        t.counters(side, 2, 1);
        t.expectRefused(side, lpShort);
        t.counters(side, 3, 0);
        t.expectRefused(side, cShort);
    }
}

TEST(DeadlyDice, EachBandOfTheRollNamesOneOpponentsSlot) {
    const int slotOfBand[] = {2, 5, 3, 1, 4}; // rolls 1-10, 11-20, 21-30, 31-40, 41-50
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SCOPED_TRACE(side + " rolling in band " + std::to_string(band));
            SpecialTable t;
            t.hold(side, "[218] DEADLY DICE");
            t.counters(side, 3, 1);
            for (int i = 1; i <= 5; ++i)
                t.field(other(side), i, "[10" + std::to_string(i) + "] CARD 100");
            t.random.script = {inBand(band)};
            t.playQuietly(side);
            const int hit = slotOfBand[band - 1];
            for (int i = 1; i <= 5; ++i)
                EXPECT_EQ(t.slotText(other(side), i).empty(), i == hit) << i;
            EXPECT_EQ(t.graveItems(other(side)),
                      std::vector<std::string>{"[10" + std::to_string(hit) + "] CARD 100"});
            EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "1");
            EXPECT_EQ(t.lp(other(side)), 24);
            EXPECT_EQ(t.lp(side), 1);
            EXPECT_EQ(t.sacrificed(side), 0);
            EXPECT_TRUE(t.random.script.empty());
            t.expectSpent(side, "[218] DEADLY DICE");
        }
}

TEST(DeadlyDice, ARollOnAnEmptySlotSparesTheFieldButSpendsTheCardAndItsCost) {
    for (const auto& side : bothSides)
        for (int band : {1, 2, 3, 5}) { // all but the band of slot 1
            SCOPED_TRACE(side + " rolling in band " + std::to_string(band));
            SpecialTable t;
            t.hold(side, "[218] DEADLY DICE");
            t.counters(side, 5, 2);
            t.field(other(side), 1, "[120] OGRE 150");
            t.random.script = {inBand(band)};
            t.play(side);
            EXPECT_EQ(t.prompter.messages, std::vector<std::string>{"Opponent's FIELD cards were spared"});
            EXPECT_EQ(t.slotText(other(side), 1), "[120] OGRE 150");
            EXPECT_EQ(t.lp(other(side)), 25);
            EXPECT_TRUE(t.graveItems(other(side)).empty());
            EXPECT_EQ(t.lp(side), 3);
            EXPECT_EQ(t.sacrificed(side), 1);
            t.expectSpent(side, "[218] DEADLY DICE");
        }
}
