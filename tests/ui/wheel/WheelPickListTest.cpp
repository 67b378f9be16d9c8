#include <QComboBox>
#include <QPushButton>

#include "picking/PicksFile.h"
#include "ui/support/MainWindowFixture.h"
#include "ui/wheel/NumberGrid.h"

namespace numora {
namespace {

using WheelPickList = MainWindowTest;

TEST_F(WheelPickList, addedTicketsJoinThePickListAsPicksDoAndAreExported) {
    writeBallPictures({10, 11, 12, 13, 14, 15, 16});
    open({320, 240});
    pick();
    const std::string earlierPick = pickList().topLine();
    withModal([this] { trigger("wheelAction"); }, [](QWidget& modal) {
        auto& grid = child<NumberGrid>(modal, "wheelGrid");
        for (int number = 10; number <= 16; ++number)
            QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(number).center());
        child<QComboBox>(modal, "wheelMatch").setCurrentIndex(2);
        child<QComboBox>(modal, "wheelIf").setCurrentIndex(2);
        auto& generate = child<QPushButton>(modal, "wheelGenerate");
        generate.click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return generate.isEnabled(); }, 20000));
        child<QPushButton>(modal, "wheelAddToPickList").click();
    });

    const std::vector<std::string> lines = pickList().lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines.back(), earlierPick);
    for (std::size_t row = 0; row < 4; ++row) {
        const auto line = readLineText(lines[row], kLotto);
        ASSERT_TRUE(line.has_value()) << lines[row];
        EXPECT_GE(line->slots[0], 10);
        EXPECT_LE(line->slots[5], 16);
    }
    EXPECT_EQ(pickList().selectedLine(), lines.front());
    EXPECT_EQ(shownBalls().front(), readLineText(lines.front(), kLotto)->slots[0]);

    trigger("exportPicksAction");
    const auto exported = PicksFile::load(paths, kTestDataFolder);
    ASSERT_TRUE(exported.has_value());
    EXPECT_EQ(*exported, lines);
}

TEST_F(WheelPickList, ticketsReplaceTheWelcomeLinesAndClosingAddsNothing) {
    open();
    withModal([this] { trigger("wheelAction"); });
    EXPECT_EQ(pickList().lines(), welcomeFor("Lotto"));
    withModal([this] { trigger("wheelAction"); }, [](QWidget& modal) {
        auto& grid = child<NumberGrid>(modal, "wheelGrid");
        for (int number = 1; number <= 7; ++number)
            QTest::mouseClick(&grid, Qt::LeftButton, {}, grid.cellRect(number).center());
        child<QComboBox>(modal, "wheelMatch").setCurrentIndex(0);
        child<QComboBox>(modal, "wheelIf").setCurrentIndex(0);
        auto& generate = child<QPushButton>(modal, "wheelGenerate");
        generate.click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return generate.isEnabled(); }, 20000));
        child<QPushButton>(modal, "wheelAddToPickList").click();
    });
    // 1 if 1 over 7 numbers: two tickets.
    EXPECT_EQ(pickList().lines().size(), 2u);
    EXPECT_FALSE(state.welcomeShown);
}

}  // namespace
}  // namespace numora
