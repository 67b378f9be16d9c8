#include "ui/controls/IconButton.h"

#include <QCursor>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>


namespace numora {
namespace {

const QColor kLit(10, 200, 30);
const QColor kRest(200, 180, 40);

// Somewhere no test window is.
void parkPointer() { QCursor::setPos(2000, 2000); }

void moveOver(IconButton& button, Qt::MouseButtons buttons = Qt::NoButton) {
    const QPointF centre = QRectF(button.rect()).center();
    QCursor::setPos(button.mapToGlobal(centre.toPoint()));
    QMouseEvent move(QEvent::MouseMove, centre, button.mapToGlobal(centre), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&button, &move);
}

// Keeps Leave events from a widget, as when the pointer goes unnoticed.
class HideLeaving : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Leave; }
};

// Shows a button with distinct background colours, without the focus (a
// lone window would give it the focus) and with the pointer away from it.
struct ShownButton {
    ShownButton() : button(QStringLiteral("Pick")) {
        button.SetColor(IconButton::kLitBackground, kLit, false);
        button.SetColor(IconButton::kRestBackground, kRest, false);
        button.resize(90, 30);
        parkPointer();
        button.setFocusPolicy(Qt::NoFocus);
        button.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&button));
    }
    QColor background() { return button.grab().toImage().pixelColor(45, 4); }
    IconButton button;
};

TEST(IconButton, settersRefuseBadSlotsAndPlacementsAndChangeNothing) {
    IconButton button;
    const QColor before = button.color(IconButton::kRestText);
    EXPECT_EQ((std::array{button.SetColor(6, Qt::red, true), button.SetColor(-1, Qt::red, true)}),
              (std::array{IconButton::kBadColorSlot, IconButton::kBadColorSlot}));
    EXPECT_EQ(button.color(IconButton::kRestText), before);
    EXPECT_EQ(button.SetColor(5, Qt::red, true), IconButton::kDone);
    EXPECT_EQ((std::array{button.SetAlign(IconButton::kIconRight, false), button.SetAlign(3, false),
                          button.SetAlign(-1, false)}),
              (std::array{IconButton::kDone, IconButton::kBadPlacement, IconButton::kBadPlacement}));
    EXPECT_EQ(button.placement(), IconButton::kIconRight);
}

TEST(IconButton, flatButtonLightsOnlyWhileThePointerIsOverItWithTheStylusUp) {
    ShownButton shown;
    EXPECT_EQ(shown.background(), kRest);
    moveOver(shown.button);
    EXPECT_EQ(shown.background(), kLit);
    QTest::qWait(3 * IconButton::kHoverWatchMs);
    EXPECT_TRUE(shown.button.isLit());

    // The pointer leaves without the button being told: the watch notices.
    HideLeaving hideLeaving;
    shown.button.installEventFilter(&hideLeaving);
    parkPointer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.button.isLit(); }, 500));
    shown.button.removeEventFilter(&hideLeaving);
    EXPECT_EQ(shown.background(), kRest);

    moveOver(shown.button, Qt::LeftButton);
    EXPECT_FALSE(shown.button.isLit());
    moveOver(shown.button);
    shown.button.setEnabled(false);
    EXPECT_FALSE(shown.button.isLit());
    shown.button.setEnabled(true);
    moveOver(shown.button);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&shown.button, &leave);
    EXPECT_FALSE(shown.button.isLit());
    shown.button.SetFlat(false, true);
    moveOver(shown.button);
    EXPECT_FALSE(shown.button.isLit());
}

}  // namespace
}  // namespace numora
