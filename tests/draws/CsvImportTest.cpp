#include <gtest/gtest.h>

#include <climits>
#include <sstream>

#include "draws/CsvDrawLine.h"
#include "draws/CsvImport.h"
#include "draws/CsvLineReader.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

class RecordingObserver final : public ImportObserver {
public:
    void showInfo(const std::string& text) override { infos.push_back(text); }
    void showMessage(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> infos;
    std::vector<std::string> messages;
};

const FixedOffsetLocalTime kTime;  // UTC; the program started on 2026-12-06 10:30

std::int32_t day(int year, int month, int dayOfMonth) { return kTime.toSeconds({year, month, dayOfMonth}); }
const std::int32_t kStart = kTime.toSeconds(kTime.now());

DrawRecord draw(std::int32_t date, std::vector<std::int32_t> numbers) {
    DrawRecord record;
    record.date = date;
    for (std::size_t i = 0; i < numbers.size(); ++i) record.number(static_cast<int>(i)) = numbers[i];
    return record;
}

struct ImportRun {
    LotteryProfile profile;  // 6 balls from 1 to 49, bonus up to 49
    FixedLocaleInfo locale{DateOrder::MonthDayYear, "/"};
    DrawFileResult saveResult;
    DrawList saved;
    int saves = 0;
    RecordingObserver observer;

    ImportOutcome run(const std::string& bytes, DrawList& draws) {
        std::istringstream file(bytes);
        const DrawSaver save = [this](const DrawList& list) {
            ++saves;
            saved = list;
            return saveResult;
        };
        return importCsv(file, draws, {profile, locale, kTime, kStart}, save, observer);
    }
};

CsvLineRules rules(DateOrder order, int balls = 6, int bonus = 49) {
    return {balls, bonus, order, '/', kStart, &kTime};
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
    const DrawList expected = {draw(day(2006, 1, 4), {1, 2, 3, 4, 5, 6, -1, 7}),
                               draw(day(2006, 1, 4), {1, 2, 3, 4, 5, 9, -1, 7}), draw(kStart, {1})};
    EXPECT_EQ(draws, expected);
    EXPECT_EQ(run.saved, expected);
    EXPECT_EQ(run.observer.messages,
              std::vector<std::string>{
                  "Imported 3 lines into past draw file.\nRecorded 1 repeat draw dates.\nSkipped 1 lines."});
    EXPECT_EQ(run.observer.infos.front(), "Preparing to Import");
    EXPECT_EQ(run.observer.infos[1], "Date,B1,B2\n");
    EXPECT_EQ(run.observer.infos[3], "Reading:1 Draws");
    EXPECT_EQ(run.observer.infos.back(), "Import Complete");
}

TEST(CsvImport, sameDateWithOtherNumbersIsStoredAfterTheDrawsOfThatDate) {
    ImportRun run;
    run.profile.min = 0;
    DrawList draws = {draw(day(2006, 1, 1), {1}), draw(day(2006, 3, 1), {2}), draw(day(2006, 3, 1), {3}),
                      draw(day(2006, 5, 1), {4})};
    const ImportOutcome outcome = run.run("9,3/1/2006\n8,2/1/2006\n7,12/31/2006\n", draws);

    EXPECT_EQ(outcome.counters, (ImportCounters{3, 1, 0}));
    const DrawList expected = {draw(day(2006, 1, 1), {1}),  draw(day(2006, 2, 1), {8}), draw(day(2006, 3, 1), {2}),
                               draw(day(2006, 3, 1), {3}),  draw(day(2006, 3, 1), {9}), draw(day(2006, 5, 1), {4}),
                               draw(day(2006, 12, 31), {7})};
    EXPECT_EQ(draws, expected);
}

TEST(CsvImport, undatedLineIsAppendedAndCountedOnceWhateverTheWalkMeets) {
    ImportRun run;
    DrawList later = {draw(day(2030, 1, 1), {1, 2, 3, 4, 5, 6})};
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", later).counters, (ImportCounters{2, 0, 0}));
    EXPECT_EQ(later.size(), 3u);
    EXPECT_EQ(later.at(2), draw(kStart, {1, 2, 3, 4, 5, 6}));

    DrawList empty;
    EXPECT_EQ(run.run("1,2,3,4,5,6\n1,2,3,4,5,6\n", empty).counters, (ImportCounters{2, 0, 1}));
    EXPECT_EQ(empty.size(), 2u);
}

TEST(CsvImport, bonusAboveTheHighestBallSurvivesTheWalkWhileOtherStrayNumbersBecomeEmpty) {
    ImportRun run;
    run.profile.balls = 5;
    run.profile.max = 39;
    run.profile.bonus = 42;
    DrawList draws = {draw(day(2006, 1, 1), {1, 2, 3, 4, 5, 0, 0, 40}),
                      draw(day(2006, 1, 2), {1, 2, 3, 4, 50, 0, 0, 0})};
    const ImportOutcome outcome = run.run("1,2,3,4,5,41,1/1/2006\n1,2,3,4,55,1/3/2006\n", draws);

    EXPECT_EQ(outcome.counters, (ImportCounters{2, 1, 0}));
    const DrawList expected = {
        draw(day(2006, 1, 1), {1, 2, 3, 4, 5, -1, -1, 40}), draw(day(2006, 1, 1), {1, 2, 3, 4, 5, -1, -1, 41}),
        draw(day(2006, 1, 2), {1, 2, 3, 4, -1, -1, -1, -1}), draw(day(2006, 1, 3), {1, 2, 3, 4, 55})};
    EXPECT_EQ(draws, expected);
}

TEST(CsvImport, failuresChangeNothingOrKeepTheDrawsInMemory) {
    ImportRun run;
    DrawList draws = {draw(day(2006, 1, 1), {1, 2, 3, 4, 5, 6, 0, 7})};
    const DrawList before = draws;
    const DrawSaver unused = [](const DrawList&) { return DrawFileResult{}; };
    const ImportOutcome missing =
        importCsvFile("/nonexistent/draws.csv", draws, {run.profile, run.locale, kTime, kStart}, unused, run.observer);
    EXPECT_EQ(missing.status, ImportStatus::CannotOpen);
    EXPECT_EQ(run.run(std::string(120, '\0'), draws).status, ImportStatus::EmptyFile);
    EXPECT_EQ(run.observer.messages,
              (std::vector<std::string>{"Error 201, CSV file read error\nUnable to open.",
                                        "Unable to read data\nImport could not read the file format."}));
    EXPECT_EQ(draws, before);
    EXPECT_EQ(run.saves, 0);

    run.observer.messages.clear();
    run.saveResult = {DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create x.dat"};
    EXPECT_EQ(run.run("1,2,3\n", draws).status, ImportStatus::SaveFailed);
    EXPECT_EQ(draws.size(), 2u);
    EXPECT_EQ(run.observer.messages,
              (std::vector<std::string>{
                  "ERROR 101\nUnable to Open or Create x.dat",
                  "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low."}));
}

TEST(CsvLineReader, utf16TextReadsLikeSingleByteTextAndLongLinesComeInPieces) {
    std::istringstream utf16(std::string("1\0,\0002\0\n\0", 8));
    CsvLineReader wide(utf16);
    std::string line;
    std::vector<std::string> lines;
    while (wide.next(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"1,2\n", ""}));

    std::istringstream longLine(std::string(60, '7') + "\r\n");
    CsvLineReader reader(longLine);
    lines.clear();
    while (reader.next(line)) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(50, '7'), std::string(10, '7') + "\r", "\n", ""}));
    EXPECT_EQ(reader.charactersRead(), 62u);
}

TEST(CsvDrawLine, readsNumbersByTheProfileAndDatesByTheLocaleOrder) {
    const auto numbers = [](std::string_view line, int balls, int bonus) {
        return readCsvDrawLine(line, rules(DateOrder::MonthDayYear, balls, bonus))->record;
    };
    EXPECT_EQ(numbers("1,2,3,4", 3, 0), draw(kStart, {1, 2, 3}));
    EXPECT_EQ(numbers("1,2,3,4,0", 3, 49), draw(kStart, {1, 2, 3, 0, 0, 0, 0, 4}));
    EXPECT_EQ(numbers("1,2,3,4,5,6,7,8,9", 6, 49), draw(kStart, {1, 2, 3, 4, 5, 6, 0, 8}));
    EXPECT_EQ(numbers("99999999999,2", 6, 49), draw(kStart, {INT32_MAX, 2}));
    EXPECT_EQ(readCsvDrawLine("  \t\r\n", rules(DateOrder::MonthDayYear)), std::nullopt);
    EXPECT_EQ(readCsvDrawLine("\"649\",1,2", rules(DateOrder::MonthDayYear)), std::nullopt);

    const auto date = [](std::string_view line, DateOrder order) {
        return readCsvDrawLine(line, rules(order))->record.date;
    };
    EXPECT_EQ(date("1/4/2006", DateOrder::MonthDayYear), day(2006, 1, 4));
    EXPECT_EQ(date("4/1/2006", DateOrder::DayMonthYear), day(2006, 1, 4));
    EXPECT_EQ(date("2006/1/4", DateOrder::YearMonthDay), day(2006, 1, 4));
    EXPECT_EQ(date("1,1/1/06,5/6/99", DateOrder::MonthDayYear), day(1999, 5, 6));
    EXPECT_EQ(date("1/1/150", DateOrder::MonthDayYear), INT32_MAX);
    EXPECT_EQ(date("1/1/74", DateOrder::MonthDayYear), INT32_MAX);
    EXPECT_EQ(date("13/1/2006", DateOrder::MonthDayYear), day(2007, 1, 1));
    EXPECT_EQ(date("1/0/2006", DateOrder::MonthDayYear), day(2005, 12, 31));
    EXPECT_EQ(date("1-4-2006", DateOrder::MonthDayYear), day(2000, 1, 0));
    EXPECT_EQ(date("1/4/99999999999999", DateOrder::MonthDayYear), INT32_MAX);
}

}  // namespace numora
