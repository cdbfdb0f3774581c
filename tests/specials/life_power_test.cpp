#include "special_table.h"

namespace grim::test {

// SOUL TRANSFER feeds on my graveyard, SOUL STEALER on the opponent's.
TEST(SoulCards, FeedADeadCard10PerGraveyardCardFor3LAnd3COr4LAnd4COverTwenty) {
    for (const auto& side : bothSides)
        for (const bool stealer : {false, true})
            for (const auto& [souls, cost, power] : {std::tuple{20, 3, "300"}, {21, 4, "310"}}) {
                SpecialTable t(side);
                const std::string fed = stealer ? t.you : t.me;
                t.hold(stealer ? "[226] SOUL STEALER" : "[219] SOUL TRANSFER");
                t.field(side, 1, "[115] MOTH 100");
                t.field(side, 2, "[120] OGRE 150");
                t.field(side, 4, "[119] GHOST 100");
                t.field(t.you, 3, "[116] ZOMBIE 100");
                t.expectRefused(noSlotOwn);
                t.slotA(3);
                // Player 2 has always been told of the empty slot in other words by SOUL STEALER.
                t.expectRefused(stealer && side == "u2" ? nothingToIncrease : slotEmpty);
                for (int notDeadSlot : {1, 2}) {
                    t.slotA(notDeadSlot);
                    t.expectRefused(notDead);
                }
                t.slotA(4);
                t.graveOf(stealer ? t.me : t.you, 2); // the other graveyard does not count
                t.expectRefused(stealer ? "Opponent must have at least 1 card in GRAVEYARD."
                                        : "You must have at least 1 card in GRAVEYARD.");
                t.graveOf(fed, souls);
                t.pays(cost, cost);
                EXPECT_EQ(t.slot(side, 4), std::string("[119] GHOST ") + power);
                t.expectGrave(fed, stealer ? Entries{} : Entries{t.card});
                EXPECT_EQ(t.w.side(stealer ? t.me : t.you).cmbGrave.count(), stealer ? 3 : 2);
            }
}

TEST(SoulCards, SoulTransferCountsTheGraveyardByItsCountBox) {
    SpecialTable t;
    t.hold("[219] SOUL TRANSFER");
    t.counters("u1", 10, 6);
    t.graveOf("u1", 21);
    t.w.u1.txtGraveCnt.text = "2";
    t.field("u1", 1, "[118] SKELETON 100");
    t.slotA(1);
    t.plays();
    EXPECT_EQ(t.slot("u1", 1), "[118] SKELETON 120");
    EXPECT_EQ(t.lp("u1"), 7);
    t.expectGrave("u1", {"[219] SOUL TRANSFER"});
}

} // namespace grim::test
