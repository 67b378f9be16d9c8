// Layouts that no test file holds: the detection rests on rules.
#include <gtest/gtest.h>

#include "draws/table/LayoutWords.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableRows.h"
#include "picking/PickingTestData.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::lotteryProfile;

const FixedOffsetLocalTime kTime;  // UTC

std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }

std::vector<DrawRecord> draws(const TableRows& rows) {
    std::vector<DrawRecord> read;
    for (const TableRow& row : rows.rows) read.push_back(row.draw);
    return read;
}

std::vector<std::string> reasons(const TableRows& rows) {
    std::vector<std::string> read;
    for (const RejectedLine& reject : rows.rejects) read.push_back(reject.reason);
    return read;
}

TableRows readAll(const TableAnalysis& analysis, const LotteryProfile& lottery) {
    if (!analysis.layout) {
        ADD_FAILURE() << analysis.problem;
        return {};
    }
    return readTableRows(analysis.records, *analysis.layout, lottery, kTime);
}

TEST(TableReader, semicolonFileWithGermanDatesAMoneyColumnAndCommentsIsReadLineByLine) {
    const LotteryProfile lotto = lotteryProfile(6, 1, 49, 49);
    const std::string file =
        "# Lottozahlen 6 aus 49\n"
        "Ziehung Nr;Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Zusatzzahl;Jackpot;\n"
        "1;Mi. 3. M\xC3\xA4rz 2021;3;11;12;14;41;43;13;1.234,56 \xE2\x82\xAC;\n"
        "\n"
        "2;Sa., 6. M\xC3\xA4rz 2021;8;33;36;37;39;41;9;2.000.000,00 \xE2\x82\xAC;\n"
        "3;10. M\xC3\xA4r 2021;1;2;3;4;5;6;;0,00 \xE2\x82\xAC;\n"
        "4;13. M\xC3\xA4rz 2021;1;2;3;4;5;;;0,00 \xE2\x82\xAC;\n"
        "5;17. M\xC3\xA4rz 2021;1;2;3;4;5;60;7;0,00 \xE2\x82\xAC;\n";
    const TableAnalysis analysis = analyseTable(file, lotto, DateOrder::MonthDayYear);
    const TableRows rows = readAll(analysis, lotto);

    EXPECT_EQ(draws(rows), (std::vector<DrawRecord>{drawOf(day(2021, 3, 3), {3, 11, 12, 14, 41, 43}, 13),
                                                    drawOf(day(2021, 3, 6), {8, 33, 36, 37, 39, 41}, 9),
                                                    drawOf(day(2021, 3, 10), {1, 2, 3, 4, 5, 6}, 0)}));
    EXPECT_EQ(reasons(rows), (std::vector<std::string>{"line 7: 5 numbers where the lottery has 6",
                                                       "line 8: ball 60 is outside the lottery's 1 to 49"}));
    EXPECT_EQ(layoutInWords(analysis, *analysis.layout),
              (std::vector<std::string>{
                  "File: UTF-8, semicolon-separated, heading on line 2, 2 blank, comment or text lines.",
                  "Date: column 2 \"Datum\"", "Balls: columns 3 to 8 (\"Zahl 1\" to \"Zahl 6\")",
                  "Bonus: column 9 \"Zusatzzahl\""}));
}

TEST(TableReader, everyUnicodeFormReadsTheSameDrawsWhateverItsDelimiterAndDates) {
    const LotteryProfile lotto = lotteryProfile(6, 1, 59, 59);
    const std::vector<DrawRecord> expected = {drawOf(day(2021, 7, 7), {2, 3, 7, 20, 40, 52}, 14),
                                              drawOf(day(2021, 7, 3), {1, 12, 27, 29, 31, 47}, 23)};
    const std::u16string tabbedFrench =
        u"mer. 7 juil. 2021\t2\t3\t7\t20\t40\t52\t14\r\n"
        u"sam. 3 juil. 2021\t1\t12\t27\t29\t31\t47\t23\r\n";
    const std::u16string spacedIso =
        u"  2021-07-07T00:00:00   02 03 07 20 40 52    14 \n"
        u"2021-07-03T00:00:00 01 12 27 29 31 47 23\n";
    const std::string quotedWithTimes =
        "\"Draw Date\",\"Numbers\",\"Extra\"\n"
        "\"Jul 7, 2021 12:00:00 AM\",\"02-03-07-20-40-52\",\"14\"\n"
        "\"Jul 3, 2021 12:00:00 AM\",\"01-12-27-29-31-47\",\"23\"\n";
    const struct {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
        Delimiter delimiter;
    } files[] = {
        {"UTF-16LE with mark, tabs", testing::utf16WithMark(tabbedFrench), TextEncoding::Utf16Le, Delimiter::Tab},
        {"UTF-16BE without mark, tabs", testing::utf16Bytes(tabbedFrench, true), TextEncoding::Utf16Be, Delimiter::Tab},
        {"UTF-16LE without mark, spaces", testing::utf16Bytes(spacedIso), TextEncoding::Utf16Le, Delimiter::Spaces},
        {"UTF-8 with mark, quoted", "\xEF\xBB\xBF" + quotedWithTimes, TextEncoding::Utf8, Delimiter::Comma},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const TableAnalysis analysis = analyseTable(file.bytes, lotto, DateOrder::DayMonthYear);
        EXPECT_EQ(analysis.encoding, file.encoding);
        EXPECT_EQ(analysis.delimiter, file.delimiter);
        const TableRows rows = readAll(analysis, lotto);
        EXPECT_EQ(draws(rows), expected);
        EXPECT_EQ(reasons(rows), std::vector<std::string>{});
    }
}

TEST(TableReader, dayAndMonthFollowTheWholeFileThenTheLocale) {
    const LotteryProfile lotto = lotteryProfile(6, 1, 49, 0);
    // 8-bit text: its heading's umlaut is no UTF-8, and its code page is unknown.
    const std::string ambiguous =
        "Datum,Gl\xFC"
        "ckszahlen\n07.03.21,1 2 3 4 5 6\n04.05.21,7|8|9|10|11|12\n";
    const TableAnalysis dayFirst = analyseTable(ambiguous, lotto, DateOrder::DayMonthYear);
    EXPECT_EQ(dayFirst.encoding, TextEncoding::EightBit);
    EXPECT_EQ(draws(readAll(dayFirst, lotto)).front().date, day(2021, 3, 7));
    EXPECT_EQ(layoutInWords(dayFirst, *dayFirst.layout)[1], "Date: day/month/year in column 1 \"Datum\"");
    EXPECT_EQ(layoutInWords(dayFirst, *dayFirst.layout)[2], "Balls: packed in column 2");
    const TableAnalysis monthFirst = analyseTable(ambiguous, lotto, DateOrder::MonthDayYear);
    EXPECT_EQ(draws(readAll(monthFirst, lotto)).front().date, day(2021, 7, 3));

    // One day above 12 decides for the whole file, whatever the locale; a line
    // that reads only in the other order is rejected, not guessed at.
    const std::string decided = ambiguous + "25.05.21,1 2 3 4 5 6\n26.05.21,1 2 3 4 5 6\n05.25.21,1 2 3 4 5 6\n";
    const TableAnalysis analysis = analyseTable(decided, lotto, DateOrder::MonthDayYear);
    const TableRows rows = readAll(analysis, lotto);
    EXPECT_EQ(draws(rows).front().date, day(2021, 3, 7));
    EXPECT_EQ(reasons(rows), std::vector<std::string>{"line 6: \"05.25.21\" is not a date in day/month/year order"});
}

TEST(TableReader, drawNumbersSumsMultipliersAndHeadedCountsAreNeverBallsOrBonus) {
    const LotteryProfile lotto = lotteryProfile(6, 1, 49, 99);
    // The draw number counts up within the ball range; the number after the
    // balls is their sum, within the bonus range; then a multiplier.
    const std::vector<std::vector<int>> balls = {{1, 5, 9, 12, 20, 30},  {2, 4, 8, 15, 22, 31},  {3, 6, 7, 11, 25, 33},
                                                 {1, 2, 3, 4, 5, 6},     {7, 9, 10, 13, 14, 18}, {2, 3, 16, 17, 19, 21},
                                                 {4, 8, 12, 16, 20, 24}, {5, 10, 11, 16, 17, 28}};
    std::string headless;
    for (int line = 1; line <= 8; ++line) {
        headless += std::to_string(line) + "," + std::to_string(line) + "/20/2006";
        int sum = 0;
        // Appended piece by piece: GCC 12 at -O3 misreads "," + a temporary string as an overlapping copy.
        for (const int ball : balls[static_cast<std::size_t>(line - 1)]) {
            headless.append(",").append(std::to_string(ball));
            sum += ball;
        }
        headless.append(",").append(std::to_string(sum)).append(",3X\n");
    }
    const TableAnalysis analysis = analyseTable(headless, lotto, DateOrder::DayMonthYear);
    ASSERT_TRUE(analysis.layout.has_value()) << analysis.problem;
    EXPECT_EQ(analysis.layout->date, (DateSource{false, 1, DateOrder::MonthDayYear}));
    EXPECT_EQ(analysis.layout->balls, (BallSource{{2, 3, 4, 5, 6, 7}, false}));
    EXPECT_EQ(analysis.layout->bonus, BonusSource{});

    // A count of winners headed as such after the balls is no bonus either.
    const std::string headed =
        "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Winners\n"
        "2006-01-04,1,2,3,4,5,6,2\n2006-01-07,7,8,9,10,11,12,10\n";
    const TableAnalysis winners = analyseTable(headed, lotto, DateOrder::DayMonthYear);
    ASSERT_TRUE(winners.layout.has_value()) << winners.problem;
    EXPECT_EQ(winners.layout->bonus, BonusSource{});
}

TEST(TableReader, linesThatCannotBeReadAreRejectedWithTheirReasonsAndFilesWithoutDrawsSayWhy) {
    const LotteryProfile lotto = lotteryProfile(5, 1, 69, 26);
    const std::string file =
        "Draw Date,Winning Numbers,Powerball\n"
        "01/06/2018,12 61 30 29 33,26\n"
        ",12 61 30 29 33,26\n"
        "01/10/2018,12 61 30 29,26\n"
        "01/13/2018,12 61 30 29 33,27\n"
        "1/17/2018,12 61 30 29 33,x\n"
        "Jan 20 2018,12 61 3a 29 33,1\n"
        "1/24/2040,12 61 30 29 33,1\n";
    const TableAnalysis analysis = analyseTable(file, lotto, DateOrder::DayMonthYear);
    const TableRows rows = readAll(analysis, lotto);
    EXPECT_EQ(draws(rows), std::vector<DrawRecord>{drawOf(day(2018, 1, 6), {12, 61, 30, 29, 33}, 26)});
    EXPECT_EQ(reasons(rows), (std::vector<std::string>{
                                 "line 3: no date",
                                 "line 4: 4 numbers where the lottery has 5",
                                 "line 5: bonus 27 is above the lottery's highest bonus 26",
                                 "line 6: \"x\" is not a bonus number",
                                 "line 7: \"12 61 3a 29 33\" is not a number",
                                 "line 8: 2040-01-24 is outside the dates a draw can have (1970-01-01 to 2038-01-18)",
                             }));

    const struct {
        std::string bytes;
        const char* problem;
    } withoutDraws[] = {
        {"Date,Ball 1\n", "The file holds no lines to read draws from."},
        {"a b c\n1 2 3 4 5\n1 2 3 4 5\n", "No column holds a date on most lines."},
        {"Date,N1,N2\n2020-01-01,1,2\n", "No columns hold 5 balls from 1 to 69 beside the date."},
        // Two draws a line (here with a draw number first): never half of them.
        {"Concurso;Data;Bola1 Sorteio1;Bola2 Sorteio1;Bola3 Sorteio1;Bola4 Sorteio1;Bola5 Sorteio1;Bola1 Sorteio2;"
         "Bola2 Sorteio2;Bola3 Sorteio2;Bola4 Sorteio2;Bola5 Sorteio2\n"
         "2001;05/01/2020;1;2;3;4;5;60;61;62;63;64\n2002;08/01/2020;6;7;8;9;10;11;12;13;14;15\n",
         "Columns 3 to 12 hold 10 numbers on each line where the lottery draws 5."},
    };
    for (const auto& [bytes, problem] : withoutDraws) {
        const TableAnalysis none = analyseTable(bytes, lotto, DateOrder::DayMonthYear);
        EXPECT_FALSE(none.layout.has_value()) << bytes;
        EXPECT_EQ(none.problem, problem) << bytes;
    }
}

// Headings only help: one that names fewer columns than the lines hold, the
// bonus like a ball, or a date over numbers never moves the balls; a line that
// reads as a draw under them is a draw, even where it holds a word.
TEST(TableReader, theColumnsContentsDecideWhateverTheHeadingsSay) {
    const std::string lines =
        "01,02,03,04,05,06,07,1/4/2006\n10,11,12,13,14,15,16,1/11/2006\n21,22,23,24,25,26,9,1/18/2006\n";
    const struct {
        const char* heading;
        LotteryProfile lottery;
        DrawRecord first;
    } cases[] = {
        {"Date,B1,B2\n\n", lotteryProfile(6, 1, 49, 19), drawOf(day(2006, 1, 4), {1, 2, 3, 4, 5, 6}, 7)},
        {"Date,B1,B2,B3\n", lotteryProfile(6, 1, 49, 19), drawOf(day(2006, 1, 4), {1, 2, 3, 4, 5, 6}, 7)},
        {"Date,B1,B2,B3\n", lotteryProfile(4, 1, 30, 0), drawOf(day(2006, 1, 4), {1, 2, 3, 4})},
        {"N1,N2,N3,N4,N5,N6,N7,Date\n", lotteryProfile(6, 1, 49, 19), drawOf(day(2006, 1, 4), {1, 2, 3, 4, 5, 6}, 7)},
        {"Date,N1,N2,N3,N4,N5,N6,N7\n", lotteryProfile(6, 1, 49, 19), drawOf(day(2006, 1, 4), {1, 2, 3, 4, 5, 6}, 7)},
    };
    for (const auto& [heading, lottery, first] : cases) {
        SCOPED_TRACE(heading);
        const TableRows rows =
            readAll(analyseTable(std::string(heading) + lines, lottery, DateOrder::MonthDayYear), lottery);
        ASSERT_EQ(draws(rows).size(), 3u);
        EXPECT_EQ(draws(rows).front(), first);
        EXPECT_EQ(reasons(rows), std::vector<std::string>{});
    }

    // A one-line heading over a first draw whose jackpot is a word: the draw is kept.
    const std::string semicolons =
        "Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Zahl 6;Jackpot\n"
        "03.01.2021;1;2;3;4;5;6;unbekannt\n06.01.2021;7;8;9;10;11;12;1000000\n09.01.2021;13;14;15;16;17;18;2000000\n";
    const LotteryProfile lotto = lotteryProfile(6, 1, 49, 0);
    const TableAnalysis analysis = analyseTable(semicolons, lotto, DateOrder::DayMonthYear);
    EXPECT_EQ(analysis.headingLines, std::vector<int>{1});
    EXPECT_EQ(draws(readAll(analysis, lotto)).front(), drawOf(day(2021, 1, 3), {1, 2, 3, 4, 5, 6}));
}

// A file is refused whole only when no layout reads most of its lines: lines
// with fewer numbers, without a date or with a date no draw can have are
// rejected one by one, and lines without a digit are no lines to read.
TEST(TableReader, linesThatDoNotFitAreRejectedOneByOneAndTheFileStillReads) {
    const LotteryProfile pick3 = lotteryProfile(3, 0, 9);
    const std::string file =
        "1,2,3,1/4/2006\n4,5,1/5/2006\n4,5,6,1/6/2006\n-----------\n7,8,9,1/7/2006\n1, 2,3\n"
        "1,2,3,4/5/72\n1,2,3,1/18/2038\n1,2,3,1/20/2038\n1,2,3,12/31/1969\n";
    const TableAnalysis analysis = analyseTable(file, pick3, DateOrder::MonthDayYear);
    const TableRows rows = readAll(analysis, pick3);
    EXPECT_EQ(draws(rows).size(), 5u);
    EXPECT_EQ(draws(rows)[3], drawOf(day(1972, 4, 5), {1, 2, 3}));
    EXPECT_EQ(draws(rows)[4], drawOf(day(2038, 1, 18), {1, 2, 3}));
    EXPECT_EQ(reasons(rows),
              (std::vector<std::string>{
                  "line 2: 2 numbers where the lottery has 3", "line 6: no date",
                  "line 9: 2038-01-20 is outside the dates a draw can have (1970-01-01 to 2038-01-18)",
                  "line 10: 1969-12-31 is outside the dates a draw can have (1970-01-01 to 2038-01-18)"}));
    EXPECT_EQ(layoutInWords(analysis, *analysis.layout).front(),
              "File: UTF-8, comma-separated, no heading, 1 blank, comment or text lines.");
}

// Without headings, a column after the balls is their bonus when its numbers
// fit the bonus, however often they reach its highest, but not when it holds
// a handful of small numbers (a multiplier) where bonuses would have gone higher.
TEST(TableReader, aMultiplierAfterTheBallsIsNoBonusButABonusUpToItsHighestIs) {
    const LotteryProfile powerball = lotteryProfile(5, 1, 69, 26);
    const int multipliers[] = {2, 3, 2, 4, 5, 2, 3, 10, 2, 2, 3, 4, 2, 5, 3, 2};
    const int bonuses[] = {26, 26, 3, 26, 17, 26, 1, 26, 12, 26, 26, 8, 26, 26, 20, 26};
    std::string withMultiplier;
    std::string withBonus;
    for (int line = 0; line < 16; ++line) {
        const int ball = line * 7 % 16 + 1;  // no column counts by one
        const std::string draw = formatText("%d/%d/2016,%d,%d,%d,%d,%d,", line % 12 + 1, line + 1, ball, ball + 17,
                                            ball + 33, ball + 48, 69 - ball);
        withMultiplier += draw + std::to_string(multipliers[line]) + "\n";
        withBonus += draw + std::to_string(bonuses[line]) + "\n";
    }
    const TableAnalysis multiplied = analyseTable(withMultiplier, powerball, DateOrder::MonthDayYear);
    ASSERT_TRUE(multiplied.layout.has_value()) << multiplied.problem;
    EXPECT_EQ(multiplied.layout->bonus, BonusSource{});
    const TableAnalysis bonused = analyseTable(withBonus, powerball, DateOrder::MonthDayYear);
    ASSERT_TRUE(bonused.layout.has_value()) << bonused.problem;
    EXPECT_EQ(bonused.layout->bonus, (BonusSource{BonusSource::Kind::Column, 6}));
    EXPECT_EQ(draws(readAll(bonused, powerball)).front(), drawOf(day(2016, 1, 1), {1, 18, 34, 49, 68}, 26));
}

}  // namespace
}  // namespace numora
