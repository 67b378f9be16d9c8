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
    // Each heading its own icon, and the second drum's are not the balls'.
    const QAbstractItemModel& model = *list().model();
    EXPECT_NE(headingIcon(model, 5), ballSix);
    EXPECT_NE(headingIcon(model, 5), headingIcon(model, 6));
    EXPECT_NE(headingIcon(model, 5), headingIcon(model, 0));
}

}  // namespace
}  // namespace numora
