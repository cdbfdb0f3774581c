#include "support/self_play.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace grim;
using namespace grim::test;

namespace {

struct Tally {
    int games = 0, player1 = 0, player2 = 0, draws = 0, unfinished = 0;
    void add(const GameRecord& r) {
        ++games;
        switch (r.result) {
        case GameRecord::Result::player1:
            ++player1;
            break;
        case GameRecord::Result::player2:
            ++player2;
            break;
        case GameRecord::Result::draw:
            ++draws;
            break;
        case GameRecord::Result::unfinished:
            ++unfinished;
            break;
        }
    }
};

Tally play(const TempFolder& folder, std::uint64_t firstSeed, int seeds, int gamesPerSeed,
           bool checkRefusals) {
    Tally tally;
    for (std::uint64_t seed = firstSeed; seed < firstSeed + static_cast<std::uint64_t>(seeds); ++seed) {
        SelfPlay driver(folder.folder(), {seed, checkRefusals, 1000});
        for (int g = 0; g < gamesPerSeed; ++g)
            tally.add(driver.playGame());
        for (const auto& f : driver.failures)
            ADD_FAILURE() << f;
    }
    return tally;
}

} // namespace

TEST(SelfPlay, SeededGamesKeepTheBoardConsistentToTheEnd) {
    TempFolder folder;
    const Tally t = play(folder, 1, 30, 10, false);
    EXPECT_EQ(t.games, 300);
    // Random play ends nearly every game, and either player can win it.
    EXPECT_LE(t.unfinished, 3);
    EXPECT_GT(t.player1, 30);
    EXPECT_GT(t.player2, 30);
}

TEST(SelfPlay, RefusedActionsChangeNothing) {
    TempFolder folder;
    const Tally t = play(folder, 1001, 4, 5, true);
    EXPECT_EQ(t.games, 20);
}

TEST(SelfPlay, ReportsABoardThatBreaksTheRules) {
    TempFolder folder;
    SelfPlay driver(folder.folder(), {7, false, 50});
    driver.actions.push_back({"miscount", 1000, [](const Window&, const Side&) { return true; }, nullptr,
                              [](SelfPlay& d, std::string_view) { d.window().u2.txtHandCnt.text = "9"; }});
    driver.playGame();
    ASSERT_FALSE(driver.failures.empty());
    EXPECT_NE(driver.failures.front().find("after miscount: txtHandCntU2 does not match"), std::string::npos)
        << driver.failures.front();
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGame) {
    TempFolder folder;
    SelfPlay a(folder.folder(), {42, false, 1000});
    SelfPlay b(folder.folder(), {42, false, 1000});
    for (int g = 0; g < 3; ++g) {
        const GameRecord ra = a.playGame();
        const GameRecord rb = b.playGame();
        EXPECT_EQ(ra.actions, rb.actions);
        EXPECT_EQ(ra.result, rb.result);
    }
}
