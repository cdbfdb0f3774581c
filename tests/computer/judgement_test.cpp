// What every level of the computer does and never does, and the levels of the menu.
#include "support/fakes.h"

#include "computer/judgement.h"
#include "modes/computer_mode.h"
#include "modes/play_mode.h"

#include <algorithm>

namespace grim::test {
namespace {

using namespace computer;

TEST(Judgement, theFightTakenIsTheStrongestCardBeatenByTheWeakestCardThatBeatsIt) {
    struct Case {
        std::vector<std::pair<int, int>> own, theirs; // slot, code
        bool attack, direct;                          // ATTACK and DIRECT enabled
        std::optional<Move> taken;
    };
    const Case cases[] = {
        {{{1, 163}, {2, 150}, {4, 101}}, {{2, 120}, {3, 140}}, true, true, Move{MoveKind::attack, -1, 2, 3}},
        {{{1, 101}}, {{2, 120}}, true, true, std::nullopt},   // nothing it beats
        {{{1, 120}}, {{5, 120}}, true, true, std::nullopt},   // a tie wins nothing
        {{{3, 101}}, {}, true, true, Move{MoveKind::direct}}, // an empty field is struck directly
        {{{3, 101}}, {}, true, false, std::nullopt},          // unless DIRECT is off
        {{}, {}, true, true, std::nullopt},                   // with no card of its own
        {{{1, 163}}, {{1, 101}}, false, true, std::nullopt},  // ATTACK off: no fight
    };
    for (const Case& c : cases) {
        MyTurn t(SideId::u2);
        for (const auto& [slot, code] : c.own)
            put(t.w.u2.slot(slot), fielded(code));
        for (const auto& [slot, code] : c.theirs)
            put(t.w.u1.slot(slot), fielded(code));
        t.w.u2.btnAttack.enabled = c.attack, t.w.u2.btnDirect.enabled = c.direct;
        EXPECT_EQ(winningAttack(t.w, SideId::u2), c.taken) << &c - cases;
    }
}

TEST(Judgement, aSacrificeServesAnotherCardThatLacksIt) {
    struct Case {
        std::vector<int> hand, field; // codes; the field fills slots from 1
        int banked, life;
        Move sacrifice;
        bool useful;
    };
    const Case cases[] = {
        {{120, 101}, {}, 0, 25, {MoveKind::sacrificeHand, 1}, true},  // for [120] OGRE's 1C
        {{120, 101}, {}, 0, 25, {MoveKind::sacrificeHand, 0}, false}, // not OGRE itself
        {{120, 101}, {}, 1, 25, {MoveKind::sacrificeHand, 1}, false}, // OGRE is paid for already
        {{101, 102}, {}, 0, 25, {MoveKind::sacrificeHand, 0}, false}, // level 1 costs nothing
        {{165, 101}, {}, 4, 25, {MoveKind::sacrificeHand, 1}, true},  // the fifth C of a level 6
        {{165, 101}, {}, 4, 5, {MoveKind::sacrificeHand, 1}, false},  // that costs more life than is left
        {{228, 101}, {}, 0, 25, {MoveKind::sacrificeHand, 1}, true}, // [228] ABYSS's price (a grave to empty)
        {{101}, {101, 102, 103, 104, 105}, 0, 25, {MoveKind::sacrificeSlot, -1, 3}, true}, // room on field
        {{101, 102}, {101, 102, 103, 104, 105}, 0, 25, {MoveKind::sacrificeHand, 1}, false},
        {{102}, {101}, 0, 25, {MoveKind::sacrificeSlot, -1, 1}, false},
    };
    for (const Case& c : cases) {
        MyTurn t(SideId::u2);
        std::vector<std::string> hand;
        for (const int code : c.hand)
            hand.push_back(entry(code));
        TestWindow::fill(t.w.u2.lstHand, t.w.u2.txtHandCnt, hand);
        for (std::size_t i = 0; i < c.field.size(); ++i)
            put(t.w.u2.slot(static_cast<int>(i) + 1), fielded(c.field[i]));
        put(t.w.u2.txtSacriCnt, std::to_string(c.banked));
        put(t.w.u2.txtLp, std::to_string(c.life));
        TestWindow::fill(t.w.u1.cmbGrave, t.w.u1.txtGraveCnt, {entry(100)});
        TrialPorts trial;
        EXPECT_EQ(sacrificeHasUse(t.w, SideId::u2, c.sacrifice, trial), c.useful) << &c - cases;
    }
}

// Draw first, no sacrifice without use, no END with a fight to win; when nothing else is left, legal stays.
TEST(Judgement, sensibleMovesAreTheLegalOnesLessThoseASensiblePlayerAvoids) {
    MyTurn t(SideId::u2);
    TestWindow::fill(t.w.u2.lstHand, t.w.u2.txtHandCnt, {entry(101), entry(102)});
    TestWindow::fill(t.w.u2.lstDeck, t.w.u2.txtDeckCnt, entries(10));
    put(t.w.u2.slot(1), fielded(150));
    put(t.w.u1.slot(2), fielded(120));
    TrialPorts trial;
    const auto legal = legalMoves(t.w, SideId::u2, trial);
    auto kinds = [](const std::vector<Move>& moves) {
        std::string k;
        for (const Move& m : moves)
            k += std::to_string(static_cast<int>(m.kind));
        return k;
    };
    EXPECT_EQ(kinds(sensibleMoves(t.w, SideId::u2, legal, trial)), "1"); // Q5 alone
    t.w.u2.btnQ5.enabled = t.w.u2.btnAdd.enabled = false;
    const auto moves = sensibleMoves(t.w, SideId::u2, legalMoves(t.w, SideId::u2, trial), trial);
    // Fielding either card, the one winning attack; no MASTER (four slots free), no sacrifice, no END.
    EXPECT_EQ(kinds(moves), "449");
    EXPECT_EQ(moves.back(), (Move{MoveKind::attack, -1, 1, 2}));
    const std::vector<Move> onlySacrifices{{MoveKind::sacrificeHand, 0}, {MoveKind::sacrificeHand, 1}};
    EXPECT_EQ(sensibleMoves(t.w, SideId::u2, onlySacrifices, trial), onlySacrifices);
}

TEST(ComputerLevels, oneLevelCheckedAtATimeAndAHintOnlyForTheSideToMove) {
    TestWindow t(SideId::u1);
    Window& w = t.w;
    EXPECT_EQ(computerLevel(w), Level::normal);
    for (const Level level : {Level::hard, Level::easy, Level::normal, Level::hard}) {
        smnLevel_Click(w, level);
        EXPECT_EQ(computerLevel(w), level);
        const auto& m = w.menu;
        EXPECT_EQ(m.smnLevelEasy.checked + m.smnLevelNormal.checked + m.smnLevelHard.checked, 1);
    }
    EXPECT_EQ(std::string(levelName(Level::easy)) + std::string(levelName(Level::normal)) +
                  std::string(levelName(Level::hard)),
              "EASYNORMALHARD");

    // The hint's side: whose turn it is at one window, player 1 against the computer, nobody online.
    EXPECT_EQ(hintSide(w), std::nullopt);
    onlineSubs::smnOffline_Click(w);
    EXPECT_EQ(hintSide(w), SideId::u1); // to open its deck
    gameSubs::disableSide(w, SideId::u1);
    EXPECT_EQ(hintSide(w), std::nullopt);
    gameSubs::enableSide(w, SideId::u2);
    EXPECT_EQ(hintSide(w), SideId::u2);
    w.menu.smnOffline.checked = false, w.menu.smnComputer.checked = true;
    EXPECT_EQ(hintSide(w), std::nullopt); // the computer's turn
    gameSubs::disableSide(w, SideId::u2);
    gameSubs::enableSide(w, SideId::u1);
    EXPECT_EQ(hintSide(w), SideId::u1);
    w.menu.smnComputer.checked = false, w.menu.smnOnline.checked = true;
    EXPECT_EQ(hintSide(w), std::nullopt);
}

} // namespace
} // namespace grim::test
