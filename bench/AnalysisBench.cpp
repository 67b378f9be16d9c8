#include <benchmark/benchmark.h>

#include "BenchDraws.h"
#include "analysis/Backtest.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"

namespace {

using namespace numora;

constexpr int kDraws = 10000;
constexpr std::size_t kTested = 1000;

LotteryProfile lotto() {
    LotteryProfile profile;
    profile.sort = true;
    profile.showBonus = true;
    return profile;
}

// A backtest over the last 1,000 of 10,000 draws: 1,000 analysed picks from
// 9,000 to 9,999 draws, each matched with its draw and weighed against the
// odds of random lines.
void backtest(benchmark::State& state) {
    const DrawList draws = bench::pastDraws(kDraws);
    for (auto _ : state) {
        const BacktestResult result = backtestAnalysedPicks(draws, lotto(), Options{}, kTested);
        benchmark::DoNotOptimize(result.observed.data());
    }
}
BENCHMARK(backtest)->Unit(benchmark::kMillisecond);

// Its baseline in the same run: 1,000 single analysed picks from all 10,000
// draws, as the main window makes them.
void backtestBaselinePicks(benchmark::State& state) {
    const DrawList draws = bench::pastDraws(kDraws);
    const LotteryProfile profile = lotto();
    const Options options;
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    for (auto _ : state) {
        for (std::size_t pick = 0; pick < kTested; ++pick) {
            const PickResult made = makePick(engine, {profile, draws, options, 0, LineKind::Analysed, 0}, progress);
            benchmark::DoNotOptimize(made.line);
        }
    }
}
BENCHMARK(backtestBaselinePicks)->Unit(benchmark::kMillisecond);

}  // namespace
