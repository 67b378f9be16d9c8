#include <gtest/gtest.h>

#include "draws/CsvExport.h"
#include "draws/CsvImport.h"
#include "draws/DatedExport.h"
#include "draws/DrawCheck.h"
#include "draws/DrawListText.h"
#include "draws/DrawMerge.h"
#include "draws/DrawStats.h"
#include "draws/table/ReaderChoice.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingImportObserver.h"
#include "support/SecondDrumLotteries.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kEuroMillions;
using testing::kSuperzahl;

const FixedOffsetLocalTime kTime;
std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }

std::string realFile(const char* name) {
    return testing::readBytes(std::filesystem::path(NUMORA_TEST_DATA) / "real-draws-second-drum" / name);
}

// Imports bytes with the lenient reader in a day/month/year locale with dots.
DrawList importLeniently(const std::string& bytes, const LotteryProfile& profile, DrawList draws = {}) {
    const FixedLocaleInfo locale(DateOrder::DayMonthYear, ".");
    testing::RecordingImportObserver observer;
    importCsv(bytes, draws, {profile, locale, kTime, 0}, [](const DrawList&) { return DrawFileResult{}; }, observer);
    return draws;
}

}  // namespace

TEST(SecondDrumDraws, typedDrawsCheckTheSecondDrumAgainstItsOwnRangeAndRepeatsAmongItselfOnly) {
    // A main ball may equal a star, stars may come in drawn order, a Superzahl may be 0.
    EXPECT_EQ(checkEnteredDraw({3, 9, 17, 23, 40, 3, 12, 0}, kEuroMillions), std::nullopt);
    EXPECT_EQ(checkEnteredDraw({3, 9, 17, 23, 40, 9, 6, 0}, kEuroMillions), std::nullopt);
    EXPECT_EQ(checkEnteredDraw({3, 8, 9, 10, 29, 42, 0, 0}, kSuperzahl), std::nullopt);
    for (const auto& [draw, profile, failure] :
         std::vector<std::tuple<EnteredDraw, LotteryProfile, DrawCheckFailure>>{
             {{3, 9, 17, 23, 40, 13, 2, 0}, kEuroMillions, {"Second drum number 1 must be from 1 to 12.", 5, false}},
             {{3, 9, 17, 23, 40, 2, 0, 0}, kEuroMillions, {"Second drum number 2 must be from 1 to 12.", 6, false}},
             {{3, 9, 17, 23, 40, 7, 7, 0}, kEuroMillions,
              {"Invalid entry, second drum number 2 was already drawn.", 6, false}},
             {{3, 8, 9, 10, 29, 42, 10, 0}, kSuperzahl, {"Second drum number 1 must be from 0 to 9.", 6, false}},
             // The balls keep their own checks, before the second drum's.
             {{3, 9, 17, 23, 51, 13, 2, 0}, kEuroMillions, {"Ball 5 must be a smaller number.", 4, true}},
             {{9, 3, 17, 23, 40, 2, 11, 0}, kEuroMillions,
              {"Invalid entry, enter a number that is higher then ball 1.", 1, true}}}) {
        EXPECT_EQ(checkEnteredDraw(draw, profile), failure) << failure.message;
    }
    // The drum's numbers are checked whatever the flags; the bonus may equal a star but not a ball.
    LotteryProfile withBonus = kEuroMillions;
    withBonus.drum2 = 1;
    withBonus.bonus = 20;
    EXPECT_EQ(checkEnteredDraw({3, 9, 17, 23, 40, 7, 0, 7}, withBonus), std::nullopt);
    EXPECT_EQ(checkEnteredDraw({3, 9, 17, 23, 40, 7, 0, 9}, withBonus)->box, kBonusBox);
    withBonus.sort = false;
    EXPECT_EQ(checkEnteredDraw({3, 9, 17, 23, 40, 0, 0, 9}, withBonus)->box, 5);
}

TEST(SecondDrumDraws, theMergeComparesEachSlotWithItsOwnRangeSoASuperzahlOfZeroStays) {
    const DrawList draws = {drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 0}),
                            drawOf(day(2020, 3, 4), {1, 2, 3, 4, 5, 6, 7})};
    DrawList stored = draws;
    ImportCounters counters;
    {
        DrawMerger merger(stored, kSuperzahl);
        EXPECT_FALSE(merger.merge(drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 0}), true, counters));
        EXPECT_TRUE(merger.merge(drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 5}), true, counters));
        EXPECT_TRUE(merger.merge(drawOf(day(2020, 3, 7), {1, 2, 3, 4, 5, 6, 0}), true, counters));
    }
    EXPECT_EQ(counters, (ImportCounters{2, 1, 1}));
    ASSERT_EQ(stored.size(), 4u);
    // The draw visited keeps its Superzahl; only its bonus, which the lottery does not play, is cleared.
    EXPECT_EQ(stored.at(0), drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 0}, -1));
    EXPECT_EQ(stored.at(3).ball7, 0);
    // Past the second drum a slot is not in play: cleared to -1 as for any lottery.
    DrawList euro = {drawOf(day(2004, 2, 13), {32, 16, 29, 41, 36, 9, 0})};
    LotteryProfile oneStar = kEuroMillions;
    oneStar.drum2 = 1;
    {
        DrawMerger merger(euro, oneStar);
        merger.merge(drawOf(day(2004, 2, 20), {1, 2, 3, 4, 5, 6}), true, counters);
    }
    EXPECT_EQ(euro.at(0), drawOf(day(2004, 2, 13), {32, 16, 29, 41, 36, 9, -1}, -1));
    EXPECT_EQ(comparedForm(drawOf(0, {1, 2, 3, 4, 5, 13, 0}), kEuroMillions), drawOf(0, {1, 2, 3, 4, 5, -1, -1}, -1));
}

TEST(SecondDrumDraws, theExportWritesTheSecondDrumAndTheLenientReaderReadsItBack) {
    const DrawList draws = {drawOf(day(2020, 2, 29), {3, 8, 9, 10, 29, 42, 0}),
                            drawOf(day(2020, 3, 4), {1, 2, 3, 4, 5, 6, 9})};
    EXPECT_EQ(csvExportText(draws, kSuperzahl), "03,08,09,10,29,42,00\n01,02,03,04,05,06,09\n");
    const std::string bytes = csvExportBytes(draws, kSuperzahl);
    EXPECT_EQ(chooseReader(bytes, kSuperzahl), DrawReader::Lenient);
    const DrawList back = importLeniently(bytes, kSuperzahl);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back.at(0).ball7, 0);
    EXPECT_EQ(back.at(1).ball7, 9);

    // A lottery without a second drum exports as it always did.
    EXPECT_EQ(csvExportText(draws, {.name = "6 of 49", .bonus = 0}), "03,08,09,10,29,42\n01,02,03,04,05,06\n");
    EXPECT_EQ(datedExportText(draws, kSuperzahl, kTime),
              "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Star 1\n"
              "2020-02-29,03,08,09,10,29,42,00\n2020-03-04,01,02,03,04,05,06,09\n");
}

TEST(SecondDrumDraws, aFileThatIsNotWholeDrawLinesOfASecondDrumLotteryGoesToTheTableReader) {
    // EuroJackpot's file holds only the lenient characters but starts each line with a draw number.
    const std::string euroJackpot = realFile("pl-eurojackpot-2012-2026.csv");
    EXPECT_EQ(chooseReader(euroJackpot, kEuroMillions), DrawReader::Table);
    EXPECT_EQ(chooseReader(euroJackpot, {.name = "Lotto"}), DrawReader::Lenient);
    EXPECT_EQ(chooseReader(realFile("euromillions-2004-2023.csv"), kEuroMillions), DrawReader::Table);
    EXPECT_EQ(chooseReader("05,08,21,37,46,06,08,23.03.2012\n\n05,08,21,37,46,06,08\r\n", kEuroMillions),
              DrawReader::Lenient);
    // A date first, too few numbers, an empty field, a bonus the lottery does not have.
    for (const std::string bytes : {"23.03.2012,05,08,21,37,46,06,08\n", "05,08,21,37,46,06\n",
                                    "05,,08,21,37,46,06,08\n", "1,2,3,4,5,6,7,8\n"}) {
        EXPECT_EQ(chooseReader(bytes, kEuroMillions), DrawReader::Table) << bytes;
    }
    // Read leniently, the stars take the slots after the balls.
    const DrawList read = importLeniently("05,08,21,37,46,09,06,19.08.2025\n", kEuroMillions);
    EXPECT_EQ(read.at(0), drawOf(day(2025, 8, 19), {5, 8, 21, 37, 46, 9, 6}));
}

TEST(SecondDrumDraws, statisticsAndTheDrawListShowTheSecondDrumApart) {
    const DrawList draws = {drawOf(0, {3, 8, 9, 10, 29, 42, 0}), drawOf(0, {1, 2, 3, 4, 5, 6, 9}),
                            drawOf(0, {1, 2, 3, 4, 5, 6, 0})};
    const DrawStatistics statistics = countDrawNumbers(draws, kSuperzahl);
    ASSERT_EQ(statistics.rows.size(), 49u);
    EXPECT_EQ(statistics.rows[2], (NumberFrequency{3, 3}));
    EXPECT_EQ(statistics.rows[8], (NumberFrequency{9, 1}));  // the Superzahl 9 is not ball 9
    ASSERT_EQ(statistics.secondDrum.size(), 10u);
    EXPECT_EQ(statistics.secondDrum[0], (NumberFrequency{0, 2}));
    EXPECT_EQ(statistics.secondDrum[9], (NumberFrequency{9, 1}));
    EXPECT_TRUE(countDrawNumbers(draws, {.name = "6 of 49"}).secondDrum.empty());

    const FixedLocaleInfo locale;
    std::string headings;
    std::string cells;
    for (int column = 0; column < kDrawBonusColumn; ++column) {
        headings += drawColumnHeading(column, kEuroMillions) + " ";
        cells += drawCellText(drawOf(0, {3, 9, 17, 23, 40, 2, 11}), column, kEuroMillions, locale, kTime) + " ";
    }
    EXPECT_EQ(headings, "B1 B2 B3 B4 B5 S1 S2 ");
    EXPECT_EQ(cells, "03 09 17 23 40 02 11 ");
    EXPECT_EQ(drawCellText(draws.at(0), 6, kSuperzahl, locale, kTime), "00");
}

}  // namespace numora
