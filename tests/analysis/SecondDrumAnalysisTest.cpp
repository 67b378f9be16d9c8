#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "AnalysisTestData.h"
#include "analysis/Backtest.h"
#include "analysis/ChanceOdds.h"
#include "analysis/LineCheck.h"
#include "analysis/LineEntry.h"
#include "analysis/Trends.h"
#include "support/SecondDrumLotteries.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kEuroMillions;
using testing::kSuperzahl;
using testing::lineOf;

// How many lines a random line needs, on average, to match every number.
double jackpotOdds(const LotteryProfile& profile, const std::vector<int>& main, const std::vector<int>& second) {
    const auto odds = randomLineLabelOdds(profile, main, second);
    double total = 0.0;
    for (const auto& row : odds) total = std::accumulate(row.begin(), row.end(), total);
    EXPECT_NEAR(total, 1.0, 1e-12);
    return 1.0 / odds.back().back();
}

}  // namespace

TEST(SecondDrumAnalysis, theOddsOfARandomLineTakeTheSecondDrumExactly) {
    // EuroMillions and EuroJackpot since 2022: 5 of 50 and 2 of 12; 6aus49: 6 of 49 and a Superzahl of 10.
    EXPECT_EQ(std::round(jackpotOdds(kEuroMillions, {4, 13, 25, 33, 37}, {5, 10})), 139'838'160.0);
    const LotteryProfile euroJackpot{.name = "EuroJackpot", .balls = 5, .max = 50, .bonus = 0,
                                     .drum2 = 2, .drum2Min = 1, .drum2Max = 12};
    EXPECT_EQ(std::round(jackpotOdds(euroJackpot, {3, 4, 11, 33, 47}, {6, 9})), 139'838'160.0);
    EXPECT_EQ(std::round(jackpotOdds(kSuperzahl, {3, 8, 9, 10, 29, 42}, {0})), 139'838'160.0);
    // 5+0: five balls, neither star: C(10,2) of the C(12,2) pairs.
    const auto odds = randomLineLabelOdds(kEuroMillions, {4, 13, 25, 33, 37}, {5, 10});
    EXPECT_NEAR(odds[5][0], 45.0 / 66.0 / 2'118'760.0, 1e-18);
}

TEST(SecondDrumAnalysis, checksCountMainThenSecondDrumMatchesAndTheBestHasMoreBallsThenMoreStars) {
    const DrawRecord draw = drawOf(0, {4, 13, 25, 33, 37, 5, 10});
    const std::vector<std::optional<PickedLine>> picks = {
        lineOf({4, 13, 25, 33, 37, 5, 10}), lineOf({4, 13, 25, 1, 2, 10, 12}),
        lineOf({5, 10, 1, 2, 3, 4, 13}),  // the stars among the balls and a ball among the stars match nothing
        lineOf({4, 13, 25, 1, 2, 3, 5}), std::nullopt};
    const PicksCheck check = checkPicks(picks, draw, kEuroMillions);
    EXPECT_EQ(check.labels, (std::vector<std::string>{"5+2", "3+1", "0+0", "3+1", ""}));
    EXPECT_EQ(check.best, 0u);
    const PicksCheck moreBalls =
        checkPicks({lineOf({4, 13, 25, 33, 1, 5, 10}), lineOf({4, 13, 25, 33, 37, 1, 2})}, draw, kEuroMillions);
    EXPECT_EQ(moreBalls.labels, (std::vector<std::string>{"4+2", "5+0"}));
    EXPECT_EQ(moreBalls.best, 1u);
    const LineMatch match = matchLine(*picks[1], draw, kEuroMillions);
    EXPECT_EQ(match.matchedSlots, (std::array{true, true, true, false, false, true, false}));

    // A Superzahl of 0 is a number like any other; a bonus is labelled after the second drum.
    EXPECT_EQ(matchLabel(matchLine(lineOf({3, 8, 9, 10, 29, 42, 0}), drawOf(0, {3, 8, 9, 10, 29, 42, 0}), kSuperzahl)),
              "6+1");
    LotteryProfile withBonus = kSuperzahl;
    withBonus.bonus = 49;
    const DrawRecord withFive = drawOf(0, {3, 8, 9, 10, 29, 42, 0}, 5);
    EXPECT_EQ(matchLabel(matchLine(lineOf({3, 8, 9, 10, 1, 2, 7}, 5), withFive, withBonus)),
              "4+0+1");

    // The same line drawn before: balls and second drum alike.
    const DrawList draws = {drawOf(10, {4, 13, 25, 33, 37, 5, 10}), drawOf(20, {4, 13, 25, 33, 37, 5, 11})};
    EXPECT_EQ(datesDrawn(*picks[0], draws, kEuroMillions), std::vector<std::int32_t>{10});
}

TEST(SecondDrumAnalysis, typedLinesTakeTheSecondDrumAfterThePlusOrAfterTheBalls) {
    const PickedLine line = lineOf({3, 9, 17, 23, 40, 2, 11});
    for (const char* text :
         {"03  09  17  23  40  + 02  11 ", "3 9 17 23 40 2 11", "3,9,17,23,40,2,11", "3 9 17 23 40+2 11"}) {
        const LineEntry entry = readLineEntry(text, kEuroMillions);
        EXPECT_EQ(entry.line, line) << text << ": " << entry.error;
    }
    EXPECT_EQ(readLineEntry("6 16 17 41 42 49 0", kSuperzahl).line, lineOf({6, 16, 17, 41, 42, 49, 0}));
    for (const auto& [text, error] : std::vector<std::pair<const char*, const char*>>{
             {"3 9 17 23 40 2", "\"3 9 17 23 40 2\" does not have the lottery's 5 numbers and 2 of its second drum"},
             {"3 9 17 23 + 40 2 11",
              "\"3 9 17 23 + 40 2 11\" does not have the lottery's 5 numbers and 2 of its second drum"},
             {"3 9 17 23 40 2 13", "\"3 9 17 23 40 2 13\": 13 is not a number of the second drum from 1 to 12"},
             {"3 9 17 23 40 + 2 2", "\"3 9 17 23 40 + 2 2\": 2 is there twice among the second drum's numbers"},
             {"3 9 17 23 40 2 11 - 4", "\"3 9 17 23 40 2 11 - 4\" has a bonus, but the lottery has none"},
             {"3 9 17 23 40 + x", "\"3 9 17 23 40 + x\" is not a line of numbers"}}) {
        const LineEntry entry = readLineEntry(text, kEuroMillions);
        EXPECT_FALSE(entry.line) << text;
        EXPECT_EQ(entry.error, error);
    }
}

TEST(SecondDrumAnalysis, trendsAndTheBacktestCountTheSecondDrumApart) {
    const DrawList draws = {drawOf(0, {3, 8, 9, 10, 29, 42, 0}), drawOf(0, {1, 2, 3, 4, 5, 6, 9}),
                            drawOf(0, {1, 2, 3, 4, 5, 7, 0})};
    const Trends trends = countTrends(draws, kSuperzahl, std::nullopt);
    ASSERT_EQ(trends.secondDrum.numbers.size(), 10u);
    EXPECT_EQ(trends.secondDrum.numbers[0], (NumberTrend{0, 2, 0}));
    EXPECT_EQ(trends.secondDrum.numbers[9], (NumberTrend{9, 1, 1}));
    EXPECT_EQ(trends.secondDrum.ballsCounted, 3);
    EXPECT_DOUBLE_EQ(trends.secondDrum.expected, 0.3);
    EXPECT_EQ(trends.main.numbers[8], (NumberTrend{9, 1, 2}));  // the Superzahl 9 is not ball 9
    EXPECT_TRUE(countTrends(draws, testing::kLotto649, std::nullopt).secondDrum.numbers.empty());

    DrawList history = testing::sampleDraws(40);
    for (std::size_t i = 0; i < history.size(); ++i) history.records()[i].ball7 = static_cast<int>(i % 10);
    const BacktestResult result = backtestAnalysedPicks(history, kSuperzahl, {}, 30);
    ASSERT_EQ(result.tested, 30u);
    int picks = 0;
    double lines = 0.0;
    for (std::size_t main = 0; main < result.observedLabels.size(); ++main) {
        const int byMain = std::accumulate(result.observedLabels[main].begin(), result.observedLabels[main].end(), 0);
        EXPECT_EQ(byMain, result.observed[main]);
        EXPECT_NEAR(std::accumulate(result.expectedLabels[main].begin(), result.expectedLabels[main].end(), 0.0),
                    result.expected[main], 1e-9);
        picks += byMain;
        lines += result.expected[main];
    }
    EXPECT_EQ(picks, 30);
    EXPECT_NEAR(lines, 30.0, 1e-9);
    // A Superzahl matches a tenth of the time by chance.
    double superzahl = 0.0;
    for (const auto& row : result.expectedLabels) superzahl += row[1];
    EXPECT_NEAR(superzahl, 3.0, 1e-9);
    EXPECT_TRUE(backtestAnalysedPicks(history, testing::kLotto649, {}, 30).observedLabels.empty());
}

}  // namespace numora
