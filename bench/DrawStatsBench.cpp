#include <benchmark/benchmark.h>

#include "draws/DrawStats.h"

namespace numora {
namespace {

constexpr int kDraws = 100000;

void BM_CountDrawNumbers(benchmark::State& state) {
    DrawList draws;
    for (std::int32_t i = 0; i < kDraws; ++i) {
        draws.append({i, i % 49 + 1, (i * 7) % 49 + 1, (i * 13) % 49 + 1, 40, 41, 42, 0, (i * 3) % 60});
    }
    const LotteryProfile profile;
    for (auto _ : state) benchmark::DoNotOptimize(countDrawNumbers(draws, profile));
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_CountDrawNumbers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
