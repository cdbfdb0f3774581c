#include "rules/costs.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::cardSubs;

// Each card's level decides its power and its cost, so a slip in either shows.
TEST(Catalogue, PowerAndCostFollowTheLevel) {
    const std::array<int, 5> levels[] = {{100, 119, 100, 0, 0}, {120, 134, 150, 0, 1}, {135, 149, 200, 1, 1},
                                         {150, 159, 250, 1, 2}, {160, 164, 300, 2, 2}, {165, 165, 600, 5, 5},
                                         {200, 228, 50, 0, 0}};
    for (int level = 0; const auto& [first, last, power, life, sacrificed] : levels)
        for (int code = first, row = ++level; code <= last; ++code) {
            SCOPED_TRACE(code);
            const CardInfo* card = record(code);
            ASSERT_NE(card, nullptr);
            const CardId id = cardOfEntry(card->name).value();
            const auto cost = gameSubs::fieldingCost(code);
            EXPECT_EQ(std::tuple(cardPower(id), cost.life, cost.sacrificed, id.code(), id.special(),
                                 isSpecial(first - 1)),
                      std::tuple(power, life, sacrificed, code, first == 200, false));
            const int shown = first == 200 ? 0 : row; // the level counted is the one the description names
            EXPECT_EQ(cardLevel(code), shown);
            EXPECT_EQ(card->description.starts_with("Level " + std::to_string(shown) + " card."), shown != 0);
        }
    EXPECT_EQ(regCards()[16].type + regCards()[5].name + spcCards()[27].name,
              "DEAD[105] CLOWN[227] DEVESTATION");
    for (int code : {99, 166, 199, 229, -1}) {
        EXPECT_EQ(record(code), nullptr) << code;
        EXPECT_EQ(CardId::ofCode(code), std::nullopt) << code;
    }
}

TEST(Catalogue, CodesEntriesAndSlotTexts) {
    EXPECT_EQ(std::vector({cardCode("[105] CLOWN"), cardCode("[1a5] CLOWN"), cardCode("[10")}),
              (std::vector<std::optional<int>>{105, {}, {}}));
    for (const char* bad : {"[105] CLOWNS", "[105] clown", "[105]CLOWN", "[166] CLOWN", ""})
        EXPECT_FALSE(cardOfEntry(bad).has_value()) << bad;
    // Slot texts read back into the values they were written from; graveyard items also without a power.
    for (const char* good : {"", "[105] CLOWN 4", "[105] CLOWN 0", "[105] CLOWN -40", "[165] OMEGA -32768",
                             "[200] LIFELESS 32767"}) {
        const auto slot = slotOfText(good);
        ASSERT_TRUE(slot.has_value()) << good;
        EXPECT_EQ(shownText(*slot), good);
    }
    for (const char* bad :
         {"[105] CLOWN", "[105] CLOWN 04", "[105] CLOWN 32768", "[105] CLOWN +4", "[105] CLOWN -0",
          "[105] CLOWN -04", "[105] CLOWN 00", "[105] CLOWN -", "[105] CLOWNS 4", "[105] CLOWN 4 ", "e"})
        EXPECT_FALSE(slotOfText(bad).has_value()) << bad;
    for (const char* item : {"[105] CLOWN", "[120] OGRE -3"})
        EXPECT_EQ(itemText(graveItemOfText(item).value()), item);
    for (const char* bad : {"", "[120] OGRE x"})
        EXPECT_EQ(graveItemOfText(bad), std::nullopt) << bad;
    EXPECT_EQ(recordText(*record(105)), "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\n"
                                        "DESCRIPTION\r\nLevel 1 card. NR.");
}
