#include <benchmark/benchmark.h>

#include <string>

#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "draws/DrawMerge.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {
namespace {

constexpr int kLines = 20000;
// One line of 2 MB is read as pieces of 50 bytes, each a draw of its own.
constexpr int kPiecesOfOneLine = (2 << 20) / static_cast<int>(CsvLineReader::kPieceCharacters);
constexpr int kLinesOfOneDate = 100000;
// 1 January 1980 to early 2038: the days a draw date can have, and some to spare.
constexpr int kDaysFrom1980 = 3652;
constexpr int kDaysInRange = 21000;

class InfoLine final : public ImportObserver {
public:
    void showInfo(const std::string& text) override { shown = text; }
    void showMessage(const std::string& text) override { shown = text; }
    std::string shown;
};

// "M/D/YYYY" of the day that many days after 1 January 1980.
std::string dateText(int day) {
    const CalendarTime date = civilFromSeconds((kDaysFrom1980 + std::int64_t{day}) * 86400);
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

// One line per day from 1 January 1980, every step-th day from the first
// day given, in ascending order: "01,02,...,07,M/D/YYYY".
std::string datedLines(int firstDay, int step, int count) {
    std::string text;
    for (int line = 0; line < count; ++line) text += "01,02,03,04,05,06,07," + dateText(firstDay + line * step) + "\n";
    return text;
}

// count draws whose numbers differ from line to line, the line-th dated
// dayOf(line). As lines ended by "\n", or as one line of 50-byte pieces (each
// draw padded with commas, which end its fields).
std::string draws(int count, int (*dayOf)(int), bool oneLine) {
    std::string text;
    std::uint32_t state = 12345;
    for (int line = 0; line < count; ++line) {
        std::string draw;
        for (int ball = 0; ball < 8; ++ball) {
            state = state * 1103515245u + 12345u;
            draw += std::to_string((state >> 16 & 0x7FFF) % 49 + 1) + ",";
        }
        draw += dateText(dayOf(line));
        if (oneLine) {
            draw.resize(CsvLineReader::kPieceCharacters, ',');
        } else {
            draw += "\n";
        }
        text += draw;
    }
    return text;
}

int sameDay(int) { return 0; }
// Ascending, each day on as few lines as the range of dates allows.
template <int kCount>
int ascendingDay(int line) {
    return line / (kCount / kDaysInRange + 1);
}

DrawList importedDraws(const std::string& text) {
    DrawList imported;
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    InfoLine observer;
    importCsv(
        text, imported, {profile, locale, time, 0}, [](const DrawList&) { return DrawFileResult{}; }, observer);
    return imported;
}

void runImport(benchmark::State& state, const std::string& text, const DrawList& stored, int lines) {
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    const DrawSaver save = [](const DrawList&) { return DrawFileResult{}; };
    InfoLine observer;
    for (auto _ : state) {
        state.PauseTiming();
        DrawList merged = stored;
        state.ResumeTiming();
        const ImportOutcome outcome = importCsv(text, merged, {profile, locale, time, 0}, save, observer);
        benchmark::DoNotOptimize(outcome);
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

// Dated lines in ascending order into a lottery without draws: every line
// walks all the draws stored before it and is appended.
void BM_ImportAscendingIntoEmptyLottery(benchmark::State& state) {
    static const std::string text = datedLines(0, 1, kLines);
    runImport(state, text, {}, kLines);
}
BENCHMARK(BM_ImportAscendingIntoEmptyLottery)->Unit(benchmark::kMillisecond);

// Lines dated between the stored draws of a lottery holding 20,000: each
// line is inserted in the middle of the list.
void BM_ImportBetweenStoredDraws(benchmark::State& state) {
    static const DrawList stored = importedDraws(datedLines(0, 2, kLines));
    static const std::string text = datedLines(1, 2, kLines);
    runImport(state, text, stored, kLines);
}
BENCHMARK(BM_ImportBetweenStoredDraws)->Unit(benchmark::kMillisecond);

// The same 20,000 lines again: every line is skipped at its own date.
void BM_ImportSameFileAgain(benchmark::State& state) {
    static const std::string text = datedLines(0, 1, kLines);
    static const DrawList stored = importedDraws(text);
    runImport(state, text, stored, kLines);
}
BENCHMARK(BM_ImportSameFileAgain)->Unit(benchmark::kMillisecond);

// count draws whose numbers differ, dated by dayOf: one date for all, or
// ascending dates as the baseline of the same count. A line of 2 MB whose
// 50-byte pieces are draws of one date makes each piece a repeated date,
// stored after all the draws of that date; so do 100,000 lines of one date.
void BM_ImportDraws(benchmark::State& state, int count, int (*dayOf)(int), bool oneLine) {
    const std::string text = draws(count, dayOf, oneLine);
    runImport(state, text, {}, count);
}
BENCHMARK_CAPTURE(BM_ImportDraws, OneLineOfOneDate, kPiecesOfOneLine, sameDay, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportDraws, OneLineOfAscendingDates, kPiecesOfOneLine, ascendingDay<kPiecesOfOneLine>, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportDraws, LinesOfOneDate, kLinesOfOneDate, sameDay, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ImportDraws, LinesOfAscendingDates, kLinesOfOneDate, ascendingDay<kLinesOfOneDate>, false)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
