#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include "BenchDevice.h"
#include "ui/stats/StatsWindow.h"

namespace numora::bench {
namespace {

// Opening Draw Stats on 65,535 draws until its list has painted, against a
// load of the same draw file.
void BM_OpenDrawStats(benchmark::State& state) {
    BenchDevice device(kManyDraws);
    StatsWindow(device.state(), device.paths(), {240, 320}).show();  // sets up fonts and styles
    double load = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        {
            StatsWindow window(device.state(), device.paths(), {240, 320});
            showUntilPainted(window, *window.findChild<QTreeWidget*>()->viewport());
            state.SetIterationTime(milliseconds(timer) / 1e3);
        }
        timer.start();
        DrawList draws;
        DrawFile::load(device.paths(), kDataFolder, "Many", draws);
        load += milliseconds(timer);
    }
    state.counters["load_ms"] = load / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OpenDrawStats)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace numora::bench
