#include <QComboBox>

#include "picking/PickingTestData.h"
#include "support/SecondDrumLotteries.h"
#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

using testing::drawOf;
using testing::kEuroMillions;

// EuroMillions is the lottery chosen, with weekly draws of five balls and two
// stars, and a picture for each star.
class MainWindowSecondDrumTest : public MainWindowTest {
protected:
    MainWindowSecondDrumTest() {
        writeLotteries({kEuroMillions});
        setOption(kLotteryNameOption, kEuroMillions.name);
        DrawList draws;
        for (int i = 0; i < 12; ++i) {
            draws.append(drawOf(1'600'000'000 + i * 604'800,
                                {1 + i, 11 + i, 21 + i, 31 + i, 41 + i % 9, 1 + i % 12, 1 + (i + 5) % 12}));
        }
        EXPECT_TRUE(DrawFile::save(paths, kTestDataFolder, kEuroMillions.name, draws).ok());
        for (int star = 1; star <= 12; ++star) pictures.write(ballFile("S" + std::to_string(star) + ".jpg"));
    }

    // The pictures slots 6 and 7 show.
    std::vector<std::string> starsShown() const {
        return {pictures.nameOf(balls().picture(6)), pictures.nameOf(balls().picture(7))};
    }
};

TEST_F(MainWindowSecondDrumTest, aPickAndATappedLineShowTheStarsInTheirOwnPicturesAfterTheBalls) {
    open();
    pick();
    const auto line = readLineText(pickList().selectedLine().value_or(""), kEuroMillions);
    ASSERT_TRUE(line.has_value());
    EXPECT_EQ(starsShown(), (std::vector<std::string>{"S" + std::to_string(line->slots[5]) + ".jpg",
                                                      "S" + std::to_string(line->slots[6]) + ".jpg"}));

    pickList().insertAtTop("05  13  25  33  37  + 05  10 ", false);
    tapLine(0);
    EXPECT_EQ(starsShown(), (std::vector<std::string>{"S5.jpg", "S10.jpg"}));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(MainWindowSecondDrumTest, checkPicksLabelsTheBallsThenTheStarsAndRingsTheMatchedStars) {
    open();
    pick();
    pickList().setLines(
        {"12  22  32  42  50  + 05  12 ", "01  02  03  04  05  + 01  02 ", "12  22  32  42  43  + 05  11 "});
    std::string numbers;
    withModal([this] { trigger("checkPicksAction"); }, [&numbers](QWidget& modal) {
        numbers = child<QLabel>(modal, "checkDrawNumbers").text().toStdString();
        static_cast<QDialog&>(modal).accept();
    });
    // The latest of the draws written above.
    EXPECT_EQ(numbers, "12  22  32  42  43  + 12  05 ");
    EXPECT_EQ(pickList().labels(), (std::vector<std::string>{"4+2", "0+0", "5+1"}));
    EXPECT_EQ(pickList().selectedLine(), "12  22  32  42  43  + 05  11 ");
    std::array<bool, kBallSlotCount> rings{true, true, true, true, true, true, false, false};
    EXPECT_EQ(balls().marks(), rings);
    tapLine(0);
    rings = {true, true, true, true, false, true, true, false};
    EXPECT_EQ(balls().marks(), rings);
    EXPECT_EQ(starsShown(), (std::vector<std::string>{"S5.jpg", "S12.jpg"}));
}

}  // namespace
}  // namespace numora
