#include "ui/controls/IconButton.h"
#include "ui/controls/RoundIconButton.h"

#include <QCursor>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <utility>

#include "ui/art/Icons.h"
#include "ui/support/Colours.h"

namespace numora {
namespace {

const QColor kLit(10, 200, 30);
const QColor kRest(200, 180, 40);
const QColor kFocus(40, 60, 220);

QImage render(QWidget& widget) { return widget.grab().toImage(); }

// A palette colour as an 8-bit picture holds it.
QColor eightBit(const QColor& colour) { return QColor(colour.rgb()); }

// Somewhere no test window is.
void parkPointer() { QCursor::setPos(2000, 2000); }

// Shows a button without the focus (a lone window would give it the focus)
// and with the pointer away from it.
void showAlone(IconButton& button) {
    parkPointer();
    button.setFocusPolicy(Qt::NoFocus);
    button.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&button));
}

void moveOver(IconButton& button, Qt::MouseButtons buttons = Qt::NoButton) {
    const QPointF centre = QRectF(button.rect()).center();
    QCursor::setPos(button.mapToGlobal(centre.toPoint()));
    QMouseEvent move(QEvent::MouseMove, centre, button.mapToGlobal(centre), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QApplication::sendEvent(&button, &move);
}

// A shown button with distinct colours in the background slots.
struct ShownButton {
    explicit ShownButton(const QString& caption = QStringLiteral("Pick")) : button(caption) {
        button.SetColor(IconButton::kLitBackground, kLit, false);
        button.SetColor(IconButton::kRestBackground, kRest, false);
        button.SetColor(IconButton::kFocusBackground, kFocus, false);
        button.resize(90, 30);
        showAlone(button);
    }
    QColor centreColour() { return render(button).pixelColor(45, 4); }
    IconButton button;
};

TEST(IconButton, settersReportBadSlotsAndModesAndChangeNothing) {
    IconButton button;
    EXPECT_TRUE(button.isFlatMode());
    const QColor before = button.color(IconButton::kRestText);
    EXPECT_EQ(button.SetColor(6, Qt::red, true), IconButton::kBadColorSlot);
    EXPECT_EQ(button.SetColor(-1, Qt::red, true), IconButton::kBadColorSlot);
    EXPECT_EQ(button.color(IconButton::kRestText), before);
    EXPECT_EQ(button.SetColor(5, Qt::red, true), IconButton::kDone);
    EXPECT_EQ(button.color(5), QColor(Qt::red));

    EXPECT_EQ(button.SetAlign(2, false), IconButton::kDone);
    EXPECT_EQ(button.SetAlign(3, false), IconButton::kBadPlacement);
    EXPECT_EQ(button.SetAlign(-1, false), IconButton::kBadPlacement);
    EXPECT_EQ(button.placement(), IconButton::kIconRight);

    EXPECT_EQ(button.SetIcon(art::kPickIcon, 16, 16), IconButton::kDone);
    EXPECT_EQ(button.SetFlat(false, true), IconButton::kDone);
    EXPECT_EQ(button.SetDefaultColors(true), IconButton::kDone);
}

TEST(IconButton, flatButtonLightsUnderThePointerAndGoesDarkSoonAfterItLeaves) {
    ShownButton shown;
    EXPECT_EQ(shown.centreColour(), kRest);
    moveOver(shown.button);
    EXPECT_TRUE(shown.button.isLit());
    EXPECT_EQ(shown.centreColour(), kLit);

    // The pointer leaves without the button being told: the watch notices.
    parkPointer();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown.button.isLit(); }, 500));
    EXPECT_EQ(shown.centreColour(), kRest);
    const auto* watch = shown.button.findChild<QTimer*>(QStringLiteral("hoverWatch"));
    ASSERT_NE(watch, nullptr);
    EXPECT_EQ(watch->interval(), IconButton::kHoverWatchMs);
    EXPECT_FALSE(watch->isActive());
}

TEST(IconButton, hoverStaysWhileThePointerRemainsInside) {
    ShownButton shown;
    moveOver(shown.button);
    QTest::qWait(3 * IconButton::kHoverWatchMs);
    EXPECT_TRUE(shown.button.isLit());
}

TEST(IconButton, hoverEndsWhenDisabledOrWhenThePointerLeaves) {
    ShownButton shown;
    moveOver(shown.button);
    shown.button.setEnabled(false);
    EXPECT_FALSE(shown.button.isLit());

    shown.button.setEnabled(true);
    moveOver(shown.button);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&shown.button, &leave);
    EXPECT_FALSE(shown.button.isLit());
}

TEST(IconButton, neitherAButtonWithFlatOffNorAPressedStylusLightsUp) {
    ShownButton shown;
    moveOver(shown.button, Qt::LeftButton);
    EXPECT_FALSE(shown.button.isLit());
    shown.button.SetFlat(false, true);
    moveOver(shown.button);
    EXPECT_FALSE(shown.button.isLit());
}

TEST(IconButton, raisedEdgeAtRestAndSunkenEdgeWhilePressed) {
    ShownButton shown;
    shown.button.SetFlat(false, true);
    const QColor light = eightBit(shown.button.palette().color(QPalette::Light));
    const QColor dark = eightBit(shown.button.palette().color(QPalette::Dark));
    QImage image = render(shown.button);
    EXPECT_EQ(image.pixelColor(10, 0), light);
    EXPECT_EQ(image.pixelColor(0, 10), light);
    EXPECT_EQ(image.pixelColor(10, 29), dark);
    EXPECT_EQ(image.pixelColor(89, 10), dark);
    EXPECT_EQ(image.pixelColor(45, 4), kRest);

    shown.button.setDown(true);
    image = render(shown.button);
    EXPECT_EQ(image.pixelColor(10, 0), dark);
    EXPECT_EQ(image.pixelColor(10, 29), light);
    EXPECT_EQ(image.pixelColor(45, 4), kLit);
}

TEST(IconButton, flatButtonAtRestHasNoEdge) {
    ShownButton shown;
    const QImage image = render(shown.button);
    EXPECT_EQ(image.pixelColor(10, 0), kRest);
    EXPECT_EQ(image.pixelColor(10, 29), kRest);
}

TEST(IconButton, focusedButtonGetsABlackFrameTheFocusColourAndADottedRectangle) {
    ShownButton shown;
    shown.button.SetFlat(false, true);
    shown.button.setFocusPolicy(Qt::StrongFocus);
    shown.button.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown.button));
    shown.button.setFocus();
    ASSERT_TRUE(shown.button.hasFocus());
    const QImage image = render(shown.button);
    EXPECT_EQ(image.pixelColor(10, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(89, 29), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(45, 6), kFocus);
    // The dotted rectangle runs 3 pixels inside the frame: along it some
    // pixels are the text colour and some are not.
    int dots = 0;
    for (int x = 10; x < 80; ++x)
        if (image.pixelColor(x, 4) != kFocus) ++dots;
    EXPECT_GT(dots, 20);
    EXPECT_LT(dots, 50);
}

// Pixels near the light and near the dark palette colour.
std::pair<int, int> embossPixels(IconButton& button) {
    const QImage image = render(button);
    const QColor light = eightBit(button.palette().color(QPalette::Light));
    const QColor dark = eightBit(button.palette().color(QPalette::Dark));
    std::pair<int, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (nearColour(image.pixelColor(x, y), light)) ++counts.first;
            if (nearColour(image.pixelColor(x, y), dark)) ++counts.second;
        }
    }
    return counts;
}

TEST(IconButton, disabledCaptionIsEmbossed) {
    ShownButton shown(QStringLiteral("MMMM"));
    QFont large = shown.button.font();
    large.setPixelSize(20);
    shown.button.setFont(large);
    EXPECT_EQ(embossPixels(shown.button), std::make_pair(0, 0));

    shown.button.setEnabled(false);
    const auto [lightPixels, darkPixels] = embossPixels(shown.button);
    EXPECT_GT(lightPixels, 10);
    EXPECT_GT(darkPixels, 40);
}

// The smallest rectangle holding every pixel that is not the rest colour.
QRect inkBounds(const QImage& image, const QColor& background) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(IconButton, iconOnlyButtonInRightModeIsCentredAcrossAndAtTheTop) {
    ShownButton shown{QString()};
    shown.button.resize(60, 40);
    shown.button.SetIcon(art::kBrowseIcon, 16, 16);
    shown.button.SetAlign(IconButton::kIconRight, true);
    const QRect ink = inkBounds(render(shown.button), kRest);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.top(), 3);
    EXPECT_LE(ink.bottom(), 16);
    EXPECT_GE(ink.left(), 22);
    EXPECT_LE(ink.right(), 37);
}

TEST(IconButton, iconBesideACaptionSitsThreePixelsFromTheChosenSide) {
    ShownButton shown(QStringLiteral("Go"));
    shown.button.resize(100, 30);
    shown.button.SetIcon(art::kPickIcon, 16, 16);
    QImage image = render(shown.button);
    EXPECT_EQ(inkBounds(image.copy(0, 0, 22, 30), kRest).left(), 3);

    shown.button.SetAlign(IconButton::kIconRight, true);
    image = render(shown.button);
    EXPECT_LE(inkBounds(image.copy(78, 0, 22, 30), kRest).right(), 22 - 3 - 1);
    EXPECT_TRUE(inkBounds(image.copy(0, 0, 22, 30), kRest).isEmpty());
}

TEST(IconButton, captionMayWrapSoTheButtonCanBeNarrowerThanItsHint) {
    IconButton button(QStringLiteral("Past Draws"));
    button.SetIcon(art::kPastDrawsIcon, 16, 16);
    const QFontMetrics metrics(button.font());
    EXPECT_GE(button.sizeHint().width(), metrics.horizontalAdvance(QStringLiteral("Past Draws")) + 16);
    EXPECT_LT(button.minimumSizeHint().width(), button.sizeHint().width());
    EXPECT_GE(button.minimumSizeHint().width(), metrics.horizontalAdvance(QStringLiteral("Draws")) + 16);
}

TEST(RoundIconButton, litButtonIsABlackOutlinedBoxWithoutEdges) {
    RoundIconButton button;
    button.SetColor(IconButton::kLitBackground, kLit, false);
    button.SetColor(IconButton::kRestBackground, kRest, false);
    button.resize(30, 24);
    showAlone(button);
    EXPECT_EQ(render(button).pixelColor(10, 0), kRest);

    moveOver(button);
    ASSERT_TRUE(button.isLit());
    QImage image = render(button);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 2), kLit);

    EXPECT_EQ(button.SetRounded(true, true), IconButton::kDone);
    image = render(button);
    EXPECT_NE(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 0), QColor(Qt::black));
}

}  // namespace
}  // namespace numora
