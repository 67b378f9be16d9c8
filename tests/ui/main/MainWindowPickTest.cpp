#include <QComboBox>
#include <QMenu>

#include "picking/PickRefusal.h"
#include "picking/PickingTestData.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

using MainWindowPickTest = MainWindowTest;

TEST_F(MainWindowPickTest, firstPickReplacesTheWelcomeLinesAndTheNextGoesOnTopSelected) {
    writeDraws("Lotto", 10);
    open();
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto"));
    pick();
    const std::string first = expectedLine(0, LineKind::Analysed, state.options);
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{first});
    EXPECT_FALSE(state.welcomeShown);

    pick();
    const std::string second = expectedLine(1, LineKind::Analysed, state.options);
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
    const std::string line = expectedLine(0, LineKind::Random, state.options);
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

std::int32_t day(int year, int month, int dayOfMonth) {
    return static_cast<std::int32_t>(daysFromCivil(year, month, dayOfMonth) * 86400);
}

const std::vector<std::string> kPicks{"01  02  03  04  05  10  - 08", "03  09  17  23  40  41  - 07",
                                      "03  09  17  30  31  33  - 11"};

using testing::drawOf;

class MainWindowCheckTest : public MainWindowTest {
protected:
    // Opens with the three draws (the latest by date is not the last in the
    // list) and the three picks in the list.
    void openWithPicks() {
        const DrawList draws{drawOf(day(2024, 5, 18), {3, 9, 17, 30, 31, 32}, 7),
                             drawOf(day(2024, 5, 25), {3, 9, 17, 23, 40, 44}, 7),
                             drawOf(day(2024, 5, 22), {1, 2, 3, 4, 5, 6}, 8)};
        ASSERT_TRUE(DrawFile::save(paths, kTestDataFolder, kLotto.name, draws).ok());
        writeBallPictures({-1, 1, 2, 3, 4, 5, 7, 8, 9, 10, 17, 23, 40, 41});
        open();
        pick();
        pickList().setLines(kPicks);
    }

    // Runs Check Picks; the draw dialog, when it opens, offers its dates and
    // shows the numbers of the one chosen at `index`, then is answered.
    void checkPicks(int index, bool accept = true) {
        offered.clear();
        withModal([this] { trigger("checkPicksAction"); }, [&, index, accept](QWidget& modal) {
            auto& dates = child<QComboBox>(modal, "checkDrawDate");
            for (int i = 0; i < dates.count(); ++i) offered.push_back(dates.itemText(i).toStdString());
            dates.setCurrentIndex(index);
            numbersShown = child<QLabel>(modal, "checkDrawNumbers").text().toStdString();
            auto& dialog = static_cast<QDialog&>(modal);
            accept ? dialog.accept() : dialog.reject();
        });
    }

    std::array<bool, kBallSlotCount> marks(std::initializer_list<int> slots) const {
        std::array<bool, kBallSlotCount> marked{};
        for (const int slot : slots) marked[static_cast<std::size_t>(slot - 1)] = true;
        return marked;
    }

    std::vector<std::string> offered;
    std::string numbersShown;
};

TEST_F(MainWindowCheckTest, theLotteryMenuEndsWithItsOwnCommandsAndWithoutDrawsOrPicksThereIsNothingToCheck) {
    open();
    QStringList entries;
    for (QAction* action : control<QMenu>("lotteryMenu").actions()) {
        if (!action->isSeparator()) entries.push_back(action->text());
    }
    EXPECT_EQ(entries, (QStringList{"Erase Picks", "Add Lottery Type", "Past Draws", "Export Picks", "Check Picks",
                                    "Wheel", "Pick Rules", "Play Picks", "Tickets"}));
    trigger("checkPicksAction");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Lotto has no past draws to check the picks against."});

    writeDraws(kLotto.name, 3);
    EXPECT_EQ(modalOpenedBy([this] { trigger("pastDrawsAction"); }), "pastDrawsWindow");
    prompter.messages.clear();
    trigger("checkPicksAction");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"There are no picks to check yet: tap Pick first."});
    EXPECT_EQ(pickList().lines(), welcomeFor(kLotto.name));
}

TEST_F(MainWindowCheckTest, everyPickGetsItsLabelAndTheBestIsShownWithItsMatchedBallsRinged) {
    openWithPicks();
    checkPicks(0);
    EXPECT_EQ(offered, (std::vector<std::string>{"5/25/2024", "5/22/2024", "5/18/2024"}));
    EXPECT_EQ(numbersShown, "03  09  17  23  40  44  - 07");
    EXPECT_EQ(pickList().lines(), kPicks);
    EXPECT_EQ(pickList().labels(), (std::vector<std::string>{"1", "5+1", "3"}));
    EXPECT_EQ(pickList().selectedLine(), kPicks[1]);
    EXPECT_EQ(shownBalls(), (std::vector<int>{3, 9, 17, 23, 40, 41, -1, 7}));
    EXPECT_EQ(balls().marks(), marks({1, 2, 3, 4, 5, 8}));

    // Another of the recent draws; a tap on another line rings its matches.
    checkPicks(1);
    EXPECT_EQ(numbersShown, "01  02  03  04  05  06  - 08");
    EXPECT_EQ(pickList().labels(), (std::vector<std::string>{"5+1", "1", "1"}));
    EXPECT_EQ(pickList().selectedLine(), kPicks[0]);
    EXPECT_EQ(balls().marks(), marks({1, 2, 3, 4, 5, 8}));
    tapLine(2);
    // Balls without a picture keep the one they had.
    EXPECT_EQ(shownBalls(), (std::vector<int>{3, 9, 17, 4, 5, 10, -1, 8}));
    EXPECT_EQ(balls().marks(), marks({1}));

    // A cancelled choice changes nothing; a new pick has no label and no rings.
    checkPicks(2, false);
    EXPECT_EQ(pickList().labels(), (std::vector<std::string>{"5+1", "1", "1"}));
    pick();
    EXPECT_EQ(pickList().labels().front(), "");
    EXPECT_EQ(balls().marks(), marks({}));
    tapLine(1);
    EXPECT_EQ(balls().marks(), marks({1, 2, 3, 4, 5, 8}));
    // Erasing the picks takes the labels with them.
    prompter.answers = {true};
    trigger("erasePicksAction");
    EXPECT_EQ(pickList().columnCount(), 1);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Erase all lucky picks?\nARE YOU SURE?"});
}

}  // namespace
}  // namespace numora
