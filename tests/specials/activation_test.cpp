#include "special_table.h"
#include "specials/random_draw.h"

#include <limits>

namespace grim::test {

TEST(Activation, OnlyASelectedSpecialCardOnAnEnabledButtonIsPlayed) {
    struct Case {
        SideId side;
        std::string card, message; // no card: nothing selected; no message: nothing happens
        bool enabled = true;
    };
    const Case cases[] = {
        {SideId::u1, "", "No HAND card selected to activate special ability."},
        {SideId::u2, "", "No HAND card selected to activate special ability."},
        {SideId::u2, "[105] CLOWN", "Selected card is not a SPECIAL card."},
        {SideId::u1, "[165] OMEGA", "Selected card is not a SPECIAL card."},
        {SideId::u1, "[2x3] BROKEN", "Selected card is not a SPECIAL card."}, // no three-digit code
        {SideId::u2, "[229] NOTHING", ""},
        {SideId::u1, "[999] NOTHING", ""},
        {SideId::u2, "[213] LIFEPOINT", "", false},
    };
    for (const auto& c : cases) {
        SpecialTable t(c.side);
        t.hold(c.card.empty() ? "[213] LIFEPOINT" : c.card, {"[213] LIFEPOINT"});
        if (c.card.empty()) t.w.side(t.me).lstHand.clearSelection();
        t.w.side(t.me).btnSpecial.enabled = c.enabled;
        t.expectRefused(c.message);
    }
}

TEST(Activation, TheSpentCardLeavesTheHandForTheGraveyardAndTheTurnGoesOn) {
    for (const auto& side : bothSides) {
        SpecialTable t(side);
        t.hold("[213] LIFEPOINT", {"[105] CLOWN", "[120] OGRE"});
        Side& s = t.w.side(side);
        s.lstHand.setItems({"[105] CLOWN", "[213] LIFEPOINT", "[120] OGRE"});
        s.lstHand.select(1);
        t.grave(side, {"[116] ZOMBIE 100"});
        t.plays();
        t.expectHand(side, {"[105] CLOWN", "[120] OGRE"});
        t.expectGrave(side, {"[116] ZOMBIE 100", "[213] LIFEPOINT"});
        EXPECT_TRUE(s.btnField.enabled && s.btnAttack.enabled && s.btnDirect.enabled && s.btnMaster.enabled &&
                    s.btnEnd.enabled);
    }
}

TEST(RandomDraw, FiftyNumbersInFiveBandsOfTenEvenFromAStrayGenerator) {
    TestWindow t;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {{0.0, 1},  {0.199999, 10}, {0.2, 11}, {0.39, 20},
                                            {0.4, 21}, {0.6, 31},      {0.8, 41}, {0.999999, 50},
                                            {1.0, 50}, {7.5, 50},      {-0.3, 1}, {nan, 1}};
    for (const auto& [r, number] : cases) {
        t.random.script = {r, r};
        EXPECT_EQ(activationSubs::drawOneToFifty(t.w), number) << r;
        EXPECT_EQ(activationSubs::randomDraw(t.w, {10, 20, 30, 40, 50}), ((number - 1) / 10 + 1) * 10) << r;
    }
}

TEST(Activation, OddBoardTextsAreHandledSafely) {
    SpecialTable t;
    // A slot picker whose text is no slot number picks nothing.
    t.hold("[207] INCREASE");
    t.field(SideId::u1, 1, "[105] CLOWN 32750");
    t.w.u1.cmbSlotA.setItems({"0", "6", "x", "1"});
    for (int i = 0; i < 3; ++i) {
        t.w.u1.cmbSlotA.select(i);
        t.expectRefused(noSlotOwn);
    }
    // Powers stop at the largest 16-bit number.
    t.w.u1.cmbSlotA.select(3);
    t.plays();
    EXPECT_EQ(t.slot(SideId::u1, 1), "[105] CLOWN 32767");
    // A slot text without a card code is no DEAD card.
    t.hold("[219] SOUL TRANSFER");
    t.counters(SideId::u1, 10, 10);
    t.graveOf(SideId::u1, 3);
    t.field(SideId::u1, 1, "ZOMBIE 100");
    t.expectRefused(notDead);
}

} // namespace grim::test
