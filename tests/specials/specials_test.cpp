#include "specials/activation.h"
#include "specials/random_draw.h"
#include "support/fakes.h"

#include <numeric>

using namespace grim;
using namespace grim::test;

namespace {

const char* const noSlotOpp = "No # selected for SLOT A. This # is opponent's card.";
const char* const slotEmpty = "Selected slot is empty. Action cancelled.";
const char* const nothingToIncrease =
    "There is no card to increase in power in selected slot. Action cancelled.";

std::string all(const ListBox& l) {
    return std::accumulate(l.items().begin(), l.items().end(), std::string(),
                           [](auto s, auto& i) { return s + i + "|"; });
}

// A window in which it is my turn with a special card selected in my hand, behind another card.
struct Special : MyTurn {
    int code;
    Special(SideId side, int special) : MyTurn(side), code(special) {
        TestWindow::fill(mine().lstHand, mine().txtHandCnt, {entry(105), entry(code)});
        mine().lstHand.select(1);
        mine().cmbSlotB.select(0); // selector B never stands in for selector A
    }
    void pick(int slot) { mine().cmbSlotA.select(slot - 1); }
    void play() { activationSubs::btnSpecial_Click(w, me); }
    // The card was played: it lies on top of my graveyard and the preparation is over.
    testing::AssertionResult played() {
        const Side& s = mine();
        const bool ok = !s.cmbGrave.empty() && s.cmbGrave.items().back() == entry(code) &&
                        s.lstHand.count() == 1 && s.lstHand.item(0) != entry(code) &&
                        s.txtHandCnt.text == "1";
        return testing::AssertionResult(ok && s.txtGraveCnt.text == std::to_string(s.cmbGrave.count()) &&
                                        !s.btnSpecial.enabled && !s.btnQ5.enabled && s.btnAttack.enabled)
               << "graveyard, hand, counts or buttons wrong";
    }
    std::string lps() { return mine().txtLp.text + " " + theirs().txtLp.text; }
};

} // namespace

// Each effect, played by either side: what it changes, and that the card was played.
TEST(Specials, EveryEffect) {
    using F = std::function<void(Special&)>;
    for (SideId me : {SideId::u1, SideId::u2}) {
        SCOPED_TRACE(me);
        auto effect = [me](int code, const F& setUp, const F& check) {
            Special t(me, code);
            setUp(t);
            t.play();
            EXPECT_TRUE(t.played()) << code;
            check(t);
        };
        const F none = [](Special&) {};
        auto lps = [](const char* both) { return [=](Special& t) { EXPECT_EQ(t.lps(), both); }; };
        // clang-format off
        effect(201, none, lps("25 24"));
        effect(212, none, lps("24 24"));
        effect(213, none, lps("26 25"));
        effect(208, [](Special& t) { t.mine().slot(5).text = "[105] CLOWN 100"; t.pick(5); }, [](Special& t) { EXPECT_EQ(t.mine().slot(5).text, "[105] CLOWN 150"); });
        effect(204, [](Special& t) { t.theirs().slot(5).text = "[120] OGRE 150"; t.pick(5); }, [](Special& t) { EXPECT_EQ(t.theirs().slot(5).text, "[120] OGRE 100"); });
        effect(206, [](Special& t) { t.theirs().slot(2).text = "[120] OGRE 50"; t.pick(2); },
               [](Special& t) { EXPECT_EQ(t.theirs().txtGraveCnt.text + all(t.theirs().cmbGrave) + t.lps(), "1[120] OGRE 50|25 24"); });
        for (int souls : {20, 21}) // SOUL TRANSFER feeds on my graveyard, SOUL STEALER on theirs
            for (int code : {219, 226}) {
                auto fed = [code](Special& t) -> Side& { return code == 219 ? t.mine() : t.theirs(); };
                effect(code, [&](Special& t) { TestWindow::fill(fed(t).cmbGrave, fed(t).txtGraveCnt, entries(souls)); t.mine().slot(5).text = "[119] GHOST 100"; t.mine().txtSacriCnt.text = "4"; t.pick(5); },
                       [&](Special& t) { EXPECT_EQ(t.mine().slot(5).text + " " + t.mine().txtLp.text + t.mine().txtSacriCnt.text + fed(t).txtGraveCnt.text + std::to_string(fed(t).cmbGrave.count()),
                                                   "[119] GHOST " + std::to_string(100 + 10 * souls) + " " + (souls == 20 ? "221" : "210") + (code == 219 ? "11" : "00")); });
            }
        effect(220, [](Special& t) { t.mine().txtSacriCnt.text = "3"; }, [](Special& t) { EXPECT_EQ(t.lps() + t.mine().txtSacriCnt.text, "28 250"); });
        effect(214, [](Special& t) { t.mine().btnSacri.enabled = false; }, [](Special& t) { EXPECT_EQ(t.mine().txtSacriCnt.text, "1"); });
        effect(217, [](Special& t) { t.theirs().txtSacriCnt.text = "2"; }, [](Special& t) { EXPECT_EQ(t.theirs().txtSacriCnt.text + t.mine().txtSacriCnt.text, "10"); });
        effect(222, [](Special& t) { TestWindow::fill(t.mine().cmbGrave, t.mine().txtGraveCnt, entries(3)); }, [](Special& t) { EXPECT_EQ(t.lps() + t.mine().txtGraveCnt.text, "26 251"); });
        effect(210, [](Special& t) { t.theirs().slot(5).text = "[165] OMEGA 600"; t.pick(5); t.mine().txtLp.text = t.mine().txtSacriCnt.text = "6"; },
               [](Special& t) { EXPECT_EQ(t.theirs().slot(5).text + t.theirs().txtGraveCnt.text + t.lps() + t.mine().txtSacriCnt.text, "11 251"); });
        effect(221, [](Special& t) { t.theirs().slot(1).text = "[105] CLOWN 100"; t.theirs().slot(4).text = "[120] OGRE 101"; t.theirs().slot(5).text = "[120] OGRE -3"; t.mine().slot(1).text = "[106] NERD 10"; t.mine().txtSacriCnt.text = "1"; },
               [](Special& t) { EXPECT_EQ(t.lps() + t.theirs().txtGraveCnt.text + all(t.theirs().cmbGrave) + t.theirs().slot(4).text + t.mine().slot(1).text, "24 232[105] CLOWN 100|[120] OGRE -3|[120] OGRE 101[106] NERD 10"); });
        effect(215, [](Special& t) { t.theirs().slot(1).text = t.theirs().slot(5).text = t.mine().slot(3).text = fielded(100); t.mine().txtLp.text = t.mine().txtSacriCnt.text = "9"; },
               [](Special& t) { EXPECT_EQ(t.lps() + t.theirs().txtGraveCnt.text + t.mine().txtGraveCnt.text + std::to_string(gameSubs::occupiedSlots(t.w.u1) + gameSubs::occupiedSlots(t.w.u2)), "3 23220"); });
        for (auto [band, slot] : {std::pair{1, 2}, {2, 5}, {3, 3}, {4, 1}, {5, 4}})
            effect(218, [&](Special& t) { t.theirs().slot(slot).text = fielded(120); t.mine().txtSacriCnt.text = "1"; t.p.script = {(band - 1) * 0.2 + 0.05}; },
                   [&](Special& t) { EXPECT_EQ(t.theirs().txtGraveCnt.text + t.lps(), "123 24") << band; });
        effect(218, [](Special& t) { t.theirs().slot(2).text = fielded(120); t.mine().txtSacriCnt.text = "1"; t.p.script = {0.99}; },
               [](Special& t) { EXPECT_EQ(t.p.log, Log{"message: Opponent's FIELD cards were spared"}); });
        effect(216, [](Special& t) { t.mine().slot(5).text = "[105] CLOWN 100"; t.theirs().slot(1).text = fielded(100); t.mine().txtSacriCnt.text = "1"; t.pick(5); },
               [](Special& t) { EXPECT_EQ(t.mine().slot(5).text + t.mine().txtSacriCnt.text, "[105] CLOWN 1400"); });
        effect(227, [](Special& t) { t.theirs().slot(5).text = "[120] OGRE 60"; t.theirs().slot(4).text = "[120] OGRE 61"; t.mine().txtSacriCnt.text = "2"; t.pick(5); },
               [](Special& t) { EXPECT_EQ(t.theirs().slot(5).text + t.theirs().txtGraveCnt.text + t.lps(), "[120] OGRE 20025 25"); });
        effect(227, [](Special& t) { t.theirs().slot(5).text = "[120] OGRE 20"; t.mine().txtSacriCnt.text = "1"; t.pick(5); },
               [](Special& t) { EXPECT_EQ(t.theirs().slot(5).text + t.theirs().txtGraveCnt.text + t.lps(), "125 24"); });
        effect(228, [](Special& t) { TestWindow::fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(3)); t.mine().txtSacriCnt.text = "1"; },
               [](Special& t) { EXPECT_EQ(t.theirs().txtGraveCnt.text + t.mine().txtSacriCnt.text, "00"); });
        effect(211, [](Special& t) { TestWindow::fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(3)); t.theirs().cmbGrave.select(1); },
               [](Special& t) { EXPECT_EQ(all(t.mine().cmbGrave) + t.theirs().txtGraveCnt.text, entry(101) + "|" + entry(211) + "|2"); });
        effect(202, [](Special& t) { TestWindow::fill(t.mine().cmbGrave, t.mine().txtGraveCnt, {"[140] KNIGHT 20", entry(150)}); TestWindow::fill(t.mine().lstDeck, t.mine().txtDeckCnt, entries(2)); t.mine().cmbGrave.select(0); },
               [](Special& t) { EXPECT_EQ(t.mine().lstDeck.items(), (std::vector<std::string>{entry(140), entry(100), entry(101)})); EXPECT_EQ(t.mine().txtDeckCnt.text + t.lps(), "324 25"); });
        for (auto [band, position] : {std::pair{1, 2}, {2, 5}, {3, 4}, {4, 3}, {5, 1}})
            effect(209, [&](Special& t) { TestWindow::fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(5, 130)); t.mine().txtSacriCnt.text = "1"; t.p.script = {(band - 1) * 0.2 + 0.05}; },
                   [&](Special& t) { EXPECT_EQ(all(t.theirs().cmbGrave) + t.theirs().txtHandCnt.text + t.theirs().txtGraveCnt.text + t.mine().txtSacriCnt.text, entry(129 + position) + "|410"); });
        effect(209, [](Special& t) { TestWindow::fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(1)); t.mine().txtSacriCnt.text = "1"; t.p.script = {0.25}; }, // the 5th of 1 card
               [](Special& t) { EXPECT_EQ(t.p.log, Log{"message: Opponent's cards were spared."}); });
        for (int code : {223, 225})
            effect(code, [](Special& t) { t.p.fallback = SeededRandom(7); for (Side* s : {&t.mine(), &t.theirs()}) TestWindow::fill(s->lstDeck, s->txtDeckCnt, entries(10)); },
                   [code](Special& t) { EXPECT_EQ((code == 223 ? t.theirs() : t.mine()).lstDeck.item(0), entry(109)); EXPECT_EQ((code == 223 ? t.mine() : t.theirs()).lstDeck.items(), entries(10)); });
        effect(224, [](Special& t) { TestWindow::fill(t.theirs().lstHand, t.theirs().txtHandCnt, {entry(150)}); },
               [](Special& t) { EXPECT_EQ(t.theirs().lstHand.item(0) + t.mine().lstHand.item(0), entry(105) + entry(150)); });
        effect(203, [](Special& t) { t.mine().btnField.enabled = false; t.mine().txtSacriCnt.text = "1"; },
               [](Special& t) { EXPECT_TRUE(t.mine().btnField.enabled && t.mine().txtSacriCnt.text == "0"); });
        // clang-format on
    }
}

// Every refusal of a special card shows exactly its message and changes nothing.
TEST(Specials, RefusalsChangeNothing) {
    struct Case {
        int code;
        std::function<void(Special&)> setUp;
        const char *message, *player2Message = nullptr; // worded by side
    };
    // clang-format off
    auto slot5 = [](int theirs, const char* text) { return [=](Special& t) { (theirs ? t.theirs() : t.mine()).slot(5).text = text; t.pick(5); }; };
    auto none = [](Special&) {};
    const Case cases[] = {
        {207, none, "No # selected for SLOT A. This # is your card."},
        {207, [](Special& t) { t.pick(5); }, nothingToIncrease},
        {205, [](Special& t) { t.theirs().slot(5).text = fielded(100); }, "No # selected for SLOT A. This # is opponent's card..", noSlotOpp},
        {226, [](Special& t) { t.pick(5); }, slotEmpty, nothingToIncrease},
        {205, [](Special& t) { t.mine().slot(5).text = fielded(100); t.pick(5); }, "There is no card to reduce in power in selected slot. Action cancelled."},
        {219, [](Special& t) { t.pick(5); }, slotEmpty},
        {219, slot5(0, "[120] OGRE 150"), "This card isn't a DEAD type."},
        {219, slot5(0, "[116] ZOMBIE 100"), "You must have at least 1 card in GRAVEYARD."},
        {226, slot5(0, "[118] SKELETON 100"), "Opponent must have at least 1 card in GRAVEYARD."},
        {226, [=](Special& t) { slot5(0, "[118] SKELETON 100")(t); TestWindow::fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(2)); t.mine().txtSacriCnt.text = "2"; }, cShort},
        {220, none, "You must have at least 1 card sacrificed to use this card."},
        {214, none, "Use this card after reaching your sacrifice limit."},
        {222, none, "You must have at least 1 card in GRAVEYARD. Action cancelled."},
        {210, none, noSlotOpp},
        {210, [](Special& t) { t.pick(5); }, "Selected slot is empty."},
        {210, slot5(1, "[164] HORN BEETLE 300"), "OMEGA is not in opponent's FIELD."},
        {210, [=](Special& t) { slot5(1, "[165] OMEGA 600")(t); t.mine().txtSacriCnt.text = t.mine().txtLp.text = "5"; }, lpShort},
        {221, none, "Opponent has no cards on the FIELD."},
        {221, [](Special& t) { t.theirs().slot(5).text = "[120] OGRE 101"; }, "Opponent's FIELD cards are greater than 100."},
        {221, [](Special& t) { t.theirs().slot(5).text = fielded(100); }, cShort},
        {215, [](Special& t) { t.mine().slot(3).text = fielded(100); t.mine().txtSacriCnt.text = t.mine().txtLp.text = "5"; }, lpShort},
        {215, none, "There are no cards in the FIELD."},
        {218, none, "Opponent has no cards on the FIELD."},
        {218, [](Special& t) { t.theirs().slot(5).text = fielded(100); t.mine().txtLp.text = "2"; t.mine().txtSacriCnt.text = "1"; }, lpShort},
        {216, [](Special& t) { t.mine().slot(5).text = fielded(100); t.pick(5); }, cShort},
        {227, slot5(0, "[120] OGRE 60"), "Selected slot is empty. Action cancelled."},
        {228, none, "Opponent must have at least 1 card in GRAVEYARD. Action cancelled."},
        {211, [](Special& t) { TestWindow::fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(1)); }, "No card has been selected in opponent's GRAVEYARD."},
        {202, [](Special& t) { TestWindow::fill(t.mine().cmbGrave, t.mine().txtGraveCnt, {"[999] NONE"}); t.mine().cmbGrave.select(0); }, "No card has been selected in GRAVEYARD. Action cancelled."},
        {202, [](Special& t) { TestWindow::fill(t.mine().cmbGrave, t.mine().txtGraveCnt, entries(1)); t.mine().cmbGrave.select(0); t.mine().txtLp.text = "1"; }, lpShort},
        {209, none, "There are no cards in opponent's HAND. Action cancelled."},
        {224, none, "Opponent must have at least 1 card in HAND to exchange. Action cancelled."},
        {224, [](Special& t) { TestWindow::fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(2)); }, "You don't have the same # of cards in your HAND to exchange with opponent. Action cancelled."},
        {203, none, "Card cannot be used until you put a card in the FIELD."},
        {203, [](Special& t) { t.mine().btnField.enabled = false; }, cShort},
        {105, [](Special& t) { t.mine().lstHand.setItems({entry(105), "[229] NOTHING"}); t.mine().lstHand.select(1); }, ""},
        {105, none, "Selected card is not a SPECIAL card."},
        {105, [](Special& t) { t.mine().lstHand.clearSelection(); }, "No HAND card selected to activate special ability."},
        {105, [](Special& t) { t.mine().btnSpecial.enabled = false; }, ""},
    };
    // clang-format on
    for (SideId me : {SideId::u1, SideId::u2})
        for (const Case& c : cases) {
            Special t(me, c.code);
            c.setUp(t);
            const char* message = me == SideId::u2 && c.player2Message ? c.player2Message : c.message;
            EXPECT_TRUE(t.refused([&] { t.play(); }, message)) << c.code << " " << me << " " << message;
        }
    TestWindow r;
    r.p.script = {0.0, 0.1999, 0.2, 0.98, 1.5, -1.0};
    for (int n : {1, 10, 11, 50, 50, 1})
        EXPECT_EQ(activationSubs::drawOneToFifty(r.w), n);
}
