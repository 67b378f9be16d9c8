#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

#include "picking/LineText.h"
#include "picking/PickFlow.h"
#include "picking/SilentProgress.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

class MainWindowDialogsTest : public MainWindowTest {
protected:
    // The first pick of the lottery's draws with a forecasting model.
    std::string firstPick(int model) const {
        DrawList draws;
        DrawFile::load(paths, kTestDataFolder, kLotto.name, draws);
        Options options = state.options;
        options.model = model;
        CrtRandom random;
        PredictionEngine engine(random);
        SilentProgress progress;
        const PickResult made = makePick(engine, {kLotto, draws, options, 0, LineKind::Analysed, kTestClock}, progress);
        return makeLineText(made.line, kLotto);
    }
};

TEST_F(MainWindowDialogsTest, aLotteryAddedInTheEditorIsListedAndChosenWhenTheEditorCloses) {
    open();
    withModal([this] { trigger("addLotteryTypeAction"); }, [](QWidget& editor) {
        auto& name = *editor.findChild<LotterySelector*>(QStringLiteral("lotterySelector"));
        EXPECT_EQ(name.currentText(), QStringLiteral("Lotto"));
        name.setEditText(QStringLiteral("Lotto 649"));
        editor.findChild<QLineEdit*>(QStringLiteral("highestBonusEdit"))->setText(QStringLiteral("10"));
        editor.findChild<QPushButton*>(QStringLiteral("saveButton"))->click();
    });
    EXPECT_EQ(selector().names(), (std::vector<std::string>{"Lotto", "Lotto 649"}));
    EXPECT_EQ(selector().currentText(), QStringLiteral("Lotto 649"));
    EXPECT_EQ(state.current, (LotteryProfile{"Lotto 649", 6, 1, 49, 10, false, true, false, true}));
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto 649", "6 Balls, from 1 to 49"));
    EXPECT_EQ(profile.readText(kLotteryNameOption.section, kLotteryNameOption.key, ""), "Lotto 649");
}

TEST_F(MainWindowDialogsTest, advancedStoresWhateverClosesItAndTheNextPickUsesTheNewModel) {
    writeDraws(kLotto.name, 10);
    const std::filesystem::path elsewhere = folder / "elsewhere" / "bell.wav";
    setOption(kStartSoundOption, elsewhere.string());
    open();
    EXPECT_EQ(sound.played, std::vector{elsewhere});
    ASSERT_NE(firstPick(2), firstPick(1));

    withModal([this] { trigger("advancedAction"); }, [](QWidget& advanced) {
        advanced.findChild<QRadioButton*>(QStringLiteral("monteCarloRadio"))->click();
        advanced.close();
    });
    EXPECT_EQ(profile.readInt(kForecastModelOption.section, kForecastModelOption.key, -1), 2);
    EXPECT_EQ(profile.readText(kStartSoundOption.section, kStartSoundOption.key, ""), elsewhere.string());
    pick();
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{firstPick(2)});
}

}  // namespace
}  // namespace numora
