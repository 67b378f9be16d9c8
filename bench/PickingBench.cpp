#include <benchmark/benchmark.h>

#include "picking/PickFlow.h"
#include "picking/RandomDraw.h"
#include "picking/SilentProgress.h"

namespace {

using namespace numora;

// Past draws of a 6/49 lottery with a bonus, the same on every run.
DrawList pastDraws(int count) {
    CrtRandom random(2024);
    DrawList draws;
    draws.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        DrawRecord draw;
        draw.date = i * 86400;
        for (int n = 1; n <= 6; ++n) draw.ball(n) = drawBetween(random, 1, 49);
        draw.bonus = drawBetween(random, 1, 49);
        draws.append(draw);
    }
    return draws;
}

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
