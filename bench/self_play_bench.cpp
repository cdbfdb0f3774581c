// Whole games on one machine per second, played by the self-play driver through the
// same handlers the window's buttons call, with the board checked after every action.
#include "selfplay/self_play.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void BM_SelfPlayGames(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "grimward-self-play-bench";
    std::filesystem::create_directories(folder);
    grim::selfplay::SelfPlay driver(folder.string(),
                                    {static_cast<std::uint64_t>(state.range(0)), false, 1000});
    long actions = 0;
    for (auto _ : state) {
        const auto record = driver.playGame();
        actions += record.actions;
        benchmark::DoNotOptimize(record);
    }
    if (!driver.failures.empty()) state.SkipWithError(driver.failures.front().c_str());
    state.counters["games/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["actions/game"] = static_cast<double>(actions) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SelfPlayGames)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
