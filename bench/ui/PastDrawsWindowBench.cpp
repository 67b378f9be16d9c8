#include <QCoreApplication>
#include <QDateTime>
#include <QScrollBar>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>

#include "BenchDevice.h"
#include "draws/CsvImport.h"
#include "platform/WholeFile.h"
#include "ui/controls/DrawListView.h"

namespace numora::bench {
namespace {

constexpr int kScrollPositions = 100;

DrawListView& listOf(QWidget& window) { return *window.findChild<DrawListView*>(QStringLiteral("drawList")); }

// Opens a Past Draws window and waits until its list has painted.
double openPastDraws(BenchDevice& device, const std::string& lottery) {
    device.choose(lottery);
    QElapsedTimer timer;
    timer.start();
    auto window = device.pastDraws();
    showUntilPainted(*window, *listOf(*window).viewport());
    return milliseconds(timer);
}

// Opening Past Draws on 65,535 draws until its list has painted, against
// the same window on a lottery without draws plus a load of the 65,535.
void BM_OpenPastDraws(benchmark::State& state) {
    BenchDevice device(kManyDraws);
    openPastDraws(device, "Many");  // the first window of a run sets up fonts and styles
    double opened = 0;
    double baseline = 0;
    for (auto _ : state) {
        const double many = openPastDraws(device, "Many");
        state.SetIterationTime(many / 1e3);
        opened += many;

        QElapsedTimer timer;
        timer.start();
        DrawList draws;
        DrawFile::load(device.paths(), kDataFolder, "Many", draws);
        baseline += milliseconds(timer) + openPastDraws(device, "None");
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["baseline_ms"] = baseline / runs;
    state.counters["ratio"] = opened / baseline;
}
BENCHMARK(BM_OpenPastDraws)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Paints the list's viewport at 100 scroll positions from top to bottom; the
// time is the slowest frame. The baseline paints an empty list as often.
void BM_ScrollDrawList(benchmark::State& state) {
    BenchDevice device(kManyDraws);
    auto full = device.pastDraws();
    showUntilPainted(*full, *listOf(*full).viewport());
    device.choose("None");
    auto empty = device.pastDraws();
    showUntilPainted(*empty, *listOf(*empty).viewport());

    double slowestEmpty = 0;
    double sum = 0;
    for (auto _ : state) {
        double slowest = 0;
        QScrollBar& bar = *listOf(*full).verticalScrollBar();
        for (int step = 0; step < kScrollPositions; ++step) {
            QElapsedTimer timer;
            timer.start();
            bar.setValue(bar.maximum() * step / (kScrollPositions - 1));
            listOf(*full).viewport()->repaint();
            const double frame = milliseconds(timer);
            slowest = std::max(slowest, frame);
            sum += frame;

            timer.start();
            listOf(*empty).viewport()->repaint();
            slowestEmpty = std::max(slowestEmpty, milliseconds(timer));
        }
        state.SetIterationTime(slowest / 1e3);
    }
    state.counters["mean_frame_ms"] = sum / static_cast<double>(state.iterations() * kScrollPositions);
    state.counters["empty_slowest_ms"] = slowestEmpty;
}
BENCHMARK(BM_ScrollDrawList)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// Imports 20,000 dated lines into 20,000 draws through the window; the time
// is the longest the window went without a turn of its events (a 1 ms timer
// measures the gaps). The baseline is the same import through the core alone.
class QuietObserver final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

void BM_ImportPauses(benchmark::State& state) {
    constexpr int kLines = 20000;
    BenchDevice device(kLines);
    const std::filesystem::path csv = device.paths().root() / "lines.csv";
    {
        std::ofstream out(csv, std::ios::binary);
        const DrawList lines = manyDraws(kLines);
        const FixedOffsetLocalTime time;
        for (const DrawRecord& draw : lines) {
            // Dated between the stored draws, so every line walks and merges.
            const CalendarTime day = time.fromSeconds(draw.date + 43'200);
            out << "01,02,03,04,05,06,07," << day.month << '/' << day.day << '/' << day.year << '\n';
        }
    }
    double whole = 0;
    double core = 0;
    for (auto _ : state) {
        state.PauseTiming();
        device.choose("Many");
        DrawFile::save(device.paths(), kDataFolder, "Many", manyDraws(kLines));
        auto window = device.pastDraws(csv.string());
        window->show();
        QCoreApplication::processEvents();
        state.ResumeTiming();

        double longest = 0;
        QElapsedTimer sinceTurn;
        QTimer ticks;
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longest = std::max(longest, milliseconds(sinceTurn));
            sinceTurn.start();
        });
        QElapsedTimer timer;
        timer.start();
        sinceTurn.start();
        ticks.start();
        window->findChild<QAction*>(QStringLiteral("importDrawsAction"))->trigger();
        longest = std::max(longest, milliseconds(sinceTurn));
        whole += milliseconds(timer);
        state.SetIterationTime(longest / 1e3);

        DrawList draws = manyDraws(kLines);
        QuietObserver quiet;
        timer.start();
        importCsv(
            readWholeFile(csv, kImportLargestFile).bytes, draws,
            {device.state().current, device.locale(), device.time(), 0},
            [](const DrawList&) { return DrawFileResult{}; }, quiet);
        core += milliseconds(timer);
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["import_ms"] = whole / runs;
    state.counters["core_import_ms"] = core / runs;
}
BENCHMARK(BM_ImportPauses)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace numora::bench
