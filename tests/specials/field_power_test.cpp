#include "special_table.h"

namespace grim::test {

// INCREASE raises my card in SLOT A by 50; INVIGORATION, for one sacrificed card, by 20 for
// each card on both fields (2 here).
TEST(PowerCards, RaiseMyCardInSlotA) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"[207] INCREASE", 0, "350"}, {"[208] INCREASE", 0, "350"}, {"[216] INVIGORATION", 1, "340"}};
    for (const auto& side : bothSides)
        for (const auto& [card, cost, power] : cases) {
            SpecialTable t(side);
            t.hold(card);
            t.field(side, 2, "[164] HORN BEETLE 300");
            t.field(t.you, 4, "[120] OGRE 150");
            t.expectRefused(noSlotOwn);
            t.slotA(4); // the opponent's slot 4 is full, mine is not
            t.expectRefused(nothingToIncrease);
            t.slotA(2);
            t.pays(0, cost);
            EXPECT_EQ(t.slot(side, 2), "[164] HORN BEETLE " + power);
            EXPECT_EQ(t.slot(t.you, 4), "[120] OGRE 150");
        }
}

// REDUCTION lowers the opponent's card in SLOT A by 50; DEVESTATION, for one sacrificed card,
// by 20 for each card on both fields (3 here). A card lowered to 0 is destroyed and its owner
// loses a life point.
TEST(PowerCards, LowerTheOpponentsCardInSlotAAndDestroyItAtZero) {
    const std::tuple<std::string, int, int> cases[] = {{"[204] REDUCTION", 0, 50},
                                                       {"[205] REDUCTION", 0, 50},
                                                       {"[206] REDUCTION", 0, 50},
                                                       {"[227] DEVESTATION", 1, 60}};
    for (const auto& side : bothSides)
        for (const auto& [card, cost, by] : cases)
            for (const int power : {by + 1, by}) {
                SpecialTable t(side);
                const bool reduction = card != "[227] DEVESTATION", destroyed = power == by;
                t.hold(card);
                t.grave(t.you, {"[100] GNOME"});
                t.field(side, 3, "[105] CLOWN 100");
                t.field(t.you, 4, "[101] ELF 100");
                t.field(t.you, 1, "[120] OGRE " + std::to_string(power));
                // Player 1 has always been told this by REDUCTION with two full stops.
                t.expectRefused(noSlotOpp + std::string(reduction && side == SideId::u1 ? "." : ""));
                t.slotA(3);
                t.expectRefused(
                    reduction ? "There is no card to reduce in power in selected slot. Action cancelled."
                              : slotEmpty);
                t.slotA(1);
                t.pays(0, cost);
                EXPECT_EQ(t.slot(t.you, 1), destroyed ? "" : "[120] OGRE 1");
                t.expectGrave(t.you, destroyed ? Entries{"[100] GNOME", "[120] OGRE " + std::to_string(power)}
                                               : Entries{"[100] GNOME"});
                EXPECT_EQ(t.lp(t.you), destroyed ? 24 : 25);
            }
}

} // namespace grim::test
