// The eight parts of the board hand-over: how they are written, which ones are accepted, and
// splitFields.
#include "online/board_parts.h"
#include "online/board_sync.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

TEST(BoardParts, SplitFields) {
    struct Case {
        std::string text;
        std::vector<std::string> fields;
    };
    for (const Case& c : std::vector<Case>{{"a@b@", {"", "a", "b"}},
                                           {"e@", {"", "e"}},
                                           {"@@", {"", "", ""}},
                                           {"a@b", {"", "a"}},
                                           {"ab", {""}},
                                           {"", {""}}}) {
        const char d = '@';
        EXPECT_EQ(splitFields(c.text, d), c.fields) << c.text;
    }
    std::string many;
    for (int i = 0; i < 120; ++i)
        many += std::to_string(i) + "@";
    const auto fields = splitFields(many, '@');
    ASSERT_EQ(fields.size(), 121u);
    EXPECT_EQ(fields[120], "119");
}

TEST(BoardParts, EachPartIsWrittenFromItsControlsAndReadBackIntoThem) {
    TestWindow a;
    Window& w = a.w;
    w.u1.lstDeck.setItems({"[105] CLOWN", "[120] OGRE"});
    w.u2.lstDeck.setItems({"[100] GNOME"});
    w.u1.lstHand.setItems({"[200] LIFELESS"});
    w.u2.cmbGrave.setItems({"[101] ELF", "[120] OGRE 75"});
    w.u1.slot(1).text = "[120] OGRE 150";
    w.u2.slot(5).text = "[165] OMEGA -3";
    const std::vector<std::string> counters = {"35", "35", "5", "-5", "0", "1", "25", "24", "0", "2"};
    TextBox* boxes[] = {&w.u1.txtDeckCnt,  &w.u2.txtDeckCnt,  &w.u1.txtHandCnt, &w.u2.txtHandCnt,
                        &w.u1.txtSacriCnt, &w.u2.txtSacriCnt, &w.u1.txtLp,      &w.u2.txtLp,
                        &w.u1.txtGraveCnt, &w.u2.txtGraveCnt};
    for (std::size_t i = 0; i < 10; ++i)
        boxes[i]->text = counters[i];
    const std::vector<std::string> parts = {"[105] CLOWN@[120] OGRE@",
                                            "[100] GNOME@",
                                            "[200] LIFELESS@",
                                            "e@",
                                            "[120] OGRE 150@e@e@e@e@e@e@e@e@[165] OMEGA -3@",
                                            "e@",
                                            "[101] ELF@[120] OGRE 75@",
                                            "35@35@5@-5@0@1@25@24@0@2@"};
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(encodePart(w, n), parts[static_cast<std::size_t>(n - 1)]) << n;
        EXPECT_TRUE(isValidPart(n, parts[static_cast<std::size_t>(n - 1)])) << n;
    }
    // A fresh window receiving them, one message at a time, ends with the same board and
    // counts the parts as they come.
    TestWindow b;
    b.w.u2.lstHand.setItems({"[100] GNOME"});
    b.w.u1.cmbGrave.setItems({"[100] GNOME"});
    b.w.u2.slot(2).text = "[100] GNOME 100";
    for (int n = 1; n <= 8; ++n) {
        receivePart(b.w, parts[static_cast<std::size_t>(n - 1)]);
        EXPECT_EQ(b.w.partsReceived, n);
        EXPECT_EQ(b.w.txtUpdates.text, std::to_string(n) + " of 8");
    }
    for (int n = 1; n <= 8; ++n)
        EXPECT_EQ(encodePart(b.w, n), parts[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_TRUE(b.w.u2.lstHand.empty() && b.w.u1.cmbGrave.empty() && b.w.u2.slot(2).text.empty());
    EXPECT_EQ(b.w.u1.slot(1).text, "[120] OGRE 150");
    EXPECT_EQ(b.w.u2.txtHandCnt.text, "-5");
}

TEST(BoardParts, InvalidPartsAreRefused) {
    const std::string tenSlots = "e@e@e@e@e@e@e@e@e@e@";
    const std::string tenCounters = "1@2@3@4@5@6@7@8@9@10@";
    std::string hundred, hundredOne;
    for (int i = 0; i < 100; ++i)
        hundred += "[100] GNOME@";
    hundredOne = hundred + "[100] GNOME@";
    struct Case {
        std::vector<int> parts;
        std::string text;
        bool valid;
    };
    const std::vector<Case> cases = {
        {{1, 2, 3, 4, 6, 7}, "e@", true},
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME@[228] PRIEST@", false}, // 228 is not PRIEST
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME@[200] LIFELESS@", true},
        {{1, 2, 3, 4, 6, 7}, hundred, true},
        {{1, 2, 3, 4, 6, 7}, hundredOne, false},
        {{1, 2, 3, 4, 5, 6, 7, 8}, "", false},
        {{1, 2, 3, 4, 6, 7}, "e", false},
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME", false},   // no closing "@"
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME@@", false}, // an empty item
        {{1, 2, 3, 4, 6, 7}, "e@e@", false},
        {{1, 2, 3, 4, 6, 7}, "[100] gnome@", false},
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME @", false},
        {{1, 2, 3, 4, 6, 7}, "[100] GNOME\r\n<[x] forged>@", false},
        {{1, 2, 3, 4}, "[100] GNOME 100@", false}, // a power only in graveyards
        {{6, 7}, "[100] GNOME 100@[101] ELF -32768@", true},
        {{6, 7}, "[100] GNOME 32768@", false},
        {{6, 7}, "[100] GNOME 0100@", false},
        {{6, 7}, "[100] GNOME  100@", false},
        {{5}, tenSlots, true},
        {{5}, "[120] OGRE 150@e@e@e@e@e@e@e@e@[100] GNOME -1@", true},
        {{5}, "e@e@e@e@e@e@e@e@e@", false},            // nine
        {{5}, tenSlots + "e@", false},                 // eleven
        {{5}, "[120] OGRE@e@e@e@e@e@e@e@e@e@", false}, // no power
        {{5}, "@e@e@e@e@e@e@e@e@e@", false},           // an empty slot is sent as "e"
        {{5}, "e@e@e@e@e@e@e@e@e@e", false},
        {{8}, tenCounters, true},
        {{8}, "-32768@32767@0@0@0@0@0@0@0@0@", true},
        {{8}, "32768@0@0@0@0@0@0@0@0@0@", false},
        {{8}, "1@2@3@4@5@6@7@8@9@", false},
        {{8}, tenCounters + "11@", false},
        {{8}, "+1@2@3@4@5@6@7@8@9@10@", false},
        {{8}, "1@2@3@4@5@6@7@8@9@ 10@", false},
        {{8}, "1@2@3@4@5@6@7@8@9@x@", false},
        {{8}, "1@2@3@4@5@6@7@8@9@@", false},
        {{0, 9}, "e@", false},
    };
    for (const Case& c : cases)
        for (int n : c.parts)
            EXPECT_EQ(isValidPart(n, c.text), c.valid) << "part " << n << ": " << c.text.substr(0, 60);

    // An invalid part is neither applied nor counted; the parts before it stay.
    TestWindow t;
    receivePart(t.w, "[100] GNOME@");
    receivePart(t.w, "[100] GNOME 5@");
    EXPECT_EQ(t.w.partsReceived, 1);
    EXPECT_EQ(t.w.txtUpdates.text, "1 of 8");
    EXPECT_EQ(t.w.u1.lstDeck.items(), std::vector<std::string>{"[100] GNOME"});
    EXPECT_TRUE(t.w.u2.lstDeck.empty());
    EXPECT_EQ(t.p.log.back(), std::string("message: The online connection has encountered an error. I don't "
                                                    "know why. Start a new game and please wait 3 "
                                                    "minutes before rejoining/reconnecting"));
}

} // namespace
