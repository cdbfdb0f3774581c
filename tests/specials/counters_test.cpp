#include "special_table.h"

using namespace grim;
using grim::test::bothSides;
using grim::test::other;
using grim::test::SpecialTable;

TEST(Recovery, TurnsEverySacrificedCardIntoALifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[220] RECOVERY");
        t.counters(side, 5, 0);
        t.expectRefused(side, "You must have at least 1 card sacrificed to use this card.");
        t.counters(side, 5, -2);
        t.expectRefused(side, "You must have at least 1 card sacrificed to use this card.");

        t.counters(side, 5, 3);
        t.playQuietly(side);
        EXPECT_EQ(t.lp(side), 8);
        EXPECT_EQ(t.w.side(side).txtSacriCnt.text, "0");
        EXPECT_EQ(t.lp(other(side)), 25);
        t.expectSpent(side, "[220] RECOVERY");
    }
}

TEST(Iou, AddsASacrificedCardOnlyOnceTheSacrificeLimitIsReached) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[214] IOU");
        t.counters(side, 25, 2);
        t.expectRefused(side, "Use this card after reaching your sacrifice limit.");

        t.w.side(side).btnSacri.enabled = false;
        t.playQuietly(side);
        EXPECT_EQ(t.sacrificed(side), 3);
        EXPECT_EQ(t.sacrificed(other(side)), 0);
        t.expectSpent(side, "[214] IOU");
    }
}

TEST(Inconvenience, TakesASacrificedCardFromTheOpponentEvenBelowZero) {
    for (const auto& side : bothSides)
        for (int before : {3, 0}) {
            SCOPED_TRACE(side);
            SpecialTable t;
            t.hold(side, "[217] INCONVENIENCE");
            t.counters(side, 25, 4);
            t.counters(other(side), 25, before);
            t.playQuietly(side);
            EXPECT_EQ(t.sacrificed(other(side)), before - 1);
            EXPECT_EQ(t.sacrificed(side), 4);
            t.expectSpent(side, "[217] INCONVENIENCE");
        }
}

TEST(Inconvenience, TheCountStopsAtTheSmallest16BitNumber) {
    SpecialTable t;
    t.hold("u1", "[217] INCONVENIENCE");
    t.w.u2.txtSacriCnt.text = "-32768";
    t.playQuietly("u1");
    EXPECT_EQ(t.w.u2.txtSacriCnt.text, "-32768");
}

TEST(Selfishness, EmptiesTheOwnGraveyardForOneLifePoint) {
    for (const auto& side : bothSides) {
        SCOPED_TRACE(side);
        SpecialTable t;
        t.hold(side, "[222] SELFISHNESS");
        t.graveOf(other(side), 2);
        t.expectRefused(side, "You must have at least 1 card in GRAVEYARD. Action cancelled.");

        t.graveOf(side, 7);
        t.playQuietly(side);
        EXPECT_EQ(t.graveItems(side), std::vector<std::string>{"[222] SELFISHNESS"});
        EXPECT_EQ(t.w.side(side).txtGraveCnt.text, "1");
        EXPECT_EQ(t.lp(side), 26);
        EXPECT_EQ(t.graveItems(other(side)).size(), 2u);
        t.expectSpent(side, "[222] SELFISHNESS");
    }
}
