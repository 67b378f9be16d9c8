#include <gtest/gtest.h>

#include "AnalysisTestData.h"
#include "analysis/Backtest.h"
#include "analysis/ChanceOdds.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/PickingTestData.h"
#include "picking/SilentProgress.h"

namespace numora {
namespace {

using testing::kLotto649;
using testing::kPick3;

void expectOdds(const std::vector<double>& odds, const std::vector<double>& expected) {
    ASSERT_EQ(odds.size(), expected.size());
    for (std::size_t m = 0; m < odds.size(); ++m) EXPECT_NEAR(odds[m], expected[m], 1e-12) << "m = " << m;
}

TEST(ChanceOdds, matchOddsOfRandomLinesAreTheHandComputedOnes) {
    // 6/49: C(6,m) C(43,6-m) / C(49,6), with C(49,6) = 13983816.
    expectOdds(randomLineMatchOdds(kLotto649, {1, 2, 3, 4, 5, 6}),
               {6096454 / 13983816.0, 5775588 / 13983816.0, 1851150 / 13983816.0, 246820 / 13983816.0,
                13545 / 13983816.0, 258 / 13983816.0, 1 / 13983816.0});
    // A 3-digit game whose digits repeat: three digits each from 0 to 9 (1000
    // lines). Against 1 2 3: no digit of them 7^3; all three 3!; one 3 x (8^3 - 7^3).
    expectOdds(randomLineMatchOdds(kPick3, {1, 2, 3}), {0.343, 0.507, 0.144, 0.006});
    // Against 1 1 2: no 1 or 2 8^3; two 1s and a 2 three ways; two matches from
    // 1 1 x, 1 1 1, 1 2 x, 1 2 2 (24 + 1 + 48 + 3).
    expectOdds(randomLineMatchOdds(kPick3, {1, 1, 2}), {0.512, 0.409, 0.076, 0.003});
    // The same game with different digits only: C(10,3) = 120 lines, and a
    // draw's repeated digit can be matched once.
    LotteryProfile distinctDigits = kPick3;
    distinctDigits.repeat = false;
    expectOdds(randomLineMatchOdds(distinctDigits, {1, 2, 3}), {35 / 120.0, 63 / 120.0, 21 / 120.0, 1 / 120.0});
    expectOdds(randomLineMatchOdds(distinctDigits, {1, 1, 2}), {56 / 120.0, 56 / 120.0, 8 / 120.0, 0.0});
    EXPECT_EQ(binomial(49, 6), 13983816.0);
}

// Draws that each come out as the analysed pick of the draws before them,
// made as the main window makes one into an empty pick list: a backtest
// matches every one of them whole, unless a pick sees anything else.
TEST(Backtest, eachPickComesFromTheDrawsBeforeItAlone) {
    const Options options{.model = 1, .pattern = true};
    DrawList draws = testing::sampleDraws(30);
    CrtRandom random;
    PredictionEngine engine(random);
    SilentProgress silent;
    for (int drawn = 0; drawn < 10; ++drawn) {
        const PickedLine pick = makePick(engine, {kLotto649, draws, options, 0, LineKind::Analysed, 0}, silent).line;
        DrawRecord draw;
        for (int ball = 1; ball <= 6; ++ball) draw.ball(ball) = pick.slots[static_cast<std::size_t>(ball - 1)];
        draw.bonus = pick.bonus;
        draws.append(draw);
    }
    std::vector<std::pair<std::size_t, std::size_t>> told;
    const BacktestResult result =
        backtestAnalysedPicks(draws, kLotto649, options, 10, [&](std::size_t done, std::size_t total) {
            told.push_back({done, total});
        });
    EXPECT_EQ(result.tested, 10u);
    EXPECT_EQ(result.observed, (std::vector<int>{0, 0, 0, 0, 0, 0, 10}));
    EXPECT_EQ(result.bonusMatched, 10);
    EXPECT_EQ(told.size(), 10u);
    EXPECT_EQ(told.back(), (std::pair<std::size_t, std::size_t>{10, 10}));

    // Every draw of six different numbers expects the 6/49 odds: 10 of them
    // 4.35965 lines with no match, 0.176504 with three. A ShowBonus bonus stays
    // apart from the line's six numbers, so it matches 1 time in 43.
    EXPECT_NEAR(result.expected[0], 10 * 6096454 / 13983816.0, 1e-9);
    EXPECT_NEAR(result.expected[3], 10 * 246820 / 13983816.0, 1e-9);
    EXPECT_NEAR(result.expectedMean(), 36.0 / 49.0, 1e-12);
    EXPECT_EQ(result.bonusTried, 10);
    EXPECT_NEAR(result.bonusExpected, 10 / 43.0, 1e-12);
}

TEST(Backtest, drawsWithTooFewBeforeThemAreNotTestedAndAnImpossibleProfileIsRefused) {
    const DrawList draws = testing::sampleDraws(5);
    EXPECT_EQ(backtestAnalysedPicks(draws, kLotto649, Options{}, 100).tested, 2u);
    EXPECT_EQ(backtestAnalysedPicks(testing::sampleDraws(3), kLotto649, Options{}, 100).tested, 0u);

    LotteryProfile tooSmall = kLotto649;
    tooSmall.max = 6;
    const BacktestResult refused = backtestAnalysedPicks(draws, tooSmall, Options{}, 100);
    EXPECT_EQ(refused.refusal, kRefusalTooFewForCandidates);
    EXPECT_EQ(refused.tested, 0u);
}

TEST(Backtest, verdictWeighsTheDifferenceAgainstTheSpreadOfLuck) {
    // 100 lines of 6/49: 73.47 numbers expected, variance 100 x 6 (6/49)
    // (43/49) (43/48) = 57.76, so luck's spread is 7.6 numbers.
    BacktestResult result;
    result.tested = 100;
    result.expected = {0, 100 * 36.0 / 49.0};
    result.expectedVariance = 100 * 6 * (6 / 49.0) * (43 / 49.0) * (43 / 48.0);
    const auto verdictFor = [&](int matched) {
        result.observed = {100 - matched, matched};
        return backtestVerdict(result);
    };
    EXPECT_EQ(verdictFor(80),
              "No better than chance: the picks matched 0.80 numbers a line where random lines would match 0.73, "
              "a difference luck alone gives.");
    EXPECT_EQ(verdictFor(89).substr(0, 60), "Better than chance on these draws: 0.89 numbers a line again");
    EXPECT_EQ(verdictFor(57).substr(0, 59), "Worse than chance on these draws: 0.57 numbers a line again");
    result.tested = 29;
    EXPECT_EQ(backtestVerdict(result),
              "Too few draws to judge: 29 picks cannot tell a method from luck; test at least 30.");
}

}  // namespace
}  // namespace numora
