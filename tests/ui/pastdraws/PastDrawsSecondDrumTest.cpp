#include <QIcon>

#include "support/SecondDrumLotteries.h"
#include "ui/support/PastDrawsFixture.h"

namespace numora {
namespace {

QImage headingIcon(const QAbstractItemModel& model, int column) {
    return model.headerData(column, Qt::Horizontal, Qt::DecorationRole).value<QIcon>().pixmap(16, 16).toImage();
}

TEST_F(PastDrawsWindowTest, theBoxesAndColumnsAfterTheBallsTakeTheSecondDrumWithItsOwnLookHeadingsAndIcons) {
    open();
    const QImage ballSix = headingIcon(*list().model(), 5);
    const QColor plainBox = box(6).palette().color(QPalette::Base);

    state.current = testing::kEuroMillions;
    for (const ScreenSize screen : {ScreenSize{240, 320}, ScreenSize{320, 240}, ScreenSize{240, 240}}) {
        SCOPED_TRACE(screen.height);
        expectEveryControlInside(open(screen));
    }
    for (int number = 1; number <= 8; ++number) EXPECT_EQ(box(number).isEnabled(), number <= 7) << number;
    EXPECT_EQ(box(5).palette().color(QPalette::Base), plainBox);
    EXPECT_NE(box(6).palette().color(QPalette::Base), plainBox);
    EXPECT_EQ(box(7).palette().color(QPalette::Base), box(6).palette().color(QPalette::Base));
    const QAbstractItemModel& model = *list().model();
    EXPECT_EQ(model.headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("B5"));
    EXPECT_EQ(model.headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("S1"));
    EXPECT_EQ(model.headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("S2"));
    // Each heading its own icon, and the second drum's are not the balls'.
    EXPECT_NE(headingIcon(model, 5), ballSix);
    EXPECT_NE(headingIcon(model, 5), headingIcon(model, 6));
    EXPECT_NE(headingIcon(model, 5), headingIcon(model, 0));
}

TEST_F(PastDrawsWindowTest, theSecondDrumsNumbersAreCheckedAmongThemselvesAndAMainBallMayEqualOne) {
    state.current = testing::kEuroMillions;
    open();
    const struct {
        std::array<int, 8> typed;
        std::string message;
        int focus;
    } refused[] = {
        {{3, 9, 17, 28, 44, 13, 2, 0}, "Second drum number 1 must be from 1 to 12.", 6},
        {{3, 9, 17, 28, 44, 12, 12, 0}, "Invalid entry, second drum number 2 was already drawn.", 7},
    };
    for (const auto& [typed, message, focus] : refused) {
        enter(typed);
        box(1).setFocus();
        click("addButton");
        EXPECT_EQ(prompter.texts().back(), message);
        EXPECT_TRUE(box(focus).hasFocus()) << message;
        // The typed number stays to be mended.
        EXPECT_EQ(box(focus).text(), QString::number(typed[static_cast<std::size_t>(focus - 1)])) << message;
    }
    EXPECT_EQ(list().model()->rowCount(), 0);

    enter(std::array<int, 8>{3, 9, 17, 28, 44, 3, 9, 0});
    click("addButton");
    EXPECT_EQ(prompter.messages.size(), 2u);
    ASSERT_EQ(storedDraws().size(), 1u);
    EXPECT_EQ(storedDraws().at(0).ball(6), 3);
    EXPECT_EQ(column(5), std::vector<std::string>{"03"});
    EXPECT_EQ(column(6), std::vector<std::string>{"09"});
    window->reject();

    // A Superzahl of 0 is a number drawn, not an empty box.
    state.current = testing::kSuperzahl;
    open();
    enter(std::array<int, 8>{4, 8, 15, 16, 23, 42, 0, 0});
    click("addButton");
    EXPECT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(column(6), std::vector<std::string>{"00"});
    EXPECT_EQ(list().model()->headerData(6, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("S1"));
    window->reject();
}

}  // namespace
}  // namespace numora
