// Seeded random games through the buttons' handlers, the board checked after every action.
#include "board/game_subs.h"
#include "board/numbers.h"
#include "selfplay/invariants.h"
#include "selfplay/self_play.h"
#include "support/fakes.h"

using namespace grim;
using namespace grim::selfplay;

TEST(SelfPlay, SeededGamesKeepTheBoardConsistentToTheEnd) {
    grim::test::TempFolder dir;
    std::array<int, 4> results{};
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        SelfPlay driver(dir.dir.string(), {seed, seed <= 3, 1000});
        for (int g = 0; g < 10; ++g)
            ++results[static_cast<std::size_t>(driver.playGame().result)];
        EXPECT_EQ(driver.failures, std::vector<std::string>{});
    }
    EXPECT_LE(results[static_cast<std::size_t>(GameResult::unfinished)], 3);
    EXPECT_GT(results[static_cast<std::size_t>(GameResult::player1)], 30);
    EXPECT_GT(results[static_cast<std::size_t>(GameResult::player2)], 30);
}

TEST(SelfPlay, ReportsABrokenBoardAndAGameThatCannotGoOn) {
    grim::test::TempFolder dir;
    SelfPlay broken(dir.dir.string(), {7, false, 50});
    broken.actions.push_back({"miscount", 1000, [](const Window&, const Side&) { return true; }, nullptr,
                              [](SelfPlay& d, SideId) { writeNumber(d.window().u2.txtHandCnt, 9); }});
    broken.playGame();
    ASSERT_FALSE(broken.failures.empty());
    EXPECT_EQ(broken.failures.front(), "seed 7, game 1, after miscount: wrong txtHandCntU2");
    SelfPlay stuck(dir.dir.string(), {3, false, 1000, 200});
    stuck.actions.erase(stuck.actions.begin()); // no deck is ever opened
    stuck.actions.push_back({"wait", 1,
                             [](const Window& w, const Side& s) { return s.btnOpen.enabled && &s == &w.u1; },
                             nullptr, [](SelfPlay&, SideId) {}});
    EXPECT_EQ(stuck.playGame().result, GameResult::unfinished);
    EXPECT_EQ(stuck.failures,
              std::vector<std::string>{
                  "seed 3, game 1, after turn: no progress: the turn has not passed after 200 actions"});
}

TEST(SelfPlay, TheBoardCheckNamesEachBrokenRule) {
    auto lay = [](auto& list, Counter& count, int n, int shown) { // n clowns, `shown` as their count
        test::put(list, std::vector<std::string>(static_cast<std::size_t>(n), "[105] CLOWN"));
        count.value = static_cast<std::int16_t>(shown);
    };
    // How the board is spoilt, whether the game has ended, and the broken rule named (empty: none).
    const std::vector<std::tuple<std::function<void(Window&)>, bool, std::string>> cases{
        {[](auto&) {}, true, ""},
        {[&](auto& w) { lay(w.u2.cmbGrave, w.u2.txtGraveCnt, 12, 12); }, false, ""},
        {[&](auto& w) { lay(w.u2.cmbGrave, w.u2.txtGraveCnt, 12, 21); }, false, "wrong txtGraveCntU2"},
        {[&](auto& w) { lay(w.u1.lstDeck, w.u1.txtDeckCnt, 0, 1); }, false, "wrong txtDeckCntU1"},
        {[&](auto& w) { lay(w.u1.lstHand, w.u1.txtHandCnt, 3, -3); }, false, "wrong txtHandCntU1"},
        {[&](auto& w) { lay(w.u1.lstHand, w.u1.txtHandCnt, 6, 6); }, false, "more than 5 cards in lstHandU1"},
        {[&](auto& w) { lay(w.u2.lstDeck, w.u2.txtDeckCnt, 41, 41); }, false,
         "more than 40 cards in lstDeckU2"},
        {[](auto& w) { w.u1.turnSacrifices = 3; }, false, "not 0 to 2 sacrifices this turn on U1"},
        {[](auto& w) { w.u1.btnEnd.enabled = w.u2.lblAtt[4].enabled = true; }, false,
         "both sides have the turn"},
        {[](auto& w) { w.u2.btnOpen.enabled = true; }, false, ""},
        {[](auto& w) { w.u2.btnOpen.enabled = true; }, true, "a side has the turn after the end"},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const auto& [spoil, ended, problem] = cases[i];
        Window w(Ports{nullptr, nullptr, nullptr, nullptr, nullptr});
        gameSubs::disableBoth(w);
        spoil(w);
        const auto want = problem.empty() ? std::vector<std::string>{} : std::vector{problem};
        EXPECT_EQ(selfplay::boardProblems(w, ended), want) << "case " << i;
    }
}
