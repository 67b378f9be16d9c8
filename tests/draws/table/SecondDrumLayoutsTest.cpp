// Histories of games with a second drum in layouts no published file of the
// tests holds: the second drum is found by rules, not by those files.
#include <gtest/gtest.h>

#include <functional>

#include "draws/table/HeadingWords.h"
#include "draws/table/LayoutWords.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableRows.h"
#include "picking/PickingTestData.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"

namespace numora {
namespace {

const FixedOffsetLocalTime kTime;  // UTC
constexpr int kDraws = 24;

LotteryProfile withSecondDrum(int balls, int max, int bonus, int drumNumbers, int drumMin, int drumMax) {
    LotteryProfile profile = testing::lotteryProfile(balls, 1, max, bonus);
    profile.drum2 = drumNumbers;
    profile.drum2Min = drumMin;
    profile.drum2Max = drumMax;
    return profile;
}

const LotteryProfile kEuroMillions = withSecondDrum(5, 50, 0, 2, 1, 12);
const LotteryProfile kLotto6aus49 = withSecondDrum(6, 49, 0, 1, 0, 9);

// A draw as a file writes it: its day, balls and second drum numbers in drawn
// order, and a bonus.
struct Drawn {
    CalendarTime day;
    std::vector<int> balls;
    std::vector<int> drum;
    int bonus = 0;
};

// count different numbers from low to high, in a drawn order that is not sorted.
std::vector<int> drawNumbers(unsigned& state, int count, int low, int high) {
    std::vector<int> numbers;
    while (static_cast<int>(numbers.size()) < count) {
        state = state * 214013u + 2531011u;
        const int number = low + static_cast<int>((state >> 16) % static_cast<unsigned>(high - low + 1));
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) numbers.push_back(number);
    }
    return numbers;
}

// Draws on Tuesdays and Fridays from 3 January 2023.
std::vector<Drawn> history(const LotteryProfile& profile, int bonus = 0) {
    std::vector<Drawn> draws;
    unsigned state = 7;
    std::int64_t seconds = kTime.toSeconds({2023, 1, 3});
    for (int i = 0; i < kDraws; ++i) {
        const CalendarTime date = civilFromSeconds(seconds);
        Drawn drawn{{date.year, date.month, date.day},
                    drawNumbers(state, profile.balls, profile.min, profile.max),
                    drawNumbers(state, profile.drum2, profile.drum2Min, profile.drum2Max),
                    bonus > 0 ? drawNumbers(state, 1, 1, bonus).front() : 0};
        draws.push_back(std::move(drawn));
        seconds += (i % 2 == 0 ? 3 : 4) * 86400;
    }
    return draws;
}

std::string joined(const std::vector<int>& numbers, const char* separator, const char* format = "%d") {
    std::string text;
    for (const int number : numbers) text += (text.empty() ? "" : separator) + formatText(format, number);
    return text;
}

std::string fileOf(const std::string& heading, const std::vector<Drawn>& draws,
                   const std::function<std::string(int, const Drawn&)>& line) {
    std::string text = heading;
    for (std::size_t i = 0; i < draws.size(); ++i) text += line(static_cast<int>(i), draws[i]) + "\n";
    return text;
}

std::vector<DrawRecord> expectedDraws(const std::vector<Drawn>& draws, bool withBonus = false) {
    std::vector<DrawRecord> expected;
    for (const Drawn& drawn : draws) {
        std::vector<int> numbers = drawn.balls;
        numbers.insert(numbers.end(), drawn.drum.begin(), drawn.drum.end());
        DrawRecord draw{kTime.toSeconds(drawn.day)};
        for (std::size_t i = 0; i < numbers.size(); ++i) draw.ball(static_cast<int>(i) + 1) = numbers[i];
        draw.bonus = withBonus ? drawn.bonus : 0;
        expected.push_back(draw);
    }
    return expected;
}

struct Read {
    std::vector<DrawRecord> draws;
    std::vector<std::string> reasons;
    std::vector<std::string> words;
    std::string problem;
};

Read readFile(const std::string& bytes, const LotteryProfile& profile) {
    const TableAnalysis analysis = analyseTable(bytes, profile, DateOrder::MonthDayYear);
    Read read;
    if (!analysis.layout) {
        read.problem = analysis.problem;
        return read;
    }
    const TableRows rows = readTableRows(analysis.records, *analysis.layout, profile, kTime);
    for (const TableRow& row : rows.rows) read.draws.push_back(row.draw);
    for (const RejectedLine& reject : rows.rejects) read.reasons.push_back(reject.reason);
    read.words = layoutInWords(analysis, *analysis.layout);
    return read;
}

constexpr const char* kGermanMonths[] = {"Januar", "Februar", "M\xC3\xA4rz", "April",   "Mai",      "Juni",
                                         "Juli",   "August",  "September",   "Oktober", "November", "Dezember"};

TEST(SecondDrumLayouts, theDrumIsFoundByItsHeadingsOrByWhatItsColumnsHoldWhereverTheyStand) {
    const std::vector<Drawn> draws = history(kEuroMillions);
    const std::vector<DrawRecord> expected = expectedDraws(draws);
    const auto isoDate = [](const Drawn& d) {
        return formatText("%04d-%02d-%02d", d.day.year, d.day.month, d.day.day);
    };
    const auto dayFirst = [](const Drawn& d) {
        return formatText("%02d/%02d/%04d", d.day.day, d.day.month, d.day.year);
    };
    const struct {
        const char* name;
        std::string bytes;
        std::string drumWords;
    } files[] = {
        {"semicolons, a draw number first, German month names, headed stars, a jackpot",
         fileOf("Ziehung;Datum;Zahl 1;Zahl 2;Zahl 3;Zahl 4;Zahl 5;Stern 1;Stern 2;Jackpot\n", draws,
                [](int i, const Drawn& d) {
                    return formatText("%d;%d. %s %d;", 1500 + i, d.day.day, kGermanMonths[d.day.month - 1],
                                      d.day.year) +
                           joined(d.balls, ";") + ";" + joined(d.drum, ";") + formatText(";%d,00 \xE2\x82\xAC", 17 + i);
                }),
         "Second drum: columns 8 to 9 (\"Stern 1\" to \"Stern 2\")"},
        {"stars packed in one field, no heading",
         fileOf("", draws,
                [&](int, const Drawn& d) {
                    return isoDate(d) + "," + joined(d.balls, " ", "%02d") + "," + joined(d.drum, " ", "%02d");
                }),
         "Second drum: packed in column 3"},
        {"stars packed under a French heading, tabs",
         fileOf("Date\tBoules\t\xC3\x89toiles\n", draws,
                [&](int, const Drawn& d) {
                    return dayFirst(d) + "\t" + joined(d.balls, "-") + "\t" + joined(d.drum, "-");
                }),
         "Second drum: packed in column 3 \"\xC3\x89toiles\""},
        {"a draw number first, the stars before the date",
         fileOf("", draws,
                [&](int i, const Drawn& d) {
                    return formatText("%d,", 900 + i) + joined(d.balls, ",") + "," + joined(d.drum, ",") + "," +
                           dayFirst(d);
                }),
         "Second drum: columns 7 to 8"},
        {"a multiplier after the balls, the stars last",
         fileOf("", draws,
                [&](int i, const Drawn& d) {
                    constexpr int kMultipliers[] = {2, 3, 4, 5, 10};
                    return isoDate(d) + "," + joined(d.balls, ",") + formatText(",%d,", kMultipliers[i % 5]) +
                           joined(d.drum, ",");
                }),
         "Second drum: columns 8 to 9"},
        {"the stars in the last columns of a long row",
         fileOf("", draws,
                [&](int i, const Drawn& d) {
                    return isoDate(d) + "," + joined(d.balls, ",") +
                           formatText(",%d,%d,", 130000000 + i * 7919, i % 3) + joined(d.drum, ",");
                }),
         "Second drum: columns 9 to 10"},
        {"the stars packed with the balls, in drawn order, Spanish heading",
         fileOf("Fecha,Combinaci\xC3\xB3n\n", draws,
                [&](int, const Drawn& d) {
                    return dayFirst(d) + ",\"" + joined(d.balls, " ") + " " + joined(d.drum, " ") + "\"";
                }),
         "Second drum: after the balls packed in column 2 \"Combinaci\xC3\xB3n\""},
        {"Lucky Stars headed apart from the balls, with other columns between",
         fileOf("DrawDate,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball Set,Machine,Lucky Star 1,Lucky Star 2,DrawNumber\n",
                draws,
                [&](int i, const Drawn& d) {
                    return isoDate(d) + "," + joined(d.balls, ",") + formatText(",%d,Apollo,", i % 12 + 1) +
                           joined(d.drum, ",") + formatText(",%d", 3000 - i);
                }),
         "Second drum: columns 9 to 10 (\"Lucky Star 1\" to \"Lucky Star 2\")"},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        const Read read = readFile(file.bytes, kEuroMillions);
        EXPECT_EQ(read.problem, "");
        EXPECT_EQ(read.draws, expected);
        EXPECT_EQ(read.reasons, std::vector<std::string>{});
        ASSERT_EQ(read.words.size(), 5u);
        EXPECT_EQ(read.words.back(), file.drumWords);
    }
}

TEST(SecondDrumLayouts, aSuperzahlOfZeroIsANumberBesideABonusOrWhereTheLotteryHasNone) {
    const LotteryProfile withBonus = withSecondDrum(6, 49, 49, 1, 0, 9);
    const std::vector<Drawn> draws = history(withBonus, 49);
    const auto dotted = [](const Drawn& d) { return formatText("%02d.%02d.%04d", d.day.day, d.day.month, d.day.year); };
    const std::string headed =
        fileOf("Datum;Z1;Z2;Z3;Z4;Z5;Z6;Zusatzzahl;Superzahl\n", draws, [&](int, const Drawn& d) {
            return dotted(d) + ";" + joined(d.balls, ";") + formatText(";%d;%d", d.bonus, d.drum.front());
        });
    const std::string headless = headed.substr(headed.find('\n') + 1);
    const std::string packed = fileOf("Ziehungsdatum,Lottozahlen,SZ\n", draws, [&](int, const Drawn& d) {
        return dotted(d) + "," + joined(d.balls, " ") + formatText(",%d", d.drum.front());
    });
    ASSERT_TRUE(std::any_of(draws.begin(), draws.end(), [](const Drawn& d) { return d.drum.front() == 0; }));

    // The bonus column is the bonus of a lottery that has one and passed over
    // by one that has none; the Superzahl, last, is the second drum either way.
    for (const std::string& file : {headed, headless}) {
        const Read read = readFile(file, withBonus);
        EXPECT_EQ(read.draws, expectedDraws(draws, true));
        EXPECT_EQ(read.words.back(), file == headed ? "Second drum: column 9 \"Superzahl\"" : "Second drum: column 9");
        EXPECT_EQ(read.words.at(3), file == headed ? "Bonus: column 8 \"Zusatzzahl\"" : "Bonus: column 8");
        EXPECT_EQ(readFile(file, kLotto6aus49).draws, expectedDraws(draws));
    }
    EXPECT_EQ(readFile(packed, kLotto6aus49).draws, expectedDraws(draws));
}

TEST(SecondDrumLayouts, linesThatDoNotFitTheDrumAreRejectedByLineAndFilesWithoutItAreRefused) {
    const std::string file =
        "Date,Balls,Stars\n"
        "2023-01-13,4 13 25 33 37,5 10\n"
        "2023-01-17,4 13 25 33 37,5 13\n"
        "2023-01-20,4 13 25 33 37,5\n"
        "2023-01-24,4 13 25 33 37 8,5 10\n"
        "2023-01-27,4 13 25 33 37,5 10 11\n";
    const Read read = readFile(file, kEuroMillions);
    EXPECT_EQ(read.draws.size(), 1u);
    EXPECT_EQ(read.reasons, (std::vector<std::string>{
                                "line 3: second drum number 13 is outside the lottery's 1 to 12",
                                "line 4: 1 second drum numbers where the lottery has 2",
                                "line 5: 6 numbers where the lottery has 5",
                                "line 6: 3 second drum numbers where the lottery has 2",
                            }));
    const std::string packedTogether =
        "Date,Numbers\n2023-01-13,4 13 25 33 37 5 10\n2023-01-17,4 13 25 33 37 5\n2023-01-20,4 13 25 33 37 5 10\n";
    EXPECT_EQ(readFile(packedTogether, kEuroMillions).reasons,
              std::vector<std::string>{"line 3: 6 numbers where the lottery has 5 and 2 of its second drum"});

    // Main balls alone, or jackpots where the stars would be: no draw of the lottery.
    EXPECT_EQ(readFile("2023-01-13,4,13,25,33,37\n2023-01-17,1,2,3,4,5\n", kEuroMillions).problem,
              "No columns hold the second drum's 2 numbers from 1 to 12 beside the balls.");
    // Two draws a line.
    const std::string twoDraws =
        "2023-01-13,4,13,25,33,37,5,10,1,2,3,4,5,6,7\n2023-01-17,5,6,7,8,9,1,2,11,12,13,14,15,3,4\n";
    EXPECT_EQ(readFile(twoDraws, kEuroMillions).problem,
              "Columns 2 to 15 hold 14 numbers on each line where the lottery draws 7.");
}

TEST(SecondDrumLayouts, theDrumsHeadingsNameItInEachLanguageOnlyForALotteryWithOne) {
    for (const char* heading : {"Star 1", "Lucky Star 2", "LS1", "Euro number 1", "Euro Numbers", "Eurozahl 2", "EZ1",
                                "Stern 1", "Sterne", "Superzahl", "SZ", "\xC3\x89toile 1", "Estrella 2", "Estrelas",
                                "Stella 1", "Stelle", "Ster 1", "Euronumeri", "Euro 2"}) {
        SCOPED_TRACE(heading);
        EXPECT_EQ(headingRole(heading, true), HeadingRole::SecondDrum);
    }
    // Without a second drum, headings name what they always named.
    EXPECT_EQ(headingRole("Star 1"), HeadingRole::Bonus);
    EXPECT_EQ(headingRole("Superzahl"), HeadingRole::Bonus);
    EXPECT_EQ(headingRole("Euro number 1"), HeadingRole::Ball);
    EXPECT_EQ(headingRole("Stern"), HeadingRole::Unknown);
    // Money and counts are never the drum.
    EXPECT_EQ(headingRole("Jackpot Euro", true), HeadingRole::NotBall);
    EXPECT_EQ(headingRole("Sterne Gewinner", true), HeadingRole::NotBall);
}

}  // namespace
}  // namespace numora
