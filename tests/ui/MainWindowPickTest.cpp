#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/SilentProgress.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

class MainWindowPickTest : public MainWindowTest {
protected:
    // The line the engine makes for the lottery's draws on disk, as the
    // window should ask for it.
    std::string expectedLine(int lines, LineKind kind) const {
        DrawList draws;
        DrawFile::load(paths, kTestDataFolder, kLotto.name, draws);
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult made = makePick(engine, {kLotto, draws, state.options, lines, kind, kTestClock}, progress);
        return makeLineText(made.line, kLotto);
    }
};

TEST_F(MainWindowPickTest, firstPickReplacesTheWelcomeLinesAndTheNextGoesOnTopSelected) {
    writeDraws("Lotto", 10);
    open();
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto"));
    pick();
    const std::string first = expectedLine(0, LineKind::Analysed);
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{first});
    EXPECT_FALSE(state.welcomeShown);

    pick();
    const std::string second = expectedLine(1, LineKind::Analysed);
    EXPECT_EQ(pickList().lines(), (std::vector<std::string>{second, first}));
    EXPECT_EQ(pickList().selectedLine(), second);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowPickTest, withoutDrawsEachPickIsTheClockSeededRandomLineAndSoundsOnlyWhenSwitchedOn) {
    setOption(kStartSoundOption, "\\Windows\\start.wav");
    setOption(kPickSoundOption, "\\Windows\\pick.wav");
    open();
    pick();
    pick();
    const std::string line = expectedLine(0, LineKind::Random);
    EXPECT_EQ(pickList().lines(), (std::vector<std::string>{line, line}));
    EXPECT_EQ(status(), "RANDOM MODE");
    const auto picked = host("\\Windows\\pick.wav");
    EXPECT_EQ(sound.played, (std::vector{host("\\Windows\\start.wav"), picked, picked}));

    sound.played.clear();
    profile.writeText(kSoundOption.section, kSoundOption.key, "FALSE");
    open();
    pick();
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(MainWindowPickTest, aPickTheProfileCannotGiveShowsWhyAndChangesNothing) {
    const LotteryProfile tooSmall{"Tiny", 7, 1, 5, 0, false, false, false, false};
    writeLotteries({tooSmall});
    setOption(kLotteryNameOption, tooSmall.name);
    writeBallPictures();
    open();
    pick();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kRefusalTooFewForLine});
    EXPECT_EQ(pickList().lines(), welcomeFor("Tiny"));
    EXPECT_TRUE(state.welcomeShown);
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_EQ(shownBalls(), kIdleBalls);
}

TEST_F(MainWindowPickTest, ballsShowTheLastPickOrTappedLineAndTheIdleWordWhenTheLotteryIsChosenAgain) {
    writeDraws("Lotto", 10);
    writeBallPictures();
    writeBallPictures({3, 9, 17, 23, 40, 41, 7});
    open();
    EXPECT_EQ(shownBalls(), kIdleBalls);
    tapLine(1);  // a welcome line: the list empties, the balls stay
    EXPECT_EQ(pickList().topLevelItemCount(), 0);
    EXPECT_EQ(shownBalls(), kIdleBalls);
    pick();
    EXPECT_EQ(pickList().topLevelItemCount(), 1);
    EXPECT_NE(shownBalls(), kIdleBalls);

    pickList().insertAtTop("03  09  17  23  40  41  - 07", false);
    tapLine(0);
    EXPECT_EQ(shownBalls(), (std::vector<int>{3, 9, 17, 23, 40, 41, -1, 7}));

    chooseInSelector("Lotto");
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto", "6 Balls, from 1 to 49"));
    EXPECT_EQ(shownBalls(), kIdleBalls);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
}  // namespace numora
