// Every publisher's file in tests/data/real-draws imports into a lottery
// whose profile fits it, with exactly the draws its notes describe.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <numeric>
#include <vector>

#include "draws/table/ReaderChoice.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableMerge.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "support/RecordingImportObserver.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::lotteryProfile;

const FixedOffsetLocalTime kTime;  // UTC

std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }

struct RealFile {
    std::vector<const char*> names;  // files that hold the same draws
    LotteryProfile profile;
    ImportCounters counters;  // every draw imported is stored
    std::vector<int> rejectedLines;
    std::int32_t first;
    std::int32_t last;
    std::vector<DrawRecord> quoted;  // draws the notes quote
};

struct Imported {
    DrawList draws;
    ImportOutcome outcome;
    TableRows rows;
};

Imported importRealFile(const char* name, const LotteryProfile& lottery) {
    const std::string bytes = testing::readBytes(std::filesystem::path(NUMORA_REAL_DRAWS) / name);
    EXPECT_EQ(chooseReader(bytes), DrawReader::Table);
    const TableAnalysis analysis = analyseTable(bytes, lottery, DateOrder::MonthDayYear);
    Imported imported;
    if (!analysis.layout) {
        ADD_FAILURE() << analysis.problem;
        return imported;
    }
    imported.rows = readTableRows(analysis.records, *analysis.layout, lottery, kTime);
    testing::RecordingImportObserver observer;
    imported.outcome = importTableRows(
        imported.rows, imported.draws, lottery, [](const DrawList&) { return DrawFileResult{}; }, observer);
    return imported;
}

std::vector<int> linesFrom(int first, int last) {
    std::vector<int> lines(static_cast<std::size_t>(last - first + 1));
    std::iota(lines.begin(), lines.end(), first);
    return lines;
}

// The draws of a date in list order.
std::vector<DrawRecord> drawsOn(const DrawList& draws, std::int32_t date) {
    std::vector<DrawRecord> found;
    std::copy_if(draws.begin(), draws.end(), std::back_inserter(found),
                 [date](const DrawRecord& draw) { return draw.date == date; });
    return found;
}

const std::vector<RealFile>& realFiles() {
    static const std::vector<RealFile> files = {
        // UK Lotto: 6 balls from 1 to 59 and a bonus ball.
        {{"uk-lotto_national-lottery-download.csv"}, lotteryProfile(6, 1, 59, 59), {51, 0, 0}, {}, day(2017, 4, 8),
         day(2017, 9, 30),
         {drawOf(day(2017, 9, 30), {50, 30, 13, 54, 21, 18}, 20),
          drawOf(day(2017, 9, 27), {30, 45, 47, 55, 35, 52}, 40)}},
        {{"uk-lotto_space-padded.csv"}, lotteryProfile(6, 1, 59, 59), {364, 0, 0}, {}, day(2018, 1, 3), day(2021, 7, 7),
         {drawOf(day(2021, 7, 7), {2, 3, 7, 20, 40, 52}, 14), drawOf(day(2021, 7, 3), {1, 12, 27, 29, 31, 47}, 23)}},
        // Two rounds a night from 10 June 2026: 33 dates hold two draws each.
        {{"uk-lotto_two-rounds-2026.excerpt.csv"}, lotteryProfile(6, 1, 59, 59), {114, 33, 0}, {}, day(2025, 12, 24),
         day(2026, 9, 30),
         {drawOf(day(2026, 9, 30), {18, 26, 48, 49, 51, 53}, 33),
          drawOf(day(2026, 9, 30), {25, 52, 53, 54, 55, 57}, 26)}},
        // Canada Lotto 6/49: 6 balls from 1 to 49 and a bonus.
        {{"canada-lotto649.csv"}, lotteryProfile(6, 1, 49, 49), {4210, 0, 0}, {}, day(1982, 6, 12), day(2024, 5, 25),
         {drawOf(day(1982, 6, 12), {3, 11, 12, 14, 41, 43}, 13), drawOf(day(1982, 6, 19), {8, 33, 36, 37, 39, 41}, 9)}},
        // Israel Lotto, all eras: 6 balls from 1 to 49 (up to 42, 49, then 37) and a
        // bonus or strong number up to 49. Its 70 draws of 1968 and 1969 come
        // before the first date a draw can have and are rejected by line.
        {{"israel-lotto_cp1255.csv", "israel-lotto.converted-utf8-bom.csv"}, lotteryProfile(6, 1, 49, 49),
         {4300, 0, 0}, linesFrom(4302, 4371), day(1970, 1, 6), day(2025, 3, 25),
         {drawOf(day(2025, 3, 25), {6, 13, 18, 20, 22, 28}, 5), drawOf(day(2025, 3, 22), {1, 3, 8, 14, 17, 33}, 2)}},
        // Powerball, all eras: 5 balls from 1 to 69 and a Powerball up to 39.
        {{"us-powerball_ny-open-data.csv"}, lotteryProfile(5, 1, 69, 39), {1757, 0, 0}, {}, day(2010, 2, 3),
         day(2025, 3, 12),
         {drawOf(day(2020, 9, 26), {11, 21, 27, 36, 62}, 24), drawOf(day(2020, 9, 30), {14, 18, 36, 49, 67}, 18),
          drawOf(day(2018, 1, 6), {12, 61, 30, 29, 33}, 26)}},
        // Mega Millions, all eras: 5 balls from 1 to 75 and a Mega Ball up to 52.
        {{"us-megamillions_ny-open-data.csv"}, lotteryProfile(5, 1, 75, 52), {2379, 0, 0}, {}, day(2002, 5, 17),
         day(2025, 3, 11),
         {drawOf(day(2020, 9, 25), {20, 36, 37, 48, 67}, 16), drawOf(day(2020, 9, 29), {14, 39, 43, 44, 67}, 19)}},
        // Mega Millions since October 2017: 5 balls from 1 to 70 and a Mega Ball up to 25.
        {{"us-megamillions_pipe-separated.csv"}, lotteryProfile(5, 1, 70, 25), {916, 0, 0}, {}, day(2017, 10, 31),
         day(2026, 8, 7),
         {drawOf(day(2017, 10, 31), {6, 28, 31, 52, 53}, 12), drawOf(day(2017, 11, 3), {10, 22, 42, 61, 69}, 3)}},
        // Texas Pick 3: 3 digits from 0 to 9, no bonus (the last column is their sum).
        {{"us-texas-pick3-morning.csv"}, lotteryProfile(3, 0, 9), {812, 0, 0}, {}, day(2013, 9, 9), day(2016, 4, 12),
         {drawOf(day(2013, 9, 9), {3, 9, 8}), drawOf(day(2013, 9, 10), {7, 1, 8})}},
        // Georgia Cash 3: 3 digits from 0 to 9, no bonus, three draws a day. Of its
        // 3329 rows 26 are skipped: the 20 rows the file repeats, and 6 draws
        // whose digits repeat another draw of the same day (a stored draw is
        // its date and numbers, so the two are one draw to the merge).
        {{"us-georgia-cash3.csv"}, lotteryProfile(3, 0, 9), {3303, 2200, 26}, {}, day(2022, 7, 26), day(2025, 8, 1),
         {drawOf(day(2025, 8, 1), {7, 9, 0}), drawOf(day(2025, 8, 1), {6, 4, 8})}},
    };
    return files;
}

TEST(RealDrawFiles, eachImportsItsDrawsInDateOrderWithTheQuotedRowsAndNamedRejects) {
    for (const RealFile& file : realFiles()) {
        for (const char* name : file.names) {
            SCOPED_TRACE(name);
            const Imported imported = importRealFile(name, file.profile);
            const DrawList& draws = imported.draws;
            EXPECT_EQ(imported.outcome.status, ImportStatus::Completed);
            EXPECT_EQ(imported.outcome.counters, file.counters);
            ASSERT_EQ(draws.size(), static_cast<std::size_t>(file.counters.imported));

            std::vector<int> rejected;
            for (const RejectedLine& reject : imported.rows.rejects) rejected.push_back(reject.line);
            EXPECT_EQ(rejected, file.rejectedLines);

            EXPECT_EQ(draws.at(0).date, file.first);
            EXPECT_EQ(draws.back().date, file.last);
            EXPECT_TRUE(std::is_sorted(draws.begin(), draws.end(),
                                       [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; }));
            for (const DrawRecord& draw : draws) {
                for (int ball = 1; ball <= DrawRecord::kBallCount; ++ball) {
                    EXPECT_TRUE(ball <= file.profile.balls
                                    ? draw.ball(ball) >= file.profile.min && draw.ball(ball) <= file.profile.max
                                    : draw.ball(ball) <= 0);
                }
                EXPECT_TRUE(draw.bonus <= file.profile.bonus);
            }
            for (const DrawRecord& quoted : file.quoted) {
                const std::vector<DrawRecord> sameDay = drawsOn(draws, quoted.date);
                EXPECT_TRUE(std::any_of(sameDay.begin(), sameDay.end(), [&](const DrawRecord& draw) {
                    return comparedForm(draw, file.profile) == comparedForm(quoted, file.profile);
                })) << "no draw " << quoted.ball1 << "... on " << quoted.date;
            }
        }
    }
}

TEST(RealDrawFiles, drawsOfOneDateAreStoredInTheOrderTheyWereDrawnAndASecondImportSkipsEveryRow) {
    const LotteryProfile cash3 = lotteryProfile(3, 0, 9);
    const Imported georgia = importRealFile("us-georgia-cash3.csv", cash3);
    // The newest-first file lists Night, Evening, Midday: stored Midday first.
    EXPECT_EQ(drawsOn(georgia.draws, day(2025, 7, 31)),
              (std::vector<DrawRecord>{drawOf(day(2025, 7, 31), {3, 5, 1}), drawOf(day(2025, 7, 31), {9, 9, 9}),
                                       drawOf(day(2025, 7, 31), {5, 3, 4})}));

    DrawList draws = georgia.draws;
    testing::RecordingImportObserver observer;
    const ImportOutcome again = importTableRows(
        georgia.rows, draws, cash3, [](const DrawList&) { return DrawFileResult{}; }, observer);
    EXPECT_EQ(again.counters, (ImportCounters{0, 0, 3329}));
    EXPECT_EQ(draws.size(), georgia.draws.size());
}

}  // namespace
}  // namespace numora
