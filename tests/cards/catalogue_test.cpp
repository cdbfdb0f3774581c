#include "cards/catalogue.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::cardSubs;

TEST(Catalogue, CodesAndRecordsMatchEveryEntryInCodeOrder) {
    for (int code = 100; code <= 165; ++code) {
        const CardInfo* card = record(code);
        ASSERT_NE(card, nullptr) << code;
        EXPECT_EQ(cardCode(card->name), code);
        EXPECT_EQ(card, &regCards()[static_cast<std::size_t>(code - 100)]);
    }
    for (int code = 200; code <= 228; ++code) {
        const CardInfo* card = record(code);
        ASSERT_NE(card, nullptr) << code;
        EXPECT_EQ(cardCode(card->name), code);
        EXPECT_EQ(card->power, "50");
    }
}

TEST(Catalogue, QuirksOfTheTable) {
    const CardInfo& beetle = *recordOf("[164] HORN BEETLE 300");
    EXPECT_EQ(beetle.name, "[164] HORN BEETLE");
    EXPECT_EQ(beetle.description, "Level 5 card. 2L & 2C.");  // no "Requires" on level 5

    const CardInfo& omega = *record(165);
    EXPECT_EQ(omega.type, "GOD");
    EXPECT_EQ(omega.power, "600");
    EXPECT_EQ(power(omega), 600);

    EXPECT_EQ(record(126)->type, "[R] BIRD");
    EXPECT_EQ(record(130)->type, "[R] INSECT");
    EXPECT_EQ(record(129)->type, "INSECT");

    EXPECT_EQ(record(200)->name, "[200] LIFELESS");
    EXPECT_EQ(record(204)->name.substr(6), record(206)->name.substr(6));
    EXPECT_NE(record(204)->description.find("one of"), std::string::npos);
    EXPECT_NE(record(206)->description.find("1 of"), std::string::npos);
    EXPECT_EQ(record(204)->description, record(205)->description);

    // Power of every regular card follows its level.
    EXPECT_EQ(power(*record(119)), 100);
    EXPECT_EQ(power(*record(120)), 150);
    EXPECT_EQ(power(*record(149)), 200);
    EXPECT_EQ(power(*record(150)), 250);
    EXPECT_EQ(power(*record(160)), 300);
}

TEST(Catalogue, TextsOutsideTheCatalogueHaveNoRecord) {
    for (int code : {0, 99, 166, 199, 229, 299, 300, 999}) EXPECT_EQ(record(code), nullptr) << code;
    for (const char* text : {"", "[", "[12", "[12] X", "[abc] Y", "[-10] Z", "[ 12] W", "[999] X", "[229] NONE"})
        EXPECT_EQ(recordOf(text), nullptr) << text;
    EXPECT_EQ(cardCode("[999] X"), 999);
    EXPECT_EQ(cardCode("[116] ZOMBIE 40"), 116);
}

TEST(Catalogue, RecordTextLayout) {
    EXPECT_EQ(recordText(*record(105)),
              "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\nLevel 1 card. NR.");
}
