// Seeded random games through the handlers the buttons call, with the board checked after
// every action (see bench/self_play.h).
#include "selfplay/self_play.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>

using namespace grim;
using namespace grim::test;
using namespace grim::selfplay;

namespace {

// Games by result, for seeds first..first+seeds-1; every broken rule is a test failure.
std::array<int, 4> play(std::uint64_t first, int seeds, int gamesPerSeed, bool checkRefusals) {
    TempFolder folder;
    std::array<int, 4> results{};
    for (std::uint64_t seed = first; seed < first + static_cast<std::uint64_t>(seeds); ++seed) {
        SelfPlay driver(folder.folder(), {seed, checkRefusals, 1000});
        for (int g = 0; g < gamesPerSeed; ++g)
            ++results[static_cast<std::size_t>(driver.playGame().result)];
        for (const auto& f : driver.failures)
            ADD_FAILURE() << f;
    }
    return results;
}

} // namespace

TEST(SelfPlay, SeededGamesKeepTheBoardConsistentToTheEnd) {
    const auto r = play(1, 30, 10, false);
    // Random play ends nearly every game, and either player can win it.
    EXPECT_LE(r[static_cast<std::size_t>(GameResult::unfinished)], 3);
    EXPECT_GT(r[static_cast<std::size_t>(GameResult::player1)], 30);
    EXPECT_GT(r[static_cast<std::size_t>(GameResult::player2)], 30);
}

TEST(SelfPlay, RefusedActionsChangeNothing) {
    play(1001, 4, 5, true);
}

TEST(SelfPlay, ReportsABoardThatBreaksTheRulesAndReplaysASeed) {
    TempFolder folder;
    SelfPlay broken(folder.folder(), {7, false, 50});
    broken.actions.push_back({"miscount", 1000, [](const Window&, const Side&) { return true; }, nullptr,
                              [](SelfPlay& d, SideId) { d.window().u2.txtHandCnt.text = "9"; }});
    broken.playGame();
    ASSERT_FALSE(broken.failures.empty());
    EXPECT_EQ(broken.failures.front(), "seed 7, game 1, after miscount: wrong txtHandCntU2");

    SelfPlay a(folder.folder(), {42, false, 1000});
    SelfPlay b(folder.folder(), {42, false, 1000});
    for (int g = 0; g < 3; ++g) {
        const GameRecord ra = a.playGame(), rb = b.playGame();
        EXPECT_EQ(ra.actions, rb.actions);
        EXPECT_EQ(ra.result, rb.result);
    }
}
