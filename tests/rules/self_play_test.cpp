// Seeded random games through the handlers the buttons call, with the board checked after
// every action.
#include "board/numbers.h"
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
        for (const auto& f : driver.failures)
            ADD_FAILURE() << f;
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
    ASSERT_EQ(stuck.failures.size(), 1u);
    EXPECT_EQ(stuck.failures[0],
              "seed 3, game 1, after turn: no progress: the turn has not passed after 200 actions");
}
