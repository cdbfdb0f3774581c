#include "cards/catalogue.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::cardSubs;

TEST(Catalogue, CodesAndRecordsMatchEveryEntryInCodeOrder) {
    for (int code = 100; code <= 228; code = code == 165 ? 200 : code + 1) {
        const CardInfo* card = record(code);
        ASSERT_NE(card, nullptr) << code;
        EXPECT_EQ(cardCode(card->name), code);
        if (code < 200)
            EXPECT_EQ(card, &regCards()[static_cast<std::size_t>(code - 100)]);
        else
            EXPECT_EQ(card->power, "50");
    }
    for (int code : {0, 99, 166, 199, 229, 999})
        EXPECT_EQ(record(code), nullptr) << code;
    for (const char* text : {"", "[", "[12", "[abc] Y", "[-10] Z", "[ 12] W", "[229] NONE"})
        EXPECT_EQ(recordOf(text), nullptr) << text;
    EXPECT_EQ(cardCode("[999] X"), 999);
}

TEST(Catalogue, QuirksOfTheTable) {
    const CardInfo& beetle = *recordOf("[164] HORN BEETLE 300");
    EXPECT_EQ(beetle.name, "[164] HORN BEETLE");
    EXPECT_EQ(beetle.description, "Level 5 card. 2L & 2C."); // no "Requires" on level 5
    EXPECT_EQ(record(165)->type, "GOD");
    EXPECT_EQ(record(126)->type, "[R] BIRD");
    EXPECT_EQ(record(129)->type, "INSECT");
    EXPECT_EQ(record(204)->name.substr(6), record(206)->name.substr(6));
    EXPECT_NE(record(204)->description.find("one of"), std::string::npos);
    EXPECT_NE(record(206)->description.find("1 of"), std::string::npos);
    // The power of a regular card follows its level.
    for (auto [code, p] : {std::pair{119, 100}, {120, 150}, {149, 200}, {150, 250}, {160, 300}, {165, 600}})
        EXPECT_EQ(power(*record(code)), p) << code;
    EXPECT_EQ(
        recordText(*record(105)),
        "NAME = [105] CLOWN\r\n\r\nTYPE = HUMAN\r\n\r\nPOWER = 100\r\n\r\nDESCRIPTION\r\nLevel 1 card. NR.");
}
