#include "special_table.h"

namespace grim::test {

TEST(GodKiller, DestroysTheOpponentsOmegaInSlotAWithoutCostingItsOwnerALifePoint) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[210] GOD KILLER");
        t.field(side, 1, "[165] OMEGA 600");
        t.field(t.you, 2, "[164] HORN BEETLE 300");
        t.field(t.you, 3, "[165] OMEGA 450");
        t.expectRefused(noSlotOpp);
        t.slotA(1);
        t.expectRefused("Selected slot is empty.");
        t.slotA(2);
        t.expectRefused("OMEGA is not in opponent's FIELD.");
        t.slotA(3);
        t.pays(5, 5);
        EXPECT_EQ(t.slot(t.you, 3), "");
        t.expectGrave(t.you, {"[165] OMEGA 450"});
        EXPECT_EQ(t.lp(t.you), 25);
    }
}

TEST(Death, DestroysEveryOpponentsCardOf100OrLessForALifePointEach) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[221] DEATH");
        t.field(side, 1, "[105] CLOWN 50");
        t.expectRefused(noOppField);
        t.field(t.you, 2, "[120] OGRE 150");
        t.field(t.you, 3, "[105] CLOWN 101");
        t.expectRefused("Opponent's FIELD cards are greater than 100.");
        t.field(t.you, 4, "[120] OGRE 100");
        t.field(t.you, 1, "[101] ELF 50");
        t.pays(1, 1);
        EXPECT_EQ(t.slot(t.you, 1) + t.slot(t.you, 4), "");
        EXPECT_EQ(t.slot(t.you, 2) + t.slot(t.you, 3), "[120] OGRE 150[105] CLOWN 101");
        EXPECT_EQ(t.slot(side, 1), "[105] CLOWN 50");
        t.expectGrave(t.you, {"[101] ELF 50", "[120] OGRE 100"});
        EXPECT_EQ(t.lp(t.you), 23);
    }
}

TEST(Armageddon, DestroysBothFieldsSlotBySlotAndEachOwnerPaysALifePointPerCard) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[215] ARMAGEDDON");
        t.expectRefused("There are no cards in the FIELD.");
        t.field(side, 4, "[120] OGRE 150"); // a card of mine alone is a target
        t.counters(side, 5, 5);
        t.expectRefused(lpShort);
        t.grave(side, {"[100] GNOME"});
        t.field(side, 2, "[105] CLOWN 100");
        t.field(t.you, 5, "[164] HORN BEETLE 300");
        t.field(t.you, 1, "[101] ELF 100");
        t.field(t.you, 4, "[165] OMEGA 600");
        t.pays(5, 5, "", 1 - 2);
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(t.slot(SideId::u1, i) + t.slot(SideId::u2, i), "") << i;
        t.expectGrave(side, {"[100] GNOME", "[105] CLOWN 100", "[120] OGRE 150", "[215] ARMAGEDDON"});
        t.expectGrave(t.you, {"[101] ELF 100", "[165] OMEGA 600", "[164] HORN BEETLE 300"});
        EXPECT_EQ(t.lp(t.you), 25 - 3);
    }
}

// DEADLY DICE: a roll of 1-10 hits slot 2, 11-20 slot 5, 21-30 slot 3, 31-40 slot 1 and
// 41-50 slot 4; a roll on an empty slot spares the field but the card and its cost are spent.
TEST(DeadlyDice, EachBandOfTheRollNamesOneOpponentsSlot) {
    const int slotOfBand[] = {2, 5, 3, 1, 4};
    for (const auto& side : bothSides)
        for (int band = 1; band <= 5; ++band) {
            SpecialTable t(side);
            SCOPED_TRACE("rolling in band " + std::to_string(band));
            t.hold("[218] DEADLY DICE");
            t.random.script = {inBand(band)};
            t.field(side, 3, "[105] CLOWN 100");
            t.expectRefused(noOppField);
            for (int i : {1, 2, 4, 5})
                t.field(t.you, i, "[10" + std::to_string(i) + "] CARD 100");
            const int hit = slotOfBand[band - 1];
            t.pays(2, 1, hit == 3 ? "Opponent's FIELD cards were spared" : "");
            for (int i = 1; i <= 5; ++i)
                EXPECT_EQ(t.slot(t.you, i).empty(), i == 3 || i == hit) << i;
            t.expectGrave(t.you, hit == 3 ? Entries{} : Entries{"[10" + std::to_string(hit) + "] CARD 100"});
            EXPECT_EQ(t.lp(t.you), hit == 3 ? 25 : 24);
            EXPECT_TRUE(t.random.script.empty());
        }
}

} // namespace grim::test
