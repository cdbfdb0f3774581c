#include "special_table.h"

namespace grim::test {

// The cards that only move LP and sacrificed cards, at no cost. My sacrifice limit is reached
// (for IOU); I have 7 cards in my graveyard (for SELFISHNESS).
TEST(CounterCards, MoveLifePointsAndSacrificedCards) {
    struct Case {
        std::string card;
        std::array<int, 4> before, after; // my LP and sacrificed cards, then the opponent's
    };
    const Case cases[] = {
        {"[200] LIFELESS", {7, 0, 1, 0}, {7, 0, 0, 0}}, // the game only ends when the turn does
        {"[201] LIFELESS", {7, 0, 1, 0}, {7, 0, 0, 0}},
        {"[212] SUICIDE", {7, 0, 1, 0}, {6, 0, 0, 0}},
        {"[213] LIFEPOINT", {7, 0, 1, 0}, {8, 0, 1, 0}},
        {"[220] RECOVERY", {5, 3, 1, 2}, {8, 0, 1, 2}},
        {"[214] IOU", {5, 2, 1, 2}, {5, 3, 1, 2}},
        {"[217] INCONVENIENCE", {5, 4, 1, 0}, {5, 4, 1, -1}},
        {"[217] INCONVENIENCE", {5, 4, 1, -32768}, {5, 4, 1, -32768}},
        {"[222] SELFISHNESS", {7, 0, 1, 0}, {8, 0, 1, 0}},
    };
    for (const auto& side : bothSides)
        for (const auto& c : cases) {
            SpecialTable t(side);
            t.hold(c.card);
            t.counters(t.me, c.before[0], c.before[1]);
            t.counters(t.you, c.before[2], c.before[3]);
            t.w.side(t.me).btnSacri.enabled = false;
            t.graveOf(t.me, 7);
            t.graveOf(t.you, 2);
            t.plays();
            EXPECT_EQ((std::array{t.lp(t.me), t.sacrificed(t.me), t.lp(t.you), t.sacrificed(t.you)}),
                      c.after);
            EXPECT_EQ(t.w.side(t.me).cmbGrave.count(), c.card == "[222] SELFISHNESS" ? 1 : 8);
            EXPECT_EQ(t.w.side(t.you).cmbGrave.count(), 2);
        }
}

TEST(CounterCards, RefuseWithoutSacrificedCardsTheSacrificeLimitOrAGraveyard) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[220] RECOVERY");
        for (int none : {0, -2}) {
            t.counters(side, 5, none);
            t.expectRefused("You must have at least 1 card sacrificed to use this card.");
        }
        t.hold("[214] IOU");
        t.expectRefused("Use this card after reaching your sacrifice limit.");
        t.hold("[222] SELFISHNESS");
        t.graveOf(t.you, 2);
        t.expectRefused("You must have at least 1 card in GRAVEYARD. Action cancelled.");
    }
}

} // namespace grim::test
