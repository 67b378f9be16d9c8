#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "draws/CsvImport.h"
#include "draws/DrawMerge.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {
namespace {

constexpr int kLines = 20000;

class InfoLine final : public ImportObserver {
public:
    void showInfo(const std::string& text) override { shown = text; }
    void showMessage(const std::string& text) override { shown = text; }
    std::string shown;
};

// One line per day from 1 January 1980, every step-th day from the first
// day given, in ascending order: "01,02,...,07,M/D/YYYY".
std::string datedLines(int firstDay, int step, int count) {
    std::string text;
    for (int line = 0; line < count; ++line) {
        const CalendarTime day = civilFromSeconds((firstDay + std::int64_t{line} * step) * 86400 + 3652 * 86400);
        text += "01,02,03,04,05,06,07," + std::to_string(day.month) + "/" + std::to_string(day.day) + "/" +
                std::to_string(day.year) + "\n";
    }
    return text;
}

DrawList importedDraws(const std::string& text) {
    DrawList draws;
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    InfoLine observer;
    std::istringstream file(text);
    importCsv(
        file, draws, {profile, locale, time, 0}, [](const DrawList&) { return DrawFileResult{}; }, observer);
    return draws;
}

void runImport(benchmark::State& state, const std::string& text, const DrawList& stored) {
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    const DrawSaver save = [](const DrawList&) { return DrawFileResult{}; };
    InfoLine observer;
    for (auto _ : state) {
        state.PauseTiming();
        DrawList draws = stored;
        std::istringstream file(text);
        state.ResumeTiming();
        const ImportOutcome outcome = importCsv(file, draws, {profile, locale, time, 0}, save, observer);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

// Dated lines in ascending order into a lottery without draws: every line
// walks all the draws stored before it and is appended.
void BM_ImportAscendingIntoEmptyLottery(benchmark::State& state) {
    static const std::string text = datedLines(0, 1, kLines);
    runImport(state, text, {});
}
BENCHMARK(BM_ImportAscendingIntoEmptyLottery)->Unit(benchmark::kMillisecond);

// Lines dated between the stored draws of a lottery holding 20,000: each
// line is inserted in the middle of the list.
void BM_ImportBetweenStoredDraws(benchmark::State& state) {
    static const DrawList stored = importedDraws(datedLines(0, 2, kLines));
    static const std::string text = datedLines(1, 2, kLines);
    runImport(state, text, stored);
}
BENCHMARK(BM_ImportBetweenStoredDraws)->Unit(benchmark::kMillisecond);

// The same 20,000 lines again: every line is skipped at its own date.
void BM_ImportSameFileAgain(benchmark::State& state) {
    static const std::string text = datedLines(0, 1, kLines);
    static const DrawList stored = importedDraws(text);
    runImport(state, text, stored);
}
BENCHMARK(BM_ImportSameFileAgain)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
