// The published histories of games with a second drum in
// tests/data/real-draws-second-drum import into lotteries made as the README's
// presets make them, with exactly the draws the files' notes describe.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "draws/table/LayoutWords.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableMerge.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "settings/BallSlots.h"
#include "support/RecordingImportObserver.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::drawOf;

const FixedOffsetLocalTime kTime;  // UTC

std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }

LotteryProfile withSecondDrum(int balls, int max, int drumNumbers, int drumMin, int drumMax) {
    LotteryProfile profile = testing::lotteryProfile(balls, 1, max);
    profile.drum2 = drumNumbers;
    profile.drum2Min = drumMin;
    profile.drum2Max = drumMax;
    return profile;
}

struct SecondDrumFile {
    const char* name;
    LotteryProfile profile;
    ImportCounters counters;
    std::int32_t first;
    std::int32_t last;
    std::vector<DrawRecord> quoted;   // balls, then the second drum's numbers, as drawn
    std::vector<std::string> layout;  // the layout's lines after the file's
};

struct Imported {
    TableAnalysis analysis;
    TableRows rows;
    DrawList draws;
    ImportOutcome outcome;
};

Imported importFile(const char* name, const LotteryProfile& profile) {
    const std::string bytes =
        testing::readBytes(std::filesystem::path(NUMORA_TEST_DATA) / "real-draws-second-drum" / name);
    ImportPlan plan = planImport(bytes, std::nullopt, profile, DateOrder::MonthDayYear);
    Imported imported;
    EXPECT_EQ(plan.reader, DrawReader::Table);
    if (!plan.analysis || !plan.analysis->layout) {
        ADD_FAILURE() << (plan.analysis ? plan.analysis->problem : "read by the lenient reader");
        return imported;
    }
    imported.analysis = std::move(*plan.analysis);
    imported.rows = readTableRows(imported.analysis.records, *imported.analysis.layout, profile, kTime);
    testing::RecordingImportObserver observer;
    imported.outcome = importTableRows(
        imported.rows, imported.draws, profile, [](const DrawList&) { return DrawFileResult{}; }, observer);
    return imported;
}

const LotteryProfile kEuroMillions = withSecondDrum(5, 50, 2, 1, 12);
const LotteryProfile kEuroJackpot = withSecondDrum(5, 50, 2, 1, 12);
const LotteryProfile kLotto6aus49 = withSecondDrum(6, 49, 1, 0, 9);

TEST(SecondDrumFiles, eachImportsItsDrawsWithTheSecondDrumInTheSlotsAfterTheBalls) {
    const SecondDrumFile files[] = {
        // Newest first, every value quoted; the oldest rows in drawn order.
        {"euromillions-2004-2023.csv",
         kEuroMillions,
         {1598, 0, 0},
         day(2004, 2, 13),
         day(2023, 1, 13),
         {drawOf(day(2023, 1, 13), {4, 13, 25, 33, 37, 5, 10}), drawOf(day(2022, 3, 25), {6, 10, 24, 27, 29, 5, 12}),
          drawOf(day(2004, 2, 13), {32, 16, 29, 41, 36, 9, 7})},
         {"Date: column 1 \"Date\"", "Balls: columns 2 to 6 (\"Number 1\" to \"Number 5\")", "Bonus: none",
          "Second drum: columns 7 to 8 (\"Star 1\" to \"Star 2\")"}},
        // No heading, a draw counter first, day-first dotted dates.
        {"pl-eurojackpot-2012-2026.csv",
         kEuroJackpot,
         {981, 0, 0},
         day(2012, 3, 23),
         day(2026, 8, 14),
         {drawOf(day(2012, 3, 23), {5, 8, 21, 37, 46, 6, 8}), drawOf(day(2018, 2, 9), {7, 8, 24, 34, 46, 4, 8}),
          drawOf(day(2025, 8, 19), {3, 4, 11, 33, 47, 9, 6})},
         {"Date: day/month/year in column 2", "Balls: columns 3 to 7", "Bonus: none", "Second drum: columns 8 to 9"}},
        // The repeated block of 271 rows is skipped; a Superzahl of 0 is a number.
        {"de-lotto6aus49-superzahl-1991-2026.csv",
         kLotto6aus49,
         {3132, 0, 271},
         day(1991, 12, 7),
         day(2026, 8, 19),
         {drawOf(day(1991, 12, 7), {6, 16, 17, 41, 42, 49, 7}), drawOf(day(2000, 12, 6), {8, 9, 29, 30, 33, 43, 8}),
          drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 0}), drawOf(day(2026, 4, 11), {17, 23, 32, 33, 34, 46, 0})},
         {"Date: day/month/year in column 1 \"Date\"", "Balls: columns 2 to 7 (\"Number1\" to \"Number6\")",
          "Bonus: none", "Second drum: column 8 \"Superzahl\""}},
    };
    for (const SecondDrumFile& file : files) {
        SCOPED_TRACE(file.name);
        const Imported imported = importFile(file.name, file.profile);
        const DrawList& draws = imported.draws;
        EXPECT_EQ(imported.outcome.status, ImportStatus::Completed);
        EXPECT_EQ(imported.outcome.counters, file.counters);
        EXPECT_TRUE(imported.rows.rejects.empty());
        ASSERT_EQ(draws.size(), static_cast<std::size_t>(file.counters.imported));
        EXPECT_EQ(draws.at(0).date, file.first);
        EXPECT_EQ(draws.back().date, file.last);
        EXPECT_TRUE(std::is_sorted(draws.begin(), draws.end(),
                                   [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; }));
        for (const DrawRecord& quoted : file.quoted) {
            EXPECT_TRUE(std::any_of(draws.begin(), draws.end(), [&](const DrawRecord& draw) {
                return comparedForm(draw, file.profile) == comparedForm(quoted, file.profile);
            })) << "no draw on " << quoted.date;
        }
        if (imported.analysis.layout) {
            const std::vector<std::string> words = layoutInWords(imported.analysis, *imported.analysis.layout);
            EXPECT_EQ(std::vector<std::string>(words.begin() + 1, words.end()), file.layout);
        }
    }
}

// The largest second drum number of the draws up to each date, oldest first.
std::map<std::int32_t, int> largestUpTo(const DrawList& draws, const LotteryProfile& profile,
                                        const std::vector<std::int32_t>& ends) {
    std::map<std::int32_t, int> largest;
    for (const DrawRecord& draw : draws) {
        const auto end = std::find_if(ends.begin(), ends.end(), [&](std::int32_t date) { return draw.date <= date; });
        if (end == ends.end()) continue;
        for (int slot = profile.balls + 1; slot <= slotsInPlay(profile); ++slot) {
            largest[*end] = std::max(largest[*end], draw.ball(slot));
        }
    }
    return largest;
}

TEST(SecondDrumFiles, theDrumsEarlierSmallerRangesImportAsDrawnWithTheirZeros) {
    const Imported euroMillions = importFile("euromillions-2004-2023.csv", kEuroMillions);
    EXPECT_EQ(largestUpTo(euroMillions.draws, kEuroMillions, {day(2011, 5, 6), day(2016, 9, 23), day(2023, 1, 13)}),
              (std::map<std::int32_t, int>{{day(2011, 5, 6), 9}, {day(2016, 9, 23), 11}, {day(2023, 1, 13), 12}}));
    const Imported euroJackpot = importFile("pl-eurojackpot-2012-2026.csv", kEuroJackpot);
    EXPECT_EQ(largestUpTo(euroJackpot.draws, kEuroJackpot, {day(2014, 10, 3), day(2022, 3, 18), day(2026, 8, 14)}),
              (std::map<std::int32_t, int>{{day(2014, 10, 3), 8}, {day(2022, 3, 18), 10}, {day(2026, 8, 14), 12}}));

    const Imported lotto = importFile("de-lotto6aus49-superzahl-1991-2026.csv", kLotto6aus49);
    std::map<int, int> superzahlen;
    for (const DrawRecord& draw : lotto.draws) ++superzahlen[draw.ball(7)];
    // Counted over the distinct draws: the file's histogram less its repeated block.
    EXPECT_EQ(superzahlen.size(), 10u);
    EXPECT_EQ(superzahlen.begin()->first, 0);
    int repeatedZeros = 0;
    for (const TableRow& row : lotto.rows.rows) {
        repeatedZeros += row.line >= 3096 && row.line <= 3366 && row.draw.ball(7) == 0 ? 1 : 0;
    }
    EXPECT_EQ(superzahlen[0], 322 - repeatedZeros);
}

}  // namespace
}  // namespace numora
