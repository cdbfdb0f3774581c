#include "special_table.h"

namespace grim::test {

// SOUL TRANSFER feeds on my graveyard, SOUL STEALER on the opponent's.
TEST(SoulCards, FeedADeadCard10PerGraveyardCardFor3LAnd3COr4LAnd4COverTwenty) {
    for (const auto& side : bothSides)
        for (const bool stealer : {false, true})
            for (const auto& [souls, cost, dead, power] :
                 {std::tuple{20, 3, "[119] GHOST ", "300"}, {21, 4, "[116] ZOMBIE ", "310"}}) {
                SpecialTable t(side);
                const SideId fed = stealer ? t.you : t.me;
                t.hold(stealer ? "[226] SOUL STEALER" : "[219] SOUL TRANSFER");
                t.field(side, 1, "[115] MOTH 100");
                t.field(side, 2, "[120] OGRE 150");
                t.field(side, 4, dead + std::string("100"));
                t.field(t.you, 3, "[116] ZOMBIE 100");
                t.expectRefused(noSlotOwn);
                t.slotA(3);
                // Player 2 has always been told of the empty slot in other words by SOUL STEALER.
                t.expectRefused(stealer && side == SideId::u2 ? nothingToIncrease : slotEmpty);
                for (int notDeadSlot : {1, 2}) {
                    t.slotA(notDeadSlot);
                    t.expectRefused(notDead);
                }
                t.slotA(4);
                t.graveOf(stealer ? t.me : t.you, 2); // the other graveyard does not count
                t.expectRefused(stealer ? "Opponent must have at least 1 card in GRAVEYARD."
                                        : "You must have at least 1 card in GRAVEYARD.");
                t.graveOf(fed, 25);
                writeNumber(t.w.side(fed).txtGraveCnt, souls); // the count box says how many there are
                t.pays(cost, cost);
                EXPECT_EQ(t.slot(side, 4), dead + std::string(power));
                t.expectGrave(fed, stealer ? Entries{} : Entries{t.card});
                EXPECT_EQ(t.w.side(stealer ? t.me : t.you).cmbGrave.count(), stealer ? 3 : 2);
            }
}

} // namespace grim::test
