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
// One analysed pick after another over the same draws, each with one line more in the pick list.
void pickRepeatedly(benchmark::State& state, const LotteryProfile& lottery) {
    const DrawList draws = pastDraws(static_cast<int>(state.range(0)));
    const Options options;
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    int lines = 0;
    for (auto _ : state) {
        const PickResult pick = makePick(engine, {lottery, draws, options, lines++, LineKind::Analysed, 0}, progress);
        benchmark::DoNotOptimize(pick.line);
    }
}

void analysedPick(benchmark::State& state) {
    LotteryProfile lotto;
    lotto.sort = true;
    lotto.showBonus = true;
    pickRepeatedly(state, lotto);
}

// The same lottery with a Superzahl in ball 7's slot: the balls' analysis reads
// a copy of the draws without it, then the drum's numbers are scored.
void analysedPickWithSecondDrum(benchmark::State& state) {
    LotteryProfile lotto;
    lotto.sort = true;
    lotto.showBonus = true;
    lotto.drum2 = 1;
    lotto.drum2Min = 0;
    lotto.drum2Max = 9;
    pickRepeatedly(state, lotto);
}
BENCHMARK(analysedPickWithSecondDrum)->Arg(1000)->Arg(10000)->Arg(65535)->Unit(benchmark::kMicrosecond);

BENCHMARK(analysedPick)->Arg(1000)->Arg(10000)->Arg(65535)->Unit(benchmark::kMicrosecond);

// The same pick of 1,000 draws under pick rules (two fixed numbers, ten
// excluded, a new line each Pick) with a pick list of the given length to
// avoid; analysedPick/1000 is its baseline.
void analysedPickWithRules(benchmark::State& state) {
    const DrawList draws = pastDraws(1000);
    LotteryProfile lotto;
    lotto.sort = true;
    lotto.showBonus = true;
    const Options options;
    PickRules rules;
    rules.newLine = true;
    for (const int fixed : {7, 13}) rules.fixed.set(fixed);
    for (int excluded = 40; excluded < 50; ++excluded) rules.excluded.set(static_cast<std::size_t>(excluded));
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress progress;
    const int listed = static_cast<int>(state.range(0));
    TakenLines list = picksBefore(engine, {lotto, draws, options, listed, LineKind::Analysed, 0, rules}, progress).lines;
    int lines = listed;
    for (auto _ : state) {
        const PickResult pick =
            makePick(engine, {lotto, draws, options, lines++, LineKind::Analysed, 0, rules, &list}, progress);
        benchmark::DoNotOptimize(pick.line);
    }
}
BENCHMARK(analysedPickWithRules)->Arg(10)->Arg(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
