#include <cstdio>
#include <sstream>

#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "analysis/Backtest.h"
#include "draws/DrawFile.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickingTestData.h"
#include "picking/SilentProgress.h"
#include "settings/PickRulesStore.h"
#include "support/FailingAppProfile.h"
#include "support/BallSets.h"

namespace numora {
namespace {

constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Daily\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nShowBonus=Yes\r\n"
    u"\r\n[Daily]\r\nBalls=3\r\nMin=1\r\nMax=9\r\nBonus=0\r\n";
const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, false, false, true};

using testing::ballsOf;

class RulesCommand : public SettingsCommandTest {
protected:
    RulesCommand() { writeSettings(kLotteries); }

    std::string stored(const std::string& lottery) const { return profile.readText("PickRules", lottery, "(none)"); }

    // The pick-list line the engine makes for Lotto from the draws.
    std::string lineOf(const DrawList& draws, int lines, const PickRules& rules, const TakenLines* taken = nullptr) {
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickRequest request{kLotto, draws, state.options, lines, LineKind::Analysed, 0, rules, taken};
        return makeLineText(makePick(engine, request, progress).line, kLotto) + "\n";
    }
};

TEST_F(RulesCommand, rulesAreShownChangedAndStoredForTheLottery) {
    EXPECT_EQ(run(runRules, {"Lotto"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Fixed=\nExcluded=\nNewLine=No\n");
    EXPECT_EQ(stored("Lotto"), "(none)");

    EXPECT_EQ(run(runRules, {"Lotto", "--fix", "7, 13", "--exclude", "1-5,44-49", "--new-line"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Fixed=7,13\nExcluded=1-5,44-49\nNewLine=Yes\n");
    EXPECT_EQ(stored("Lotto"), "fixed 7 13 excluded 1-5 44-49 new-line");
    EXPECT_EQ(run(runRules, {"Lotto", "--any-line", "--exclude", ""}), 0) << err.str();
    EXPECT_EQ(out.str(), "Fixed=7,13\nExcluded=\nNewLine=No\n");
    EXPECT_EQ(run(runRules, {"Lotto", "--clear", "--exclude", "9"}), 0) << err.str();
    EXPECT_EQ(stored("Lotto"), "excluded 9");
    EXPECT_EQ(run(runRules, {"Lotto", "--clear"}), 0) << err.str();
    EXPECT_EQ(stored("Lotto"), "(none)");
    EXPECT_EQ(err.str(), "");
}

TEST_F(RulesCommand, rulesTheLotteryCannotFollowAreRefusedWithTheReasonAndNothingStored) {
    ASSERT_TRUE(writePickRules(profile, "Lotto", {ballsOf({7}), {}, false}));
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"Lotto", "--exclude", "7"}, "7 cannot be both fixed and excluded."},
             {{"Lotto", "--exclude", "9-2"}, "--exclude: \"9-2\" is not a number or a run of numbers such as 9-15"},
             {{"Lotto", "--new-line", "--any-line"}, "--new-line and --any-line cannot be used together"},
             {{"lotto"}, "no lottery of that name (names are matched exactly): lotto"}}) {
        EXPECT_NE(run(runRules, words), 0) << message;
        EXPECT_EQ(err.str(), "rules: " + message + "\n");
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(stored("Lotto"), "fixed 7");

    testing::FailingAppProfile failing;
    CliContext context{state, device, failing, locale, time, out, err};
    err.str({});
    EXPECT_NE(runRules(context, {"Lotto", "--fix", "3"}), 0);
    EXPECT_EQ(err.str(), std::string("rules: The pick rules were not stored: Numora ") +
                             testing::FailingAppProfile::kFailure + ".\n");
}

TEST_F(RulesCommand, pickAndBacktestFollowTheRulesAndANewLineDiffersFromTheLinesListedBefore) {
    const DrawList draws = testing::sampleDraws(36);
    ASSERT_TRUE(DrawFile::save(device, state.dataFolder, "Lotto", draws).ok());
    state.options = {.model = 1};
    const PickRules rules{ballsOf({7, 13}), ballsOf({1, 2, 3, 4, 5}), false};
    ASSERT_TRUE(writePickRules(profile, "Lotto", rules));
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "0"}), 0) << err.str();
    EXPECT_EQ(out.str(), lineOf(draws, 0, rules));
    EXPECT_EQ(out.str().substr(0, 6), "07  13");

    // Binomial seeds the first two picks of these draws alike; with a new
    // line, the second avoids the first.
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "1"}), 0) << err.str();
    EXPECT_EQ(out.str(), lineOf(draws, 0, rules));
    PickRules newLine = rules;
    newLine.newLine = true;
    ASSERT_TRUE(writePickRules(profile, "Lotto", newLine));
    TakenLines first(6);
    first.add(readLineText(lineOf(draws, 0, newLine), kLotto)->slots);
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "1"}), 0) << err.str();
    EXPECT_EQ(out.str(), lineOf(draws, 1, newLine, &first));
    EXPECT_NE(out.str(), lineOf(draws, 0, newLine));
    EXPECT_NE(run(runPick, {"Lotto", "--lines", "10001"}), 0);
    EXPECT_EQ(err.str(),
              "pick: --lines: with a new line each Pick, pick makes the lines of the pick list before it, and "
              "makes at most 10000\n");

    EXPECT_EQ(run(runBacktest, {"Lotto", "--last", "20"}), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    EXPECT_EQ(line, "pick rules: fixed 7, 13; excluded 1-5; a new line each Pick (changes nothing here: each pick is "
                    "the first of its pick list)");
    std::getline(lines, line);
    const BacktestResult expected = backtestAnalysedPicks(draws, kLotto, state.options, 20, {}, newLine);
    for (const int picks : expected.observed) {
        std::getline(lines, line);
        int matches = -1;
        int shownPicks = -1;
        ASSERT_EQ(std::sscanf(line.c_str(), "%d %d", &matches, &shownPicks), 2) << line;
        EXPECT_EQ(shownPicks, picks) << line;
    }
    EXPECT_NE(expected.observed, backtestAnalysedPicks(draws, kLotto, state.options, 20).observed);
}

TEST_F(RulesCommand, rulesAChangedProfileNoLongerAllowsAreDroppedWithAWordAndStoredByRulesAlone) {
    const DrawList draws = testing::sampleDraws(36);
    ASSERT_TRUE(DrawFile::save(device, state.dataFolder, "Daily", draws).ok());
    ASSERT_TRUE(writePickRules(profile, "Daily", {ballsOf({2, 12}), ballsOf({1, 8, 9, 40}), false}));
    const std::string dropped =
        "The pick rules of Daily no longer fit its profile (3 balls from 1 to 9), so Numora dropped from them: "
        "fixed 12; excluded 40.";
    EXPECT_EQ(run(runPick, {"Daily"}), 0) << err.str();
    EXPECT_EQ(err.str(), "pick: " + dropped + "\n");
    EXPECT_EQ(out.str().substr(0, 2), "02");
    EXPECT_EQ(stored("Daily"), "fixed 2 12 excluded 1 8 9 40");
    EXPECT_EQ(run(runRules, {"Daily"}), 0);
    EXPECT_EQ(err.str(), "rules: " + dropped + "\n");
    EXPECT_EQ(stored("Daily"), "fixed 2 excluded 1 8 9");
    EXPECT_EQ(run(runRules, {"Daily"}), 0);
    EXPECT_EQ(err.str(), "");
}

TEST_F(RulesCommand, deletingALotteryRemovesItsRules) {
    ASSERT_TRUE(writePickRules(profile, "Daily", {{}, {}, true}));
    ASSERT_TRUE(writePickRules(profile, "Lotto", {{}, {}, true}));
    EXPECT_EQ(run(runDelete, {"Daily"}), 0) << err.str();
    EXPECT_EQ(stored("Daily"), "(none)");
    EXPECT_EQ(stored("Lotto"), "new-line");

    testing::FailingAppProfile failing;
    CliContext context{state, device, failing, locale, time, out, err};
    writeSettings(kLotteries);
    EXPECT_NE(runDelete(context, {"Daily"}), 0);
    EXPECT_EQ(err.str(), std::string("delete: The pick rules of Daily were not removed: Numora ") +
                             testing::FailingAppProfile::kFailure + ".\n");
}

}  // namespace
}  // namespace numora
