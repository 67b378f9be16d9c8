#include <benchmark/benchmark.h>

#include <string>

#include "ThreadTime.h"
#include "draws/CsvImport.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableMerge.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {
namespace {

constexpr int kDraws = 20000;
constexpr std::int64_t kDaySeconds = 86400;
constexpr std::int64_t kFirstDay = 3652;  // 1 January 1980

class QuietObserver final : public ImportObserver {
public:
    void showInfo(const std::string& text) override { shown = text; }
    void showMessage(const std::string& text) override { shown = text; }
    std::string shown;
};

int ball(int draw, int index) { return (draw * 7 + index * 5) % 49 + 1; }

// The same draws, one a day from 1980, as a lottery publishes them (quoted
// text fields, a heading, CR LF) and as the lenient reader takes them.
std::string publishedFile() {
    std::string text =
        "\"PRODUCT\",\"DRAW NUMBER\",\"SEQUENCE NUMBER\",\"DRAW DATE\",\"NUMBER DRAWN 1\",\"NUMBER DRAWN 2\","
        "\"NUMBER DRAWN 3\",\"NUMBER DRAWN 4\",\"NUMBER DRAWN 5\",\"NUMBER DRAWN 6\",\"BONUS NUMBER\"\r\n";
    for (int draw = 0; draw < kDraws; ++draw) {
        const CalendarTime day = civilFromSeconds((kFirstDay + draw) * kDaySeconds);
        text += formatText("\"649\",%d,0,\"%04d-%02d-%02d\",%d,%d,%d,%d,%d,%d,%d\r\n", draw + 1, day.year, day.month,
                           day.day, ball(draw, 1), ball(draw, 2), ball(draw, 3), ball(draw, 4), ball(draw, 5),
                           ball(draw, 6), ball(draw, 7));
    }
    return text;
}

std::string lenientFile() {
    std::string text;
    for (int draw = 0; draw < kDraws; ++draw) {
        const CalendarTime day = civilFromSeconds((kFirstDay + draw) * kDaySeconds);
        text += formatText("%02d,%02d,%02d,%02d,%02d,%02d,%02d,%d/%d/%d\n", ball(draw, 1), ball(draw, 2), ball(draw, 3),
                           ball(draw, 4), ball(draw, 5), ball(draw, 6), ball(draw, 7), day.month, day.day, day.year);
    }
    return text;
}

// A publisher's file of 20,000 draws into a lottery without draws, through the
// table reader (analysis, reading and merge), timed against the lenient import
// of the same draws in the same iteration: "ratio" is table time over lenient
// time, both in processor time.
void BM_TableImportAgainstLenient(benchmark::State& state) {
    static const std::string published = publishedFile();
    static const std::string lenient = lenientFile();
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    const DrawSaver save = [](const DrawList&) { return DrawFileResult{}; };
    QuietObserver observer;
    double tableSeconds = 0;
    double lenientSeconds = 0;
    for (auto _ : state) {
        DrawList lenientDraws;
        lenientSeconds += bench::secondsOf([&] {
            importCsv(lenient, lenientDraws, {profile, locale, time, 0}, save, observer);
        });
        DrawList tableDraws;
        const double seconds = bench::secondsOf([&] {
            const TableAnalysis analysis = analyseTable(published, profile, locale.shortDateOrder());
            const TableRows rows = readTableRows(analysis.records, *analysis.layout, profile, time);
            importTableRows(rows, tableDraws, profile, save, observer);
        });
        tableSeconds += seconds;
        state.SetIterationTime(seconds);
        if (tableDraws != lenientDraws) state.SkipWithError("the readers stored different draws");
    }
    state.counters["lenient_ms"] = benchmark::Counter(lenientSeconds * 1000 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = tableSeconds / lenientSeconds;
    state.SetItemsProcessed(state.iterations() * kDraws);
}
BENCHMARK(BM_TableImportAgainstLenient)->UseManualTime()->MinTime(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
