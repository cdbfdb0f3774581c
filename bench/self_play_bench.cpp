// Whole games on one machine per second, played by the self-play driver through the
// same handlers the window's buttons call, with the board checked after every action.
#include "selfplay/self_play.h"
#include "support/temp_folder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SelfPlayGames(benchmark::State& state) {
    grim::test::TempFolder folder;
    grim::selfplay::SelfPlay driver(folder.folder(),
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
