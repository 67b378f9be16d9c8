#include <set>

#include "Commands.h"
#include "SettingsCommandFixture.h"
#include "draws/DrawFile.h"
#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/PickingTestData.h"
#include "picking/SilentProgress.h"

namespace numora {
namespace {

// "Lotto" sorts and shows a bonus; "Small" has too few numbers for an
// analysed line without repeats, but enough for a random one.
constexpr std::u16string_view kLotteries =
    u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=Small\r\n"
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nSort=Yes\r\nShowBonus=Yes\r\n"
    u"\r\n[Small]\r\nBalls=3\r\nMin=1\r\nMax=5\r\nBonus=0\r\n";

using PickCommand = SettingsCommandTest;

TEST_F(PickCommand, analysedPickUsesTheStoredProfileDrawsAndOptionsWithTheWordsChanges) {
    writeSettings(kLotteries);
    const DrawList draws = testing::sampleDraws(60);
    ASSERT_EQ(DrawFile::save(device, state.dataFolder, "Lotto", draws).ok(), true);
    LotteryProfile lotto = testing::lotteryProfile(6, 1, 49, 49, false, true);
    lotto.sort = true;
    const auto analysedLine = [&](const Options& options, int lines) {
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult pick = makePick(engine, {lotto, draws, options, lines, LineKind::Analysed, 0}, progress);
        return makeLineText(pick.line, lotto) + "\n";
    };

    state.options.model = 0;
    state.options.pattern = false;
    state.options.moreWeightToLessFrequent = true;
    EXPECT_EQ(run(runPick, {"Lotto"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(state.options, 1));

    Options changed = state.options;
    changed.model = 2;
    changed.pattern = true;
    changed.moreWeightToLessFrequent = false;
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "7", "--model", "2", "--pattern", "--no-weight"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(changed, 7));
}

TEST_F(PickCommand, withoutDrawsOrWithRandomThePickIsARandomLine) {
    writeSettings(kLotteries);
    EXPECT_EQ(run(runPick, {"Small"}), 0) << err.str();
    ASSERT_EQ(DrawFile::save(device, state.dataFolder, "Small", testing::sampleDraws(5)).ok(), true);
    EXPECT_NE(run(runPick, {"Small"}), 0);
    EXPECT_EQ(err.str(), std::string("pick: ") + kRefusalTooFewForCandidates + "\n");
    EXPECT_EQ(run(runPick, {"Small", "--random"}), 0) << err.str();
    const auto line = readLineText(out.str().substr(0, out.str().find('\n')), testing::lotteryProfile(3, 1, 5));
    ASSERT_TRUE(line.has_value()) << out.str();
    EXPECT_EQ(std::set<int>(line->slots.begin(), line->slots.begin() + 3).size(), 3u);
}

TEST_F(PickCommand, wordsThatDoNotFitAreRefused) {
    writeSettings(kLotteries);
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"Lotto", "--model", "3"}, "pick: --model: the forecasting model is 0, 1 or 2\n"},
             {{"Lotto", "--lines", "-1"}, "pick: --lines: the pick list cannot hold fewer than 0 lines\n"},
             {{"Lotto", "--weight", "--no-weight"}, "pick: --weight and --no-weight cannot be used together\n"},
             {{"lotto"}, "pick: no lottery of that name (names are matched exactly): lotto\n"}}) {
        EXPECT_NE(run(runPick, words), 0) << message;
        EXPECT_EQ(err.str(), message);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace numora
