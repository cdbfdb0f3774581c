#include "special_table.h"

using namespace grim;
using grim::test::bothSides;
using grim::test::cShort;
using grim::test::lpShort;
using grim::test::other;
using grim::test::SpecialTable;

TEST(Invigoration, RaisesAnOwnCardBy20ForEveryCardOnBothFields) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[216] INVIGORATION");
        t.field(side, 1, "[105] CLOWN 100");
        t.field(side, 3, "[120] OGRE 150");
        t.field(other(side), 2, "[101] ELF 100");
        t.expectRefused(side, "No # selected for SLOT A. This # is your card.");
        t.pickSlotA(side, 2); // full on the opponent's side only
        t.expectRefused(side, "There is no card to increase in power in selected slot. Action cancelled.");
        t.pickSlotA(side, 1);
        t.expectRefused(side, cShort);

        t.counters(side, 25, 1);
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(side, 1), "[105] CLOWN 160");
        EXPECT_EQ(t.slotText(side, 3), "[120] OGRE 150");
        EXPECT_EQ(t.sacrificed(side), 0);
        t.expectSpent(side, "[216] INVIGORATION");
    }
}

TEST(Devestation, RefusesWithoutAnOpponentsCardInSlotAOrASacrificedCard) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[227] DEVESTATION");
        t.field(side, 4, "[105] CLOWN 100");
        t.field(other(side), 2, "[120] OGRE 150");
        t.w.side(side).cmbSlotB.select(1); // selector B does not name the target
        t.expectRefused(side, "No # selected for SLOT A. This # is opponent's card.");
        t.pickSlotA(side, 4);
        t.expectRefused(side, "Selected slot is empty. Action cancelled.");
        t.pickSlotA(side, 2);
        t.expectRefused(side, cShort);
    }
}

TEST(Devestation, LowersAnOpponentsCardBy20ForEveryCardOnBothFields) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[227] DEVESTATION");
        t.counters(side, 25, 1);
        t.field(side, 1, "[105] CLOWN 100");
        t.field(other(side), 1, "[101] ELF 100");
        t.field(other(side), 2, "[120] OGRE 100");
        t.field(other(side), 5, "[150] ANGEL 250");
        t.pickSlotA(side, 5);
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(other(side), 5), "[150] ANGEL 170");
        EXPECT_EQ(t.lp(other(side)), 25);
        EXPECT_EQ(t.sacrificed(side), 0);
        t.expectSpent(side, "[227] DEVESTATION");
    }
}

TEST(Devestation, DestroysACardLoweredToZeroAndItsOwnerLosesALifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[227] DEVESTATION");
        t.counters(side, 25, 1);
        t.grave(other(side), {"[100] GNOME"});
        t.field(side, 1, "[105] CLOWN 100");
        t.field(side, 2, "[105] CLOWN 100");
        t.field(other(side), 1, "[101] ELF 100");
        t.field(other(side), 3, "[120] OGRE 100");
        t.field(other(side), 4, "[116] ZOMBIE 100");
        t.pickSlotA(side, 3);
        t.playQuietly(side);
        EXPECT_EQ(t.slotText(other(side), 3), "");
        EXPECT_EQ(t.graveItems(other(side)), (std::vector<std::string>{"[100] GNOME", "[120] OGRE 100"}));
        EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "2");
        EXPECT_EQ(t.lp(other(side)), 24);
        t.expectSpent(side, "[227] DEVESTATION");
    }
}

TEST(SoulStealer, RefusesBeforeAnythingIsPaid) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[226] SOUL STEALER");
        t.counters(side, 10, 10);
        t.field(side, 1, "[120] OGRE 150");
        t.field(side, 2, "[117] MUMMY 100");
        t.field(other(side), 3, "[116] ZOMBIE 100");
        t.graveOf(side, 5);
        t.expectRefused(side, "No # selected for SLOT A. This # is your card.");
        t.pickSlotA(side, 3);
        // Each player has always been told of the empty slot in different words.
        t.expectRefused(
            side, side == "u1" ? "Selected slot is empty. Action cancelled."
                               : "There is no card to increase in power in selected slot. Action cancelled.");
        t.pickSlotA(side, 1);
        t.expectRefused(side, "This card isn't a DEAD type.");
        t.pickSlotA(side, 2);
        t.expectRefused(side, "Opponent must have at least 1 card in GRAVEYARD.");

        t.graveOf(other(side), 20);
        t.counters(side, 3, 3);
        t.expectRefused(side, lpShort);
        t.counters(side, 4, 2);
        t.expectRefused(side, cShort);
        t.graveOf(other(side), 21);
        t.counters(side, 4, 4);
        t.expectRefused(side, lpShort);
        t.counters(side, 5, 3);
        t.expectRefused(side, cShort);
    }
}

TEST(SoulStealer, FeedsADeadCardOnTheOpponentsGraveyard) {
    struct Case {
        int graveyard, cost, power;
    };
    for (const Case c : {Case{1, 3, 110}, Case{20, 3, 300}, Case{21, 4, 310}})
        for (const auto& side : bothSides) {
            SCOPED_TRACE(side + " against " + std::to_string(c.graveyard) + " cards in the graveyard");
            SpecialTable t;
            t.hold(side, "[226] SOUL STEALER");
            t.counters(side, 10, 6);
            t.graveOf(side, 2);
            t.graveOf(other(side), c.graveyard);
            t.field(side, 3, "[116] ZOMBIE 100");
            t.pickSlotA(side, 3);
            t.playQuietly(side);
            EXPECT_EQ(t.slotText(side, 3), "[116] ZOMBIE " + std::to_string(c.power));
            EXPECT_EQ(t.lp(side), 10 - c.cost);
            EXPECT_EQ(t.sacrificed(side), 6 - c.cost);
            EXPECT_TRUE(t.graveItems(other(side)).empty());
            EXPECT_EQ(t.w.side(other(side)).txtGraveCnt.text, "0");
            EXPECT_EQ(t.graveItems(side).size(), 3u);
            t.expectSpent(side, "[226] SOUL STEALER");
        }
}
