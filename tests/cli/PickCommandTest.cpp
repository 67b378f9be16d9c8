#include <algorithm>
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
    u"\r\n[Lotto]\r\nBalls=6\r\nMin=1\r\nMax=49\r\nBonus=49\r\nRepeat=No\r\nSort=Yes\r\nPowerBall=No\r\n"
    u"ShowBonus=Yes\r\n"
    u"\r\n[Small]\r\nBalls=3\r\nMin=1\r\nMax=5\r\nBonus=0\r\nRepeat=No\r\nSort=No\r\nPowerBall=No\r\nShowBonus=No\r\n";

class PickCommand : public SettingsCommandTest {
protected:
    PickCommand() {
        writeSettings(kLotteries);
        lotto = testing::lotteryProfile(6, 1, 49, 49, false, true);
        lotto.name = "Lotto";
        lotto.sort = true;
    }

    void saveDraws(const std::string& lottery) {
        ASSERT_EQ(DrawFile::save(device, state.dataFolder, lottery, draws).ok(), true);
    }

    // The line the main window would show for an analysed pick.
    std::string analysedLine(const Options& options, int lines) const {
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult pick = makePick(engine, {lotto, draws, options, lines, LineKind::Analysed, 0}, progress);
        return makeLineText(pick.line, lotto) + "\n";
    }

    // The line the command wrote, without its line end.
    std::string printedLine() const {
        const std::string text = out.str();
        return text.substr(0, text.find('\n'));
    }

    LotteryProfile lotto;
    DrawList draws = testing::sampleDraws(60);
};

TEST_F(PickCommand, analysedPickUsesTheStoredProfileDrawsAndOptionsWithTheWordsChanges) {
    saveDraws("Lotto");
    const auto options = [](int model, bool pattern, bool weight) {
        Options made;
        made.model = model;
        made.pattern = pattern;
        made.moreWeightToLessFrequent = weight;
        return made;
    };
    state.options = options(0, true, false);
    EXPECT_EQ(run(runPick, {"Lotto"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(state.options, 1));
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "7", "--model", "2", "--no-pattern"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(options(2, false, false), 7));
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "7", "--model", "2", "--weight"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(options(2, true, true), 7));

    state.options = options(1, false, true);
    EXPECT_EQ(run(runPick, {"Lotto", "--lines", "7", "--model", "2", "--pattern", "--no-weight"}), 0) << err.str();
    EXPECT_EQ(out.str(), analysedLine(options(2, true, false), 7));
}

TEST_F(PickCommand, withoutDrawsOrWithRandomThePickIsARandomLine) {
    EXPECT_EQ(run(runPick, {"Lotto"}), 0) << err.str();
    const auto line = readLineText(printedLine(), lotto);
    ASSERT_TRUE(line.has_value()) << out.str();
    const auto shown = std::vector<int>(line->slots.begin(), line->slots.begin() + 6);
    EXPECT_EQ(std::is_sorted(shown.begin(), shown.end()), true);
    EXPECT_EQ(std::adjacent_find(shown.begin(), shown.end()), shown.end());
    EXPECT_EQ(std::count(shown.begin(), shown.end(), line->bonus), 0);

    // An analysed line of "Small" is refused; a random one is made.
    saveDraws("Small");
    EXPECT_NE(run(runPick, {"Small"}), 0);
    EXPECT_EQ(err.str(), std::string("pick: ") + kRefusalTooFewForCandidates + "\n");
    EXPECT_EQ(run(runPick, {"Small", "--random"}), 0) << err.str();
    const auto small = readLineText(printedLine(), testing::lotteryProfile(3, 1, 5));
    ASSERT_TRUE(small.has_value()) << out.str();
    std::set<int> numbers(small->slots.begin(), small->slots.begin() + 3);
    EXPECT_EQ(numbers.size(), 3u);
    EXPECT_GE(*numbers.begin(), 1);
    EXPECT_LE(*numbers.rbegin(), 5);
}

TEST_F(PickCommand, wordsThatDoNotFitAreRefused) {
    for (const auto& [words, message] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"Lotto", "--model", "3"}, "pick: --model: the forecasting model is 0, 1 or 2\n"},
             {{"Lotto", "--model", "two"}, "pick: option --model needs a whole number, not \"two\"\n"},
             {{"Lotto", "--lines", "-1"}, "pick: --lines: the pick list cannot hold fewer than 0 lines\n"},
             {{"Lotto", "--weight", "--no-weight"}, "pick: --weight and --no-weight cannot be used together\n"},
             {{"Lotto", "--sort"}, "pick: unknown option --sort\n"},
             {{"lotto"}, "pick: no lottery of that name (names are matched exactly): lotto\n"},
             {{}, "pick: needs the name of one lottery (quote a name that has spaces)\n"}}) {
        EXPECT_NE(run(runPick, words), 0) << message;
        EXPECT_EQ(err.str(), message);
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace numora
