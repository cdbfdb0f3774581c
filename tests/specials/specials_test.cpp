#include "specials/activation.h"
#include "specials/random_draw.h"
#include "support/fakes.h"

#include <algorithm>

using namespace grim;
using namespace grim::test;

namespace {

const char* const noSlotOpp = "No # selected for SLOT A. This # is opponent's card.";
const char* const slotEmpty = "Selected slot is empty. Action cancelled.";
const char* const nothingToIncrease =
    "There is no card to increase in power in selected slot. Action cancelled.";

// A window in which it is my turn with a special card selected in my hand, behind another card.
struct Special : MyTurn {
    int code;
    Special(SideId side, int special) : MyTurn(side), code(special) {
        fill(mine().lstHand, mine().txtHandCnt, {entry(105), entry(code)});
        mine().lstHand.select(1), mine().cmbSlotB.select(0); // selector B never stands in for selector A
    }
    void pick(int slot) { mine().cmbSlotA.select(slot - 1); }
    void play() { activationSubs::btnSpecial_Click(w, me); }
    // On top of my graveyard, counted right; one card left in my hand; SPECIAL, Q5 off, ATTACK, FIELD on.
    std::string played() {
        const Side& s = mine();
        return (s.cmbGrave.empty() ? "" : itemText(s.cmbGrave.items().back())) +
               (s.txtGraveCnt.value == s.cmbGrave.count() ? " counted" : " miscounted") +
               ", hand " + std::to_string(s.lstHand.count()) + "/" + shownText(s.txtHandCnt) +
               (std::ranges::count(s.lstHand.items(), CardId::ofCode(code).value()) ? " with it " : " ") +
               flags("btnSpecialMe btnQ5Me btnAttackMe btnFieldMe");
    }
};

} // namespace

// Each effect, played by either side: what it changes (the named controls' texts) and the message it shows.
TEST(Specials, EveryEffect) {
    using F = std::function<void(Special&)>;
    const F none = [](Special&) {};
    auto deck = [](const std::string& digits) { // the cards 100 to 109 in the order of these digits
        std::string items;
        for (char d : digits)
            items += entry(100 + d - '0') + "|";
        return items;
    };
    for (SideId me : {SideId::u1, SideId::u2}) {
        SCOPED_TRACE(me);
        auto effect = [me](int code, const F& setUp, const std::string& names, const std::string& seen,
                           const char* shown = nullptr) {
            Special t(me, code);
            setUp(t);
            t.play();
            EXPECT_EQ(t.played() + ": " + t.texts(names), entry(code) + " counted, hand 1/1 0011: " + seen);
            EXPECT_EQ(t.p.log, shown ? Log{std::string("message: ") + shown} : Log{}) << code;
        };
        const std::string lps = "txtLpMe txtLpThem";
        // clang-format off
        effect(201, none, lps, "25 24");
        effect(212, none, lps, "24 24");
        effect(213, none, lps, "26 25");
        effect(208, [](Special& t) { put(t.mine().slot(5), "[105] CLOWN 100"); t.pick(5); }, "txtAttMe_5", "[105] CLOWN 150");
        effect(204, [](Special& t) { put(t.theirs().slot(5), "[120] OGRE 150"); t.pick(5); }, "txtAttThem_5", "[120] OGRE 100");
        effect(206, [](Special& t) { put(t.theirs().slot(2), "[120] OGRE 50"); t.pick(2); }, "txtGraveCntThem cmbGraveThem " + lps, "1 [120] OGRE 50| 25 24");
        for (int souls : {20, 21}) // SOUL TRANSFER feeds on my graveyard, SOUL STEALER on theirs
            for (int code : {219, 226}) {
                const std::string fed = code == 219 ? "Me" : "Them";
                effect(code, [&](Special& t) { Side& s = code == 219 ? t.mine() : t.theirs(); t.fill(s.cmbGrave, s.txtGraveCnt, entries(souls)); put(t.mine().slot(5), "[119] GHOST 100"); put(t.mine().txtSacriCnt, "4"); t.pick(5); }, "txtAttMe_5 txtLpMe txtSacriCntMe txtGraveCnt" + fed + " cmbGrave" + fed, "[119] GHOST " + std::to_string(100 + 10 * souls) + (souls == 20 ? " 22 1 " : " 21 0 ") + (code == 219 ? "1 " + entry(219) + "|" : "0 "));
            }
        effect(220, [](Special& t) { put(t.mine().txtSacriCnt, "3"); }, lps + " txtSacriCntMe", "28 25 0");
        effect(214, [](Special& t) { t.mine().btnSacri.enabled = false; }, "txtSacriCntMe", "1");
        effect(217, [](Special& t) { put(t.theirs().txtSacriCnt, "2"); }, "txtSacriCntThem txtSacriCntMe", "1 0");
        effect(222, [](Special& t) { t.fill(t.mine().cmbGrave, t.mine().txtGraveCnt, entries(3)); }, lps + " txtGraveCntMe", "26 25 1");
        effect(210, [](Special& t) { put(t.theirs().slot(5), "[165] OMEGA 600"); t.pick(5); put(t.mine().txtLp, "6"), put(t.mine().txtSacriCnt, "6"); }, "txtAttThem_5 txtGraveCntThem txtSacriCntMe " + lps, " 1 1 1 25");
        effect(221, [](Special& t) { put(t.theirs().slot(1), "[105] CLOWN 100"); put(t.theirs().slot(4), "[120] OGRE 101"); put(t.theirs().slot(5), "[120] OGRE -3"); put(t.mine().slot(1), "[106] NERD 10"); put(t.mine().txtSacriCnt, "1"); }, lps + " txtGraveCntThem cmbGraveThem txtAttThem_4 txtAttMe_1", "24 23 2 [105] CLOWN 100|[120] OGRE -3| [120] OGRE 101 [106] NERD 10");
        effect(215, [](Special& t) { put(t.theirs().slot(1), fielded(100)), put(t.theirs().slot(5), fielded(100)), put(t.mine().slot(3), fielded(100)); put(t.mine().txtLp, "9"), put(t.mine().txtSacriCnt, "9"); }, lps + " txtGraveCntThem txtGraveCntMe txtAttThem_1 txtAttThem_5 txtAttMe_3", "3 23 2 2   ");
        for (auto [band, slot] : {std::pair{1, 2}, {2, 5}, {3, 3}, {4, 1}, {5, 4}})
            effect(218, [&](Special& t) { put(t.theirs().slot(slot), fielded(120)); put(t.mine().txtSacriCnt, "1"); t.p.script = {(band - 1) * 0.2 + 0.05}; }, "txtGraveCntThem " + lps, "1 23 24");
        effect(218, [](Special& t) { put(t.theirs().slot(2), fielded(120)); put(t.mine().txtSacriCnt, "1"); t.p.script = {0.99}; }, "txtAttThem_2", fielded(120), "Opponent's FIELD cards were spared");
        effect(216, [](Special& t) { put(t.mine().slot(5), "[105] CLOWN 100"); put(t.theirs().slot(1), fielded(100)); put(t.mine().txtSacriCnt, "1"); t.pick(5); }, "txtAttMe_5 txtSacriCntMe", "[105] CLOWN 140 0");
        effect(227, [](Special& t) { put(t.theirs().slot(5), "[120] OGRE 60"); put(t.theirs().slot(4), "[120] OGRE 61"); put(t.mine().txtSacriCnt, "2"); t.pick(5); }, "txtAttThem_5 txtGraveCntThem " + lps, "[120] OGRE 20 0 25 25");
        effect(227, [](Special& t) { put(t.theirs().slot(5), "[120] OGRE 20"); put(t.mine().txtSacriCnt, "1"); t.pick(5); }, "txtAttThem_5 txtGraveCntThem " + lps, " 1 25 24");
        effect(228, [](Special& t) { t.fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(3)); put(t.mine().txtSacriCnt, "1"); }, "txtGraveCntThem txtSacriCntMe", "0 0");
        effect(211, [](Special& t) { t.fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(3)); t.theirs().cmbGrave.select(1); }, "cmbGraveMe txtGraveCntThem", entry(101) + "|" + entry(211) + "| 2");
        effect(202, [](Special& t) { t.fill(t.mine().cmbGrave, t.mine().txtGraveCnt, {"[140] KNIGHT 20", entry(150)}); t.fill(t.mine().lstDeck, t.mine().txtDeckCnt, entries(2)); t.mine().cmbGrave.select(0); }, "lstDeckMe txtDeckCntMe " + lps, entry(140) + "|" + deck("01") + " 3 24 25");
        for (auto [band, position] : {std::pair{1, 2}, {2, 5}, {3, 4}, {4, 3}, {5, 1}})
            effect(209, [&](Special& t) { t.fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(5, 130)); put(t.mine().txtSacriCnt, "1"); t.p.script = {(band - 1) * 0.2 + 0.05}; }, "cmbGraveThem txtHandCntThem txtGraveCntThem txtSacriCntMe", entry(129 + position) + "| 4 1 0");
        effect(209, [](Special& t) { t.fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(1)); put(t.mine().txtSacriCnt, "1"); t.p.script = {0.25}; }, "txtHandCntThem", "1", "Opponent's cards were spared."); // the 5th of 1 card
        const F decks = [](Special& t) { t.p.fallback = SeededRandom(7); for (Side* s : {&t.mine(), &t.theirs()}) t.fill(s->lstDeck, s->txtDeckCnt, entries(10)); };
        effect(223, decks, "lstDeckThem lstDeckMe", deck("9586124703") + " " + deck("0123456789")); // theirs shuffled
        effect(225, decks, "lstDeckMe lstDeckThem", deck("9586124703") + " " + deck("0123456789")); // mine shuffled
        effect(224, [](Special& t) { t.fill(t.theirs().lstHand, t.theirs().txtHandCnt, {entry(150)}); }, "lstHandThem lstHandMe", entry(105) + "| " + entry(150) + "|");
        effect(203, [](Special& t) { t.mine().btnField.enabled = false; put(t.mine().txtSacriCnt, "1"); }, "txtSacriCntMe", "0");
        // clang-format on
    }
}

TEST(Specials, RefusalsChangeNothing) {
    struct Case {
        int code;
        std::function<void(Special&)> setUp;
        const char *message, *player2Message = nullptr;
    };
    // clang-format off
    auto slot5 = [](int theirs, const char* text) { return [=](Special& t) { put((theirs ? t.theirs() : t.mine()).slot(5), text); t.pick(5); }; };
    auto none = [](Special&) {};
    const Case cases[] = {
        {207, none, "No # selected for SLOT A. This # is your card."},
        {207, [](Special& t) { t.pick(5); }, nothingToIncrease},
        {205, [](Special& t) { put(t.theirs().slot(5), fielded(100)); }, "No # selected for SLOT A. This # is opponent's card..", noSlotOpp},
        {226, [](Special& t) { t.pick(5); }, slotEmpty, nothingToIncrease},
        {205, [](Special& t) { put(t.mine().slot(5), fielded(100)); t.pick(5); }, "There is no card to reduce in power in selected slot. Action cancelled."},
        {219, [](Special& t) { t.pick(5); }, slotEmpty},
        {219, slot5(0, "[120] OGRE 150"), "This card isn't a DEAD type."},
        {219, slot5(0, "[116] ZOMBIE 100"), "You must have at least 1 card in GRAVEYARD."},
        {226, slot5(0, "[118] SKELETON 100"), "Opponent must have at least 1 card in GRAVEYARD."},
        {226, [=](Special& t) { slot5(0, "[118] SKELETON 100")(t); t.fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(2)); put(t.mine().txtSacriCnt, "2"); }, cShort},
        {220, none, "You must have at least 1 card sacrificed to use this card."},
        {214, none, "Use this card after reaching your sacrifice limit."},
        {222, none, "You must have at least 1 card in GRAVEYARD. Action cancelled."},
        {210, none, noSlotOpp},
        {210, [](Special& t) { t.pick(5); }, "Selected slot is empty."},
        {210, slot5(1, "[164] HORN BEETLE 300"), "OMEGA is not in opponent's FIELD."},
        {210, [=](Special& t) { slot5(1, "[165] OMEGA 600")(t); put(t.mine().txtSacriCnt, "5"), put(t.mine().txtLp, "5"); }, lpShort},
        {221, none, "Opponent has no cards on the FIELD."},
        {221, [](Special& t) { put(t.theirs().slot(5), "[120] OGRE 101"); }, "Opponent's FIELD cards are greater than 100."},
        {221, [](Special& t) { put(t.theirs().slot(5), fielded(100)); }, cShort},
        {215, [](Special& t) { put(t.mine().slot(3), fielded(100)); put(t.mine().txtSacriCnt, "5"), put(t.mine().txtLp, "5"); }, lpShort},
        {215, none, "There are no cards in the FIELD."},
        {218, none, "Opponent has no cards on the FIELD."},
        {218, [](Special& t) { put(t.theirs().slot(5), fielded(100)); put(t.mine().txtLp, "2"); put(t.mine().txtSacriCnt, "1"); }, lpShort},
        {216, [](Special& t) { put(t.mine().slot(5), fielded(100)); t.pick(5); }, cShort},
        {227, slot5(0, "[120] OGRE 60"), "Selected slot is empty. Action cancelled."},
        {228, none, "Opponent must have at least 1 card in GRAVEYARD. Action cancelled."},
        {211, [](Special& t) { t.fill(t.theirs().cmbGrave, t.theirs().txtGraveCnt, entries(1)); }, "No card has been selected in opponent's GRAVEYARD."},
        {202, [](Special& t) { t.fill(t.mine().cmbGrave, t.mine().txtGraveCnt, entries(1)); t.mine().cmbGrave.select(0); put(t.mine().txtLp, "1"); }, lpShort},
        {209, none, "There are no cards in opponent's HAND. Action cancelled."},
        {224, none, "Opponent must have at least 1 card in HAND to exchange. Action cancelled."},
        {224, [](Special& t) { t.fill(t.theirs().lstHand, t.theirs().txtHandCnt, entries(2)); }, "You don't have the same # of cards in your HAND to exchange with opponent. Action cancelled."},
        {203, none, "Card cannot be used until you put a card in the FIELD."},
        {203, [](Special& t) { t.mine().btnField.enabled = false; }, cShort},
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
