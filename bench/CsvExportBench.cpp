#include <benchmark/benchmark.h>

#include <filesystem>

#include "platform/DevicePaths.h"
#include "draws/CsvExport.h"

namespace numora {
namespace {

constexpr int kDraws = 100000;

DrawList manyDraws() {
    DrawList draws;
    for (std::int32_t i = 0; i < kDraws; ++i) draws.append({i * 600, i % 49 + 1, 2, 3, 4, 5, 6, 0, i % 50});
    return draws;
}

void BM_ExportBytes(benchmark::State& state) {
    const DrawList draws = manyDraws();
    const LotteryProfile profile;
    for (auto _ : state) benchmark::DoNotOptimize(csvExportBytes(draws, profile));
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_ExportBytes)->Unit(benchmark::kMillisecond);

// The whole export, down to the file flushed to disk.
void BM_ExportFile(benchmark::State& state) {
    const DrawList draws = manyDraws();
    LotteryProfile profile;
    profile.name = "Lotto 649";
    const auto root = std::filesystem::temp_directory_path() / "numora-export-bench";
    const DevicePaths device(root);
    for (auto _ : state) benchmark::DoNotOptimize(exportCsv(device, draws, profile));
    std::filesystem::remove_all(root);
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_ExportFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
