#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/PickRefusal.h"
#include "picking/SilentProgress.h"
#include "ui/support/Colours.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

const LotteryProfile kLotto{"Lotto", 6, 1, 49, 49, false, true, false, true};

const std::vector<std::string> kLottoWelcome{"Select PICK to calculate your", "Lotto", "predicted numbers",
                                             "or select a different lottery.", "Good Luck!"};

class MainWindowPickTest : public MainWindowTest {
protected:
    void SetUp() override {
        writeLotteries({kLotto});
        setOption(kLotteryNameOption, kLotto.name);
    }

    // The line the engine makes for the lottery's draws on disk, as the
    // window should ask for it.
    std::string expectedLine(const LotteryProfile& lottery, int lines, LineKind kind) const {
        DrawList draws;
        DrawFile::load(device, kTestDataFolder, lottery.name, draws);
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult made = makePick(engine, {lottery, draws, state.options, lines, kind, kTestClock}, progress);
        return makeLineText(made.line, lottery);
    }
};

TEST_F(MainWindowPickTest, firstPickReplacesTheWelcomeLinesAndTheNextGoesOnTopSelected) {
    writeDraws("Lotto", 10);
    open();
    EXPECT_EQ(pickList().lines(), kLottoWelcome);
    EXPECT_EQ(status(), "Ready");
    EXPECT_TRUE(state.welcomeShown);

    pick();
    const std::string first = expectedLine(kLotto, 0, LineKind::Analysed);
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{first});
    EXPECT_EQ(pickList().selectedLine(), first);
    EXPECT_FALSE(state.welcomeShown);
    EXPECT_EQ(status(), "Ready");

    pick();
    const std::string second = expectedLine(kLotto, 1, LineKind::Analysed);
    EXPECT_EQ(pickList().lines(), (std::vector<std::string>{second, first}));
    EXPECT_EQ(pickList().selectedLine(), second);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowPickTest, withoutDrawsEveryPickIsTheClockSeededRandomLine) {
    open();
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_TRUE(state.randomMode);
    pick();
    pick();
    const std::string line = expectedLine(kLotto, 0, LineKind::Random);
    EXPECT_EQ(pickList().lines(), (std::vector<std::string>{line, line}));
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowPickTest, aPickTheProfileCannotGiveShowsWhyAndAddsNoLine) {
    const LotteryProfile tooSmall{"Tiny", 7, 1, 5, 0, false, false, false, false};
    writeLotteries({tooSmall});
    setOption(kLotteryNameOption, tooSmall.name);
    writeBallPictures({-1, -2, -3, -4, -5, -6, -7, -8});
    open();
    const QColor idleFirstSlot = shownColour(1);

    pick();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{kRefusalTooFewForLine});
    EXPECT_EQ(pickList().topLine(), "Select PICK to calculate your");
    EXPECT_EQ(pickList().topLevelItemCount(), 5);
    EXPECT_TRUE(state.welcomeShown);
    EXPECT_EQ(status(), "RANDOM MODE");
    EXPECT_TRUE(nearColour(shownColour(1), idleFirstSlot));
}

TEST_F(MainWindowPickTest, soundsPlayAtOpeningAndAtEachPickOnlyWhenSwitchedOn) {
    setOption(kStartSoundOption, "\\Windows\\start.wav");
    setOption(kPickSoundOption, "\\Windows\\pick.wav");
    open();
    pick();
    pick();
    EXPECT_EQ(sound.played, (std::vector<std::filesystem::path>{hostPath("\\Windows\\start.wav"),
                                                               hostPath("\\Windows\\pick.wav"),
                                                               hostPath("\\Windows\\pick.wav")}));
    window.reset();

    sound.played.clear();
    profile.writeText(kSoundOption.section, kSoundOption.key, "FALSE");
    open();
    pick();
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(MainWindowPickTest, tappingAPickLineShowsItsBallsAgain) {
    writeDraws("Lotto", 10);
    writeBallPictures({-1, -2, 3, 9, 17, 23, 40, 41, 7});
    open();
    pick();
    pickList().insertAtTop("03  09  17  23  40  41  - 07", false);
    tapLine(0);
    const int shown[] = {3, 9, 17, 23, 40, 41, -1, 7};
    for (int slot = 1; slot <= 8; ++slot)
        EXPECT_TRUE(nearColour(shownColour(slot), colourOf(shown[slot - 1]))) << "slot " << slot;
}

TEST_F(MainWindowPickTest, tappingTheWelcomeLinesEmptiesTheListAndLeavesTheBalls) {
    writeBallPictures({-1, -2, 5});
    open();
    tapLine(1);
    EXPECT_EQ(pickList().topLevelItemCount(), 0);
    EXPECT_TRUE(nearColour(shownColour(1), colourOf(-2)));
    EXPECT_TRUE(state.welcomeShown);

    pick();
    EXPECT_EQ(pickList().topLevelItemCount(), 1);
}

}  // namespace
}  // namespace numora
