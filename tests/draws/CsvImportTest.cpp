#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "draws/DrawFile.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableMerge.h"
#include "picking/PickingTestData.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingImportObserver.h"
#include "support/TestFiles.h"

namespace numora {

namespace {

using RecordingObserver = testing::RecordingImportObserver;
using testing::drawOf;

const FixedOffsetLocalTime kTime;  // UTC; the program started on 2026-12-06 10:30
const std::int32_t kStart = kTime.toSeconds(kTime.now());
std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }

struct ImportRun {
    LotteryProfile profile;  // 6 balls from 1 to 49, bonus up to 49
    FixedLocaleInfo locale{DateOrder::MonthDayYear, "/"};
    DrawFileResult saveResult;
    DrawList saved;
    RecordingObserver observer;

    ImportOutcome run(const std::string& bytes, DrawList& draws) {
        const DrawSaver save = [this](const DrawList& list) {
            saved = list;
            return saveResult;
        };
        return importCsv(bytes, draws, {profile, locale, kTime, kStart}, save, observer);
    }
};

std::vector<std::string> readLines(std::string_view bytes) {
    CsvLineReader reader(bytes);
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);) lines.push_back(line + "@" + std::to_string(reader.lineNumber()));
    return lines;
}

}  // namespace

TEST(CsvImport, mergesRepeatsAndSkipsLinesAndShowsTheRunOnTheInfoLine) {
    ImportRun run;
    DrawList draws;
    const ImportOutcome outcome = run.run(
        "Date,B1,B2\n01,02,03,04,05,06,07,1/4/2006\n\n01,02,03,04,05,06,07,1/4/2006\n"
        "01,02,03,04,05,09,07,1/4/2006\n1, 2,3",
        draws);

    EXPECT_EQ(outcome.status, ImportStatus::Completed);
    EXPECT_EQ(outcome.counters, (ImportCounters{3, 1, 1}));
    const DrawList expected = {
        {day(2006, 1, 4), 1, 2, 3, 4, 5, 6, -1, 7}, {day(2006, 1, 4), 1, 2, 3, 4, 5, 9, -1, 7}, {kStart, 1}};
    EXPECT_EQ(draws, expected);
    EXPECT_EQ(run.saved, expected);
    EXPECT_EQ(run.observer.messages,
              std::vector<std::string>{
                  "Imported 3 lines into past draw file.\nRecorded 1 repeat draw dates.\nSkipped 1 lines."});
    const std::vector<std::string>& infos = run.observer.infos;
    EXPECT_EQ((std::vector<std::string>{infos.front(), infos[1], infos[3], infos.back()}),
              (std::vector<std::string>{"Preparing to Import", "Date,B1,B2\n", "Reading:1 Draws", "Import Complete"}));
}

// The import avoids three faults of a naive walk over the draws: a line dated
// like stored draws goes after all of them, an undated line counts once, and a
// line equal to any draw of its date (not only the first) is skipped, however
// often a file of several draws a day is imported again.
TEST(CsvImport, sameDateLinesGoAfterTheDrawsOfThatDateAndAreStoredOnceWhateverTheirPlace) {
    ImportRun run;
    run.profile.min = 0;
    DrawList draws = {{day(2006, 1, 1), 1}, {day(2006, 3, 1), 2}, {day(2006, 3, 1), 3}, {day(2006, 5, 1), 4}};
    EXPECT_EQ(run.run("9,3/1/2006\n8,2/1/2006\n7,12/31/2006\n", draws).counters, (ImportCounters{3, 1, 0}));
    EXPECT_EQ(draws, (DrawList{{day(2006, 1, 1), 1},
                               {day(2006, 2, 1), 8},
                               {day(2006, 3, 1), 2},
                               {day(2006, 3, 1), 3},
                               {day(2006, 3, 1), 9},
                               {day(2006, 5, 1), 4},
                               {day(2006, 12, 31), 7}}));
    const DrawList once = draws;
    for (int again = 0; again < 3; ++again) {
        EXPECT_EQ(run.run("3,3/1/2006\n9,3/1/2006\n", draws).counters, (ImportCounters{0, 0, 2}));
    }
    EXPECT_EQ(draws, once);

    DrawList later = {{day(2030, 1, 1), 1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", later).counters, (ImportCounters{2, 0, 0}));
    EXPECT_EQ(later.size(), 3u);
    EXPECT_EQ(later.at(2), (DrawRecord{kStart, 1, 2, 3, 4, 5, 6}));
    DrawList empty;
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", empty).counters, (ImportCounters{2, 0, 1}));
    EXPECT_EQ(empty.size(), 2u);
}

// A file listing the latest draws first, three a day (night, evening,
// midday): each day's draws are stored midday first, as they were drawn.
TEST(CsvImport, aNewestFirstFileStoresEachDaysDrawsInTheOrderTheyWereDrawn) {
    ImportRun run;
    run.profile = testing::lotteryProfile(3, 0, 9);
    DrawList draws;
    run.run("3,3,3,1/2/2025\n2,2,2,1/2/2025\n1,1,1,1/2/2025\n6,6,6,1/1/2025\n5,5,5,1/1/2025\n9,9,9,12/31/2024\n",
            draws);
    std::vector<int> firstBalls;
    for (const DrawRecord& draw : draws) firstBalls.push_back(draw.ball1);
    EXPECT_EQ(firstBalls, (std::vector<int>{9, 5, 6, 1, 2, 3}));
}

// Lowering a lottery's highest ball hides the stored numbers above it; an
// import then leaves them as they were, whichever reader runs, so raising it
// again shows the draws whole. Only the slots the lottery does not play
// (balls after its count, here ball 6 and 7) are cleared, as stored files
// hold them.
TEST(CsvImport, importsUnderANarrowedRangeCompareButNeverRewriteTheNumbersInPlay) {
    const LotteryProfile narrowed = testing::lotteryProfile(5, 1, 30, 26);
    const DrawList stored = {drawOf(day(2006, 1, 1), {40, 17, 23, 45, 42}, 25)};
    const DrawList kept = {{day(2006, 1, 1), 40, 17, 23, 45, 42, -1, -1, 25},
                           drawOf(day(2006, 1, 2), {1, 2, 3, 4, 5}, 6)};
    const DrawSaver keep = [](const DrawList&) { return DrawFileResult{}; };
    const FixedLocaleInfo locale;

    DrawList lenient = stored;
    RecordingObserver observer;
    EXPECT_EQ(importCsv("1,2,3,4,5,6,1/2/2006\n", lenient, {narrowed, locale, kTime, kStart}, keep, observer).counters,
              (ImportCounters{1, 0, 0}));
    EXPECT_EQ(lenient, kept);

    DrawList table = stored;
    const TableRows rows{{{1, drawOf(day(2006, 1, 2), {1, 2, 3, 4, 5}, 6)}}, {}};
    EXPECT_EQ(importTableRows(rows, table, narrowed, keep, observer).counters, (ImportCounters{1, 0, 0}));
    EXPECT_EQ(table, kept);

    // Compared under the narrowed range, the draw is still the one its line gives.
    EXPECT_EQ(
        importCsv("40,17,23,45,42,25,1/1/2006\n", lenient, {narrowed, locale, kTime, kStart}, keep, observer).counters,
        (ImportCounters{0, 0, 1}));
}

TEST(CsvImport, failuresChangeNothingOrKeepTheDrawsInMemory) {
    ImportRun run;
    DrawList draws = {{day(2006, 1, 1), 1, 2, 3, 4, 5, 6, 0, 7}};
    const DrawList before = draws;
    std::string problem;
    EXPECT_FALSE(readImportFile("/nonexistent/draws.csv", problem).has_value());
    EXPECT_EQ(importUnreadable(problem, run.observer).status, ImportStatus::CannotOpen);
    EXPECT_EQ(run.observer.infos, std::vector<std::string>{"Preparing to Import"});
    EXPECT_EQ(run.run(std::string(120, '\0'), draws).status, ImportStatus::EmptyFile);
    EXPECT_EQ(draws, before);
    EXPECT_EQ(run.saved, DrawList{});

    run.saveResult = {DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create x.dat"};
    EXPECT_EQ(run.run("1,2,3\n", draws).status, ImportStatus::SaveFailed);
    EXPECT_EQ(draws.size(), 2u);
    EXPECT_EQ(
        run.observer.messages,
        (std::vector<std::string>{
            "Error 201, CSV file read error\nUnable to open.\n(no such file or directory)",
            "Unable to read data\nImport could not read the file format.", "ERROR 101\nUnable to Open or Create x.dat",
            "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low."}));
}

// Lines that give no numbers are ignored, and a date no draw can have is
// never turned into another: its line is rejected, named and counted.
TEST(CsvImport, emptyRowsAreIgnoredAndLinesWithoutADrawDateAreRejectedByLine) {
    ImportRun run;
    DrawList draws = {{day(2006, 1, 1), 1, 2, 3, 4, 5, 6, 0, 7}};
    const ImportOutcome outcome = run.run(
        ",,,,,,,\n-----------\n1/5/2006\n1,2,3,4,5,6,01/01/1960\n1,2,3,4,5,6,2006-01-04\n1,2,3,4,5,6,1/1/74\n"
        "1,2,3,4,5,6,1/18/2038\n1,2,3,4,5,6,1/20/2038\n1,2,3,4,5,6,2/29/2006\n",
        draws);
    EXPECT_EQ(outcome.counters, (ImportCounters{1, 0, 0}));
    EXPECT_EQ(draws.back(), (DrawRecord{day(2038, 1, 18), 1, 2, 3, 4, 5, 6, 0, 0}));
    std::vector<std::string> reasons;
    for (const RejectedLine& reject : outcome.rejects) reasons.push_back(reject.reason);
    EXPECT_EQ(reasons, (std::vector<std::string>{
                           "line 4: 1960-01-01 is outside the dates a draw can have (1970-01-01 to 2038-01-18)",
                           "line 5: \"2006-01-04\" is not a date",
                           "line 6: 2074-01-01 is outside the dates a draw can have (1970-01-01 to 2038-01-18)",
                           "line 8: 2038-01-20 is outside the dates a draw can have (1970-01-01 to 2038-01-18)",
                           "line 9: \"2/29/2006\" is not a date"}));
    EXPECT_EQ(run.observer.messages.back(),
              "Imported 1 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 0 lines.\n"
              "Rejected 5 lines.");
}

// Zero bytes add nothing and count toward no piece: UTF-16 text reads as its
// 8-bit twin, however long its lines, and its byte-order mark is no text.
TEST(CsvLineReader, utf16TextReadsAsItsEightBitTwinAndLongLinesComeInPiecesOfFiftyCharacters) {
    const std::string line = "01,02,03,04,05,06,07,08,09,10,11,12,13,14,15,1/4/2006\r\n";
    const std::vector<std::string> twin = readLines(line + "1\n");
    EXPECT_EQ(twin,
              (std::vector<std::string>{line.substr(0, 50) + "@1", line.substr(50, 4) + "@1", "\n@1", "1\n@2", "@3"}));
    std::u16string utf16(line.begin(), line.end());
    utf16 += u"1\n";
    EXPECT_EQ(readLines(testing::utf16Bytes(utf16)), twin);
    EXPECT_EQ(readLines(testing::utf16WithMark(utf16)), twin);
    EXPECT_EQ(readLines(testing::utf16Bytes(utf16, true)), twin);
    EXPECT_EQ(readLines("a\rb\r\n\r"), (std::vector<std::string>{"a\r@1", "b\r@2", "\n@2", "\r@3", "@4"}));
}

TEST(CsvDrawLine, readsNumbersByTheProfileAndDatesByTheLocaleOrder) {
    const auto read = [](std::string_view line, int balls = 6, int bonus = 49,
                         DateOrder order = DateOrder::MonthDayYear, const LocalTime& time = kTime) {
        return readCsvDrawLine(line, {balls, bonus, order, '/', kStart, &time});
    };
    EXPECT_EQ(read("1,2,3,4", 3, 0)->record, (DrawRecord{kStart, 1, 2, 3}));
    EXPECT_EQ(read("1,2,3,4,0", 3)->record, (DrawRecord{kStart, 1, 2, 3, 0, 0, 0, 0, 4}));
    EXPECT_EQ(read("1,2,3,4,5,6,7,8,9")->record, (DrawRecord{kStart, 1, 2, 3, 4, 5, 6, 0, 8}));
    EXPECT_EQ(read("99999999999,2")->record, (DrawRecord{kStart, INT32_MAX, 2}));
    EXPECT_EQ(read("0,0,0,1/4/2006")->record, (DrawRecord{day(2006, 1, 4)}));
    for (const std::string_view ignored :
         {"  \t\r\n", "\"649\",1,2", ",,,,,,,", "-----------", "1/4/2006", ",,,,,,,,5"}) {
        EXPECT_EQ(read(ignored), std::nullopt) << ignored;
    }
    EXPECT_EQ(read(",,,,,,,4", 3, 0), std::nullopt);  // a bonus the lottery has not

    for (const auto& [line, order, date] : std::vector<std::tuple<std::string, DateOrder, std::int32_t>>{
             {"1,1/4/2006", DateOrder::MonthDayYear, day(2006, 1, 4)},
             {"1,4/1/2006", DateOrder::DayMonthYear, day(2006, 1, 4)},
             {"1,2006/1/4", DateOrder::YearMonthDay, day(2006, 1, 4)},
             {"1,1/1/06,5/6/99", DateOrder::MonthDayYear, day(1999, 5, 6)},
             {"1,1/1/75", DateOrder::MonthDayYear, day(1975, 1, 1)},
             {"1,1/1/1970", DateOrder::MonthDayYear, 0}}) {
        const auto drawLine = read(line, 6, 49, order);
        EXPECT_EQ(drawLine->record.date, date) << line;
        EXPECT_EQ(drawLine->badDate, "") << line;
    }
    // East of UTC the first day's midnight comes before the first second a
    // date holds: the line keeps its day from that second.
    const FixedOffsetLocalTime east(3600);
    const auto firstDay = read("1,1/1/1970", 6, 49, DateOrder::MonthDayYear, east);
    EXPECT_EQ(firstDay->badDate, "");
    EXPECT_EQ(firstDay->record.date, 0);
    EXPECT_EQ(east.fromSeconds(0).day, 1);
}

// Published draw histories are hostile input to the lenient reader: quoted
// fields, headings, other date orders, several draws per date. Every file is
// imported, one after the other, into one lottery per profile and locale.
TEST(RealDrawsImport, publishedFilesImportWithConsistentCountsAndADrawFileThatLoadsBack) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(NUMORA_REAL_DRAWS)) {
        if (entry.path().extension() == ".csv") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 10u);

    const FixedOffsetLocalTime time(3600);
    const std::int32_t start = time.toSeconds(time.now());
    const std::vector<std::pair<LotteryProfile, FixedLocaleInfo>> lotteries = {
        {{.name = "Lotto"}, FixedLocaleInfo(DateOrder::MonthDayYear, "/")},
        {{.name = "Pick 3", .balls = 3, .min = 0, .max = 9, .bonus = 0}, FixedLocaleInfo(DateOrder::DayMonthYear, "/")},
        {{.name = "Mega", .balls = 5, .max = 70, .bonus = 25}, FixedLocaleInfo(DateOrder::YearMonthDay, "-")},
        {{.name = "Keno", .balls = 7, .max = 99, .bonus = 99},
         FixedLocaleInfo(DateOrder::DayMonthYear, "\xE2\x80\x8F")},  // a right-to-left mark
    };
    for (const auto& [profile, locale] : lotteries) {
        DrawList draws;
        const std::string separator = locale.dateSeparator();
        const std::optional<char> splitter =
            static_cast<unsigned char>(separator.front()) < 0x80 ? std::optional(separator.front()) : std::nullopt;
        const CsvLineRules rules{profile.balls, profile.bonus, locale.shortDateOrder(), splitter, start, &time};
        for (const auto& file : files) {
            SCOPED_TRACE(file.filename().string() + " into " + profile.name);
            const std::string bytes = testing::readBytes(file);
            std::int32_t lines = 0;    // lines that give a draw
            std::int32_t undated = 0;  // of those, the ones without a date
            std::int32_t undatable = 0;
            CsvLineReader reader(bytes);
            for (std::string line; reader.next(line);) {
                const auto draw = readCsvDrawLine(line, rules);
                if (!draw) continue;
                undatable += draw->badDate.empty() ? 0 : 1;
                lines += draw->badDate.empty() ? 1 : 0;
                undated += draw->badDate.empty() && !draw->dated ? 1 : 0;
            }
            const std::size_t before = draws.size();
            RecordingObserver observer;
            const ImportOutcome outcome = importCsv(
                bytes, draws, {profile, locale, time, start}, [](const DrawList&) { return DrawFileResult{}; },
                observer);
            const ImportCounters& counted = outcome.counters;

            EXPECT_EQ(outcome.status, ImportStatus::Completed);
            EXPECT_EQ(static_cast<std::int32_t>(outcome.rejects.size()), undatable);
            // Every draw line counts once as imported or skipped; a line without a
            // date is appended whatever its walk met, so it may count as both.
            EXPECT_GE(counted.imported + counted.skipped, lines);
            EXPECT_LE(counted.imported + counted.skipped, lines + undated);
            EXPECT_LE(counted.repeats, counted.imported);
            EXPECT_EQ(draws.size(), before + static_cast<std::size_t>(counted.imported));
            EXPECT_TRUE(std::all_of(draws.begin(), draws.end(), [](const DrawRecord& draw) { return draw.date >= 0; }));

            DrawList loaded;
            EXPECT_EQ(DrawFile::decode(DrawFile::encode(draws), loaded).ok(), true);
            EXPECT_EQ(loaded, draws);
        }
    }
}

}  // namespace numora
