#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <sstream>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "draws/DrawFile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingImportObserver.h"

namespace numora {

namespace {

using RecordingObserver = testing::RecordingImportObserver;

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
        std::istringstream file(bytes);
        const DrawSaver save = [this](const DrawList& list) {
            saved = list;
            return saveResult;
        };
        return importCsv(file, draws, {profile, locale, kTime, kStart}, save, observer);
    }
};

std::vector<std::string> readLines(std::istream& file) {
    CsvLineReader reader(file);
    std::vector<std::string> lines;
    for (std::string line; reader.next(line);) lines.push_back(line);
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
// bonus above the highest ball survives the range replacement.
TEST(CsvImport, sameDateLineGoesAfterTheDrawsOfThatDateAndUndatedLinesCountOnce) {
    ImportRun run;
    run.profile.min = 0;
    DrawList draws = {{day(2006, 1, 1), 1}, {day(2006, 3, 1), 2}, {day(2006, 3, 1), 3}, {day(2006, 5, 1), 4}};
    EXPECT_EQ(run.run("9,3/1/2006\n8,2/1/2006\n7,12/31/2006\n", draws).counters, (ImportCounters{3, 1, 0}));
    EXPECT_EQ(draws, (DrawList{{day(2006, 1, 1), 1}, {day(2006, 2, 1), 8}, {day(2006, 3, 1), 2}, {day(2006, 3, 1), 3},
                               {day(2006, 3, 1), 9}, {day(2006, 5, 1), 4}, {day(2006, 12, 31), 7}}));

    DrawList later = {{day(2030, 1, 1), 1, 2, 3, 4, 5, 6}};
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", later).counters, (ImportCounters{2, 0, 0}));
    EXPECT_EQ(later.size(), 3u);
    EXPECT_EQ(later.at(2), (DrawRecord{kStart, 1, 2, 3, 4, 5, 6}));
    DrawList empty;
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", empty).counters, (ImportCounters{2, 0, 1}));
    EXPECT_EQ(empty.size(), 2u);
}

TEST(CsvImport, bonusAboveTheHighestBallSurvivesTheWalkWhileOtherStrayNumbersBecomeEmpty) {
    ImportRun run;
    run.profile = {.name = "5 of 39", .balls = 5, .max = 39, .bonus = 42};
    DrawList draws = {{day(2006, 1, 1), 1, 2, 3, 4, 5, 0, 0, 40}, {day(2006, 1, 2), 1, 2, 3, 4, 50}};
    EXPECT_EQ(run.run("1,2,3,4,5,41,1/1/2006\n1,2,3,4,55,1/3/2006\n", draws).counters, (ImportCounters{2, 1, 0}));
    EXPECT_EQ(draws, (DrawList{{day(2006, 1, 1), 1, 2, 3, 4, 5, -1, -1, 40},
                               {day(2006, 1, 1), 1, 2, 3, 4, 5, -1, -1, 41},
                               {day(2006, 1, 2), 1, 2, 3, 4, -1, -1, -1, -1}, {day(2006, 1, 3), 1, 2, 3, 4, 55}}));
}

TEST(CsvImport, failuresChangeNothingOrKeepTheDrawsInMemory) {
    ImportRun run;
    DrawList draws = {{day(2006, 1, 1), 1, 2, 3, 4, 5, 6, 0, 7}};
    const DrawList before = draws;
    const DrawSaver unused = [](const DrawList&) { return DrawFileResult{}; };
    EXPECT_EQ(importCsvFile("/nonexistent/draws.csv", draws, {run.profile, run.locale, kTime, kStart}, unused,
                            run.observer).status,
              ImportStatus::CannotOpen);
    EXPECT_EQ(run.run(std::string(120, '\0'), draws).status, ImportStatus::EmptyFile);
    EXPECT_EQ(draws, before);
    EXPECT_EQ(run.saved, DrawList{});

    run.saveResult = {DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create x.dat"};
    EXPECT_EQ(run.run("1,2,3\n", draws).status, ImportStatus::SaveFailed);
    EXPECT_EQ(draws.size(), 2u);
    EXPECT_EQ(run.observer.messages,
              (std::vector<std::string>{
                  "Error 201, CSV file read error\nUnable to open.",
                  "Unable to read data\nImport could not read the file format.",
                  "ERROR 101\nUnable to Open or Create x.dat",
                  "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low."}));
}

TEST(CsvLineReader, utf16TextReadsLikeSingleByteTextAndLongLinesComeInPieces) {
    std::istringstream utf16(std::string("1\0,\0002\0\n\0", 8));
    EXPECT_EQ(readLines(utf16), (std::vector<std::string>{"1,2\n", ""}));
    std::istringstream longLine(std::string(60, '7') + "\r\n");
    EXPECT_EQ(readLines(longLine),
              (std::vector<std::string>{std::string(50, '7'), std::string(10, '7') + "\r", "\n", ""}));
}

TEST(CsvDrawLine, readsNumbersByTheProfileAndDatesByTheLocaleOrder) {
    const auto read = [](std::string_view line, int balls = 6, int bonus = 49,
                         DateOrder order = DateOrder::MonthDayYear) {
        return readCsvDrawLine(line, {balls, bonus, order, '/', kStart, &kTime});
    };
    EXPECT_EQ(read("1,2,3,4", 3, 0)->record, (DrawRecord{kStart, 1, 2, 3}));
    EXPECT_EQ(read("1,2,3,4,0", 3)->record, (DrawRecord{kStart, 1, 2, 3, 0, 0, 0, 0, 4}));
    EXPECT_EQ(read("1,2,3,4,5,6,7,8,9")->record, (DrawRecord{kStart, 1, 2, 3, 4, 5, 6, 0, 8}));
    EXPECT_EQ(read("99999999999,2")->record, (DrawRecord{kStart, INT32_MAX, 2}));
    EXPECT_EQ(read("  \t\r\n"), std::nullopt);
    EXPECT_EQ(read("\"649\",1,2"), std::nullopt);

    for (const auto& [line, order, date] : std::vector<std::tuple<std::string, DateOrder, std::int32_t>>{
             {"1/4/2006", DateOrder::MonthDayYear, day(2006, 1, 4)},
             {"4/1/2006", DateOrder::DayMonthYear, day(2006, 1, 4)},
             {"2006/1/4", DateOrder::YearMonthDay, day(2006, 1, 4)},
             {"1,1/1/06,5/6/99", DateOrder::MonthDayYear, day(1999, 5, 6)},
             {"1/1/74", DateOrder::MonthDayYear, INT32_MAX},  // 2074
             {"1/1/75", DateOrder::MonthDayYear, day(1975, 1, 1)},
             {"13/1/2006", DateOrder::MonthDayYear, day(2007, 1, 1)},
             {"1/0/2006", DateOrder::MonthDayYear, day(2005, 12, 31)},
             {"1-4-2006", DateOrder::MonthDayYear, day(2000, 1, 0)},
             {"1/4/99999999999999", DateOrder::MonthDayYear, INT32_MAX}}) {
        EXPECT_EQ(read(line, 6, 49, order)->record.date, date) << line;
    }
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
        const CsvLineRules rules{profile.balls, profile.bonus, locale.shortDateOrder(), std::nullopt, start, &time};
        for (const auto& file : files) {
            SCOPED_TRACE(file.filename().string() + " into " + profile.name);
            std::int32_t lines = 0;    // lines that give a draw
            std::int32_t undated = 0;  // of those, the ones without a date
            std::ifstream in(file, std::ios::binary);
            for (const std::string& line : readLines(in)) {
                const auto draw = readCsvDrawLine(line, rules);
                lines += draw ? 1 : 0;
                undated += draw && !draw->dated ? 1 : 0;
            }
            const std::size_t before = draws.size();
            RecordingObserver observer;
            const ImportOutcome outcome = importCsvFile(
                file, draws, {profile, locale, time, start}, [](const DrawList&) { return DrawFileResult{}; },
                observer);
            const ImportCounters& counted = outcome.counters;

            EXPECT_EQ(outcome.status, ImportStatus::Completed);
            // Every draw line counts once as imported or skipped; a line without a
            // date is appended whatever its walk met, so it may count as both.
            EXPECT_GE(counted.imported + counted.skipped, lines);
            EXPECT_LE(counted.imported + counted.skipped, lines + undated);
            EXPECT_LE(counted.repeats, counted.imported);
            EXPECT_EQ(draws.size(), before + static_cast<std::size_t>(counted.imported));

            DrawList loaded;
            EXPECT_EQ(DrawFile::decode(DrawFile::encode(draws), loaded).ok(), true);
            EXPECT_EQ(loaded, draws);
        }
    }
}

}  // namespace numora
