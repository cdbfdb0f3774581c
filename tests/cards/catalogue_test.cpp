#include "rules/costs.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::cardSubs;

// Each card's level decides its power and its cost, so a slip in either shows.
TEST(Catalogue, PowerAndCostFollowTheLevel) {
    const std::array<int, 5> levels[] = {{100, 119, 100, 0, 0}, {120, 134, 150, 0, 1}, {135, 149, 200, 1, 1},
                                         {150, 159, 250, 1, 2}, {160, 164, 300, 2, 2}, {165, 165, 600, 5, 5},
                                         {200, 228, 50, 0, 0}};
    for (const auto& [first, last, power, life, sacrificed] : levels)
        for (int code = first; code <= last; ++code) {
            SCOPED_TRACE(code);
            const CardInfo* card = record(code);
            ASSERT_NE(card, nullptr);
            const auto cost = gameSubs::fieldingCost(code);
            EXPECT_EQ(std::tuple(cardSubs::power(*card), cost.life, cost.sacrificed, cardCode(card->name),
                                 isSpecial(code), isSpecial(first - 1)),
                      std::tuple(power, life, sacrificed, std::optional(code), first == 200, false));
        }
    EXPECT_EQ(regCards()[16].type + regCards()[5].name + spcCards()[27].name,
              "DEAD[105] CLOWN[227] DEVESTATION");
    for (int code : {99, 166, 199, 229, -1})
        EXPECT_EQ(record(code), nullptr) << code;
}

TEST(Catalogue, CodesEntriesAndSlotTexts) {
    EXPECT_EQ(std::vector({cardCode("[105] CLOWN"), cardCode("[1a5] CLOWN"), cardCode("[10")}),
              (std::vector<std::optional<int>>{105, {}, {}}));
    for (const char* bad : {"[105] CLOWNS", "[105] clown", "[105]CLOWN", "[166] CLOWN", ""})
        EXPECT_FALSE(isCatalogueEntry(bad)) << bad;
    for (const char* good : {"", "[105] CLOWN 4", "[105] CLOWN 0", "[105] CLOWN -40", "[165] OMEGA -32768",
                             "[200] LIFELESS 32767"})
        EXPECT_TRUE(isSlotText(good)) << good;
    for (const char* bad :
         {"[105] CLOWN", "[105] CLOWN 04", "[105] CLOWN 32768", "[105] CLOWN +4", "[105] CLOWN -0",
          "[105] CLOWN -04", "[105] CLOWN 00", "[105] CLOWN -", "[105] CLOWNS 4", "[105] CLOWN 4 ", "e"})
        EXPECT_FALSE(isSlotText(bad)) << bad;
    EXPECT_EQ(
        recordText(*record(105)),
        "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\nLevel 1 card. NR.");
}
