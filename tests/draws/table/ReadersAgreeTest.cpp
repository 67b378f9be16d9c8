// Files of whole draw lines (the balls, the bonus when the lottery has one,
// the date last) store the same draws whichever reader imports them, however
// the lines are padded, headed, spaced out, ordered and encoded.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "draws/CsvImport.h"
#include "draws/DrawFile.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableMerge.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingImportObserver.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr int kFiles = 240;
constexpr std::size_t kLongestLine = 49;  // a line end makes 50 characters, the reader's piece
constexpr int kSeparators = 3;
constexpr const char* kSeparatorTexts[kSeparators] = {"/", "-", "."};
constexpr int kOffsets[] = {0, 3600, -5 * 3600, 14 * 3600};
constexpr int kHighestBalls[] = {9, 20, 36, 42, 49, 59, 69, 80, 99};
// Days a whole line's date can name, as days since 1970-01-01: 1970-01-01 to 2038-01-18.
constexpr int kLastDay = 24854;

using Random = std::mt19937;

int between(Random& random, int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
bool oneIn(Random& random, int times) { return between(random, 1, times) == 1; }

struct Lottery {
    LotteryProfile profile;
    DateOrder order = DateOrder::MonthDayYear;
    int separator = 0;
    int offset = 0;
};

Lottery randomLottery(Random& random) {
    Lottery lottery;
    LotteryProfile& profile = lottery.profile;
    profile.balls = between(random, 3, 7);
    profile.min = between(random, 0, 1);
    profile.max = kHighestBalls[between(random, 0, std::size(kHighestBalls) - 1)];
    profile.bonus = oneIn(random, 3) ? 0 : between(random, 1, 99);
    lottery.order = static_cast<DateOrder>(between(random, 0, 2));
    lottery.separator = between(random, 0, kSeparators - 1);
    lottery.offset = kOffsets[between(random, 0, std::size(kOffsets) - 1)];
    return lottery;
}

struct Draw {
    int day = 0;  // since 1970-01-01
    std::vector<int> numbers;
};

std::string number(Random& random, int value) {
    return (value < 10 && oneIn(random, 2) ? "0" : "") + std::to_string(value);
}

// The date in the locale's order, the year in two digits where the lenient
// reader's century rule gives it back.
std::string dateText(Random& random, const Lottery& lottery, int day) {
    const CalendarTime date = civilFromSeconds(std::int64_t{day} * 86400);
    const bool shortYear = (date.year >= 1975 && date.year <= 2037) && oneIn(random, 3);
    const std::string year =
        shortYear ? (date.year % 100 < 10 ? "0" : "") + std::to_string(date.year % 100) : std::to_string(date.year);
    const std::string month = number(random, date.month);
    const std::string dayOfMonth = number(random, date.day);
    const std::string separator = kSeparatorTexts[lottery.separator];
    switch (lottery.order) {
        case DateOrder::MonthDayYear:
            return month + separator + dayOfMonth + separator + year;
        case DateOrder::DayMonthYear:
            return dayOfMonth + separator + month + separator + year;
        case DateOrder::YearMonthDay:
            break;
    }
    return year + separator + month + separator + dayOfMonth;
}

std::string padding(Random& random) {
    std::string blanks;
    for (int i = between(random, 0, 6); i > 0; --i) blanks += oneIn(random, 3) ? '\t' : ' ';
    return blanks;
}

std::string wholeLine(Random& random, const Lottery& lottery, const Draw& draw) {
    std::string line;
    for (const int value : draw.numbers) line += number(random, value) + ",";
    line += dateText(random, lottery, draw.day);
    std::string before = padding(random);
    std::string after = padding(random);
    const std::size_t room = kLongestLine - line.size();
    before.resize(std::min(before.size(), room));
    after.resize(std::min(after.size(), room - before.size()));
    return before + line + after;
}

// Headings such files carry: the example of a lenient file, headings that
// name fewer or more columns than the lines hold, headings that fit them,
// headings that number the bonus with the balls, and plain titles.
std::string heading(Random& random, const LotteryProfile& profile) {
    std::string fitting;
    std::string numbered;
    for (int ball = 1; ball <= profile.balls; ++ball) {
        fitting += "Ball " + std::to_string(ball) + ",";
        numbered += "N" + std::to_string(ball) + ",";
    }
    if (profile.bonus > 0) {
        fitting += "Bonus Ball,";
        numbered += "N" + std::to_string(profile.balls + 1) + ",";
    }
    const std::vector<std::string> headings = {"Date,B1,B2",
                                               "Date,B1,B2,B3",
                                               fitting + "Draw Date",
                                               numbered + "Date",
                                               "Date," + fitting.substr(0, fitting.size() - 1),
                                               "Lotto results",
                                               "R\xC3\xA9sultats du tirage",
                                               "# drawn numbers",
                                               "Numbers,Drawn on"};
    return headings[static_cast<std::size_t>(between(random, 0, static_cast<int>(headings.size()) - 1))];
}

struct File {
    Lottery lottery;
    DrawList stored;
    std::string bytes;
};

File randomFile(Random& random) {
    File file;
    file.lottery = randomLottery(random);
    const LotteryProfile& profile = file.lottery.profile;
    const FixedOffsetLocalTime time(file.lottery.offset);

    // A few days, so that several draws share one; now and then the first or last day a draw can have.
    std::vector<int> days(static_cast<std::size_t>(between(random, 1, 30)));
    for (int& day : days) day = oneIn(random, 20) ? (oneIn(random, 2) ? 0 : kLastDay) : between(random, 0, kLastDay);
    std::vector<Draw> draws(static_cast<std::size_t>(between(random, 2, 40)));
    for (Draw& draw : draws) {
        draw.day = days[static_cast<std::size_t>(between(random, 0, static_cast<int>(days.size()) - 1))];
        for (int ball = 0; ball < profile.balls; ++ball)
            draw.numbers.push_back(between(random, profile.min, profile.max));
        if (profile.bonus > 0) draw.numbers.push_back(between(random, std::max(profile.min, 1), profile.bonus));
    }
    for (std::size_t i = 1; i < draws.size(); ++i) {
        if (oneIn(random, 8)) draws[i] = draws[static_cast<std::size_t>(between(random, 0, static_cast<int>(i) - 1))];
    }
    switch (between(random, 0, 2)) {
        case 0:
            std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.day < b.day; });
            break;
        case 1:
            std::stable_sort(draws.begin(), draws.end(), [](const Draw& a, const Draw& b) { return a.day > b.day; });
            break;
        default:
            break;
    }
    // Draws stored before: some of the file's, some of their days with other numbers.
    for (const Draw& draw : draws) {
        if (!oneIn(random, 4)) continue;
        DrawRecord stored{time.toSeconds(civilFromSeconds(std::int64_t{draw.day} * 86400))};
        stored.date = std::max(stored.date, 0);
        for (std::size_t i = 0; i < draw.numbers.size(); ++i) {
            const bool isBonus = static_cast<int>(i) == profile.balls;
            (isBonus ? stored.bonus : stored.ball(static_cast<int>(i) + 1)) = draw.numbers[i];
        }
        if (oneIn(random, 2)) stored.ball1 = stored.ball1 == profile.max ? profile.min : stored.ball1 + 1;
        file.stored.append(stored);
    }

    const std::string end = oneIn(random, 2) ? "\r\n" : "\n";
    std::string text;
    for (int lines = between(random, 0, 2); lines > 0; --lines) text += heading(random, profile) + end;
    for (const Draw& draw : draws) {
        if (oneIn(random, 10)) text += padding(random) + end;
        text += wholeLine(random, file.lottery, draw) + end;
    }
    if (oneIn(random, 2)) text.resize(text.size() - end.size());
    switch (between(random, 0, 2)) {
        case 0:
            file.bytes = text;
            break;
        case 1:
            file.bytes = testing::utf16Bytes(std::u16string(text.begin(), text.end()));
            break;
        default:
            file.bytes = testing::utf16WithMark(std::u16string(text.begin(), text.end()));
            break;
    }
    return file;
}

struct Imported {
    DrawList draws;
    ImportCounters counters;
    std::vector<std::string> rejects;
};

}  // namespace

TEST(ReadersAgree, wholeLinesStoreTheSameDrawFileWhicheverReaderImportsThem) {
    Random random(20260419);
    int tableFiles = 0;
    for (int round = 0; round < kFiles; ++round) {
        const File file = randomFile(random);
        const LotteryProfile& profile = file.lottery.profile;
        const FixedOffsetLocalTime time(file.lottery.offset);
        const FixedLocaleInfo locale(file.lottery.order, kSeparatorTexts[file.lottery.separator]);
        const DrawSaver keep = [](const DrawList&) { return DrawFileResult{}; };
        SCOPED_TRACE("file " + std::to_string(round) + ", " + std::to_string(profile.balls) + " of " +
                     std::to_string(profile.min) + "-" + std::to_string(profile.max) + " bonus " +
                     std::to_string(profile.bonus) + ":\n" + file.bytes);

        Imported lenient;
        lenient.draws = file.stored;
        testing::RecordingImportObserver observer;
        const ImportOutcome read = importCsv(file.bytes, lenient.draws, {profile, locale, time, 0}, keep, observer);
        lenient.counters = read.counters;
        EXPECT_EQ(read.rejects.size(), 0u);

        const ImportPlan plan = planImport(file.bytes, std::nullopt, profile, locale.shortDateOrder());
        if (!plan.analysis) continue;
        ++tableFiles;
        ASSERT_TRUE(plan.analysis->layout.has_value()) << plan.analysis->problem;
        const TableRows rows = readTableRows(plan.analysis->records, *plan.analysis->layout, profile, time);
        Imported table;
        table.draws = file.stored;
        table.counters = importTableRows(rows, table.draws, profile, keep, observer).counters;
        for (const RejectedLine& reject : rows.rejects) table.rejects.push_back(reject.reason);

        EXPECT_EQ(table.rejects, std::vector<std::string>{});
        EXPECT_EQ(table.counters, lenient.counters);
        ASSERT_EQ(table.draws.size(), lenient.draws.size());
        EXPECT_EQ(DrawFile::encode(table.draws), DrawFile::encode(lenient.draws));
    }
    EXPECT_GE(tableFiles, kFiles / 2);
}

// The example of a lenient file, with a heading that sends it to the table
// reader: the same draws as the lenient reader stores from its whole lines,
// the line without a date and the line cut by a space rejected with their reason.
TEST(ReadersAgree, theLenientExampleWithAHeadingStoresTheLenientDrawsAndRejectsItsIncompleteLines) {
    const std::string whole =
        "01,02,03,04,05,06,07,1/4/2006\n01,02,03,04,05,06,07,1/4/2006\n01,02,03,04,05,09,07,1/4/2006\n"
        "10,11,12,13,14,15,16,1/1/2006\n";
    const std::string example = "Date,B1,B2\n\n" + whole + "1,2,3,4,5,6\n1, 2,3\n";
    const LotteryProfile lotto;  // 6 balls from 1 to 49, bonus up to 49
    const FixedOffsetLocalTime time;
    const FixedLocaleInfo locale;
    const DrawSaver keep = [](const DrawList&) { return DrawFileResult{}; };
    testing::RecordingImportObserver observer;
    DrawList lenient;
    importCsv(whole, lenient, {lotto, locale, time, 0}, keep, observer);

    const ImportPlan plan = planImport(example, std::nullopt, lotto, locale.shortDateOrder());
    ASSERT_TRUE(plan.analysis && plan.analysis->layout);
    const TableRows rows = readTableRows(plan.analysis->records, *plan.analysis->layout, lotto, time);
    DrawList table;
    EXPECT_EQ(importTableRows(rows, table, lotto, keep, observer).counters, (ImportCounters{3, 1, 1}));
    EXPECT_EQ(table, lenient);
    std::vector<std::string> reasons;
    for (const RejectedLine& reject : rows.rejects) reasons.push_back(reject.reason);
    EXPECT_EQ(reasons, (std::vector<std::string>{"line 7: no date", "line 8: no date"}));
}

}  // namespace numora
