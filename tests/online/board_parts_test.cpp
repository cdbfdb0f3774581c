// The eight parts of the board hand-over: how they are written, and which ones are accepted.
#include "online/board_parts.h"
#include "online/hand_over.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::onlineSubs;
using namespace grim::test;

namespace {

std::string repeat(const std::string& s, int n) { return n > 0 ? s + repeat(s, n - 1) : ""; }

TEST(BoardParts, EachPartIsWrittenFromItsControls) {
    TestWindow t;
    Window& w = t.w;
    put(w.u1.lstDeck, {"[105] CLOWN", "[120] OGRE"}), put(w.u2.lstDeck, {"[100] GNOME"});
    put(w.u1.lstHand, {"[200] LIFELESS"}), put(w.u2.cmbGrave, {"[101] ELF", "[120] OGRE 75"});
    put(w.u1.slot(1), "[120] OGRE 150"), put(w.u2.slot(5), "[165] OMEGA -3");
    int i = 0;
    for (Counter* box :
         {&w.u1.txtDeckCnt, &w.u2.txtDeckCnt, &w.u1.txtHandCnt, &w.u2.txtHandCnt, &w.u1.txtSacriCnt,
          &w.u2.txtSacriCnt, &w.u1.txtLp, &w.u2.txtLp, &w.u1.txtGraveCnt, &w.u2.txtGraveCnt})
        box->value = static_cast<std::int16_t>(i++ * 7 - 20);
    EXPECT_EQ(board(w),
              "[105] CLOWN@[120] OGRE@\n[100] GNOME@\n[200] LIFELESS@\ne@\n[120] OGRE 150@e@e@e@e@e@e@e@e@"
              "[165] OMEGA -3@\ne@\n[101] ELF@[120] OGRE 75@\n-20@-13@-6@1@8@15@22@29@36@43@\n");
}

TEST(BoardParts, InvalidPartsAreRefused) {
    const std::string ten = "1@2@3@4@5@6@7@8@9@10@";
    // the parts, whether these texts are valid as each of them, and the texts
    // clang-format off
    const std::vector<std::tuple<std::string, bool, std::vector<std::string>>> cases = {
        {"123467", false, {"[100] GNOME@[228] PRIEST@", repeat("[100] GNOME@", 101), "e", "[100] GNOME", "[100] GNOME@@", "e@e@", "[100] gnome@", "[100] GNOME @", "[100] GNOME\r\n<[x] forged>@"}},
        {"12345678", false, {""}},
        {"1234", false, {"[100] GNOME 100@"}}, // a power only in graveyards
        {"67", true, {"[100] GNOME 100@[101] ELF -32768@", "[100] GNOME 32767@"}},
        {"67", false, {"[100] GNOME 32768@", "[100] GNOME 0100@", "[100] GNOME  100@"}},
        {"5", true, {"[120] OGRE 150@e@e@e@e@e@e@e@e@[100] GNOME -1@"}},
        {"5", false, {repeat("e@", 9), repeat("e@", 11), "[120] OGRE@" + repeat("e@", 9), "@" + repeat("e@", 9), repeat("e@", 9) + "e"}},
        {"8", true, {"-32768@32767@0@0@0@0@0@0@0@0@"}},
        {"8", false, {"32768@0@0@0@0@0@0@0@0@0@", "1@2@3@4@5@6@7@8@9@", ten + "11@", "+" + ten, "1@2@3@4@5@6@7@8@9@ 10@", "1@2@3@4@5@6@7@8@9@x@", "1@2@3@4@5@6@7@8@9@@"}},
        {"09", false, {"e@"}}};
    // clang-format on
    for (const auto& [parts, valid, texts] : cases)
        for (const char n : parts)
            for (const std::string& text : texts)
                EXPECT_EQ(isValidPart(n - '0', text), valid) << "part " << n << ": " << text.substr(0, 60);

    TestWindow t; // an invalid part is neither applied nor counted; the parts before it stay
    t.w.incoming = Window::Incoming::arriving, receivePart(t.w, "[100] GNOME@"),
    receivePart(t.w, "[100] GNOME 5@");
    EXPECT_EQ(std::to_string(t.w.partsReceived) + " part, " + t.w.txtUpdates.text + ", " +
                  itemText(t.w.u1.lstDeck.item(0)) + ", " + std::to_string(t.w.u2.lstDeck.count()) + " of part 2",
              "1 part, 1 of 8, [100] GNOME, 0 of part 2");
    EXPECT_EQ(t.p.log.back(), "message: " + connectionError);
}

} // namespace
