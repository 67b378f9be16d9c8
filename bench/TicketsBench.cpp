#include <benchmark/benchmark.h>

#include <string>

#include "ThreadTime.h"
#include "draws/CsvImport.h"
#include "platform/CrtRandom.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "plays/TicketCheck.h"
#include "plays/TicketsFile.h"
#include "picking/RandomDraw.h"

namespace numora {
namespace {

constexpr int kDraws = 20000;
constexpr int kTickets = 10000;
constexpr std::int64_t kSecondsPerDay = 86400;
// The draws are dated one a day from 1 January 1980.
constexpr int kDaysFrom1970 = 3652;

class QuietObserver final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string&) override {}
};

CalendarDay drawDay(int draw) {
    const CalendarTime date = civilFromSeconds((kDaysFrom1970 + std::int64_t{draw}) * kSecondsPerDay);
    return {date.year, date.month, date.day};
}

// 20,000 draws of a 6/49 lottery with a bonus, one a day, as lines of the
// lenient reader: "N,N,N,N,N,N,B,M/D/YYYY".
std::string drawLines() {
    CrtRandom random(2024);
    std::string text;
    for (int draw = 0; draw < kDraws; ++draw) {
        for (int ball = 0; ball < 7; ++ball) text += std::to_string(drawBetween(random, 1, 49)) + ",";
        const CalendarDay day = drawDay(draw);
        text += std::to_string(day.month) + "/" + std::to_string(day.day) + "/" + std::to_string(day.year) + "\n";
    }
    return text;
}

// The tickets file after 10,000 tickets were played for the draws to come:
// `perDay` lines for each of as many days, spread evenly over the draws' days.
std::string playedTickets(int perDay) {
    CrtRandom random(7);
    TicketList tickets;
    const int days = kTickets / perDay;
    for (int day = 0; day < days; ++day) {
        std::vector<PickedLine> lines(static_cast<std::size_t>(perDay));
        for (PickedLine& line : lines) {
            for (int slot = 0; slot < 6; ++slot) line.slots[static_cast<std::size_t>(slot)] = drawBetween(random, 1, 49);
            line.bonus = drawBetween(random, 1, 49);
        }
        addTickets(tickets, lines, drawDay(day * (kDraws / days)), TicketSource::Pick);
    }
    return TicketsFile::encode(tickets);
}

// 20,000 draws imported into a lottery without draws, for which 10,000
// tickets wait: the import alone, then the check of the tickets on the draws'
// arrival (reading the tickets file, checking every ticket, writing the file
// with the results) in the same iteration. "ratio" is the check's time over
// the import's, both in processor time.
void BM_TicketsCheckedOnImport(benchmark::State& state) {
    static const std::string lines = drawLines();
    const std::string tickets = playedTickets(static_cast<int>(state.range(0)));
    const SystemLocalTime time;
    const FixedLocaleInfo locale;
    const LotteryProfile profile;
    const DrawSaver save = [](const DrawList&) { return DrawFileResult{}; };
    QuietObserver observer;
    double importSeconds = 0;
    double checkSeconds = 0;
    for (auto _ : state) {
        DrawList draws;
        importSeconds += bench::secondsOf([&] { importCsv(lines, draws, {profile, locale, time, 0}, save, observer); });
        std::string saved;
        const double seconds = bench::secondsOf([&] {
            TicketList played;
            TicketsFile::decode(tickets, played);
            checkTickets(played, draws, profile, time);
            saved = TicketsFile::encode(played);
        });
        checkSeconds += seconds;
        state.SetIterationTime(seconds);
        if (saved.find(",pick,") == std::string::npos || saved.find(",\n") != std::string::npos) {
            state.SkipWithError("a ticket was not checked");
        }
    }
    state.counters["import_ms"] = benchmark::Counter(importSeconds * 1000 / static_cast<double>(state.iterations()));
    state.counters["ratio"] = checkSeconds / importSeconds;
}
// Five tickets for each of 2,000 draws, and one for each of 10,000.
BENCHMARK(BM_TicketsCheckedOnImport)->Arg(5)->Arg(1)->UseManualTime()->MinTime(2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numora
