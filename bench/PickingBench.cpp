#include <benchmark/benchmark.h>

#include "BenchDraws.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"

namespace {

using namespace numora;
using bench::pastDraws;

// One analysed pick as the main window makes it (pattern prediction on,
// sorted, with a bonus apart from the line), with the pick-list line count
// changing from pick to pick as it does on screen.
void analysedPick(benchmark::State& state) {
    const DrawList draws = pastDraws(static_cast<int>(state.range(0)));
    LotteryProfile lotto;
    lotto.sort = true;
    lotto.showBonus = true;
    const Options options;
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    int lines = 0;
    for (auto _ : state) {
        const PickResult pick = makePick(engine, {lotto, draws, options, lines++, LineKind::Analysed, 0}, progress);
        benchmark::DoNotOptimize(pick.line);
    }
}
BENCHMARK(analysedPick)->Arg(1000)->Arg(10000)->Arg(65535)->Unit(benchmark::kMicrosecond);

}  // namespace
