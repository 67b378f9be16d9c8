#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace numora::art {
namespace {

TEST(Icons, eachIconNumberAndToolbarImageIsAPictureOfItsOwnAndUnknownNumbersHaveNone) {
    QList<QImage> seen;
    for (const int number : {128, 182, 183, 184, 188, 189, 194, 196, 197, 208, 209}) {
        const QImage small = iconByNumber(number).pixmap(16, 16).toImage();
        EXPECT_FALSE(seen.contains(small)) << number << " repeats another icon";
        seen.append(small);
    }
    EXPECT_TRUE(iconByNumber(195).isNull());
    EXPECT_TRUE(iconPixmap(-1, {16, 16}).isNull());
    for (const ToolbarImage image : {ToolbarImage::ExportPicks, ToolbarImage::AddLotteryType, ToolbarImage::Advanced,
                                     ToolbarImage::ErasePicks, ToolbarImage::Help}) {
        EXPECT_EQ(toolbarIcon(image).pixmap(toolbarImageSize()).size(), QSize(16, 15));
    }
}

// An enlarged small bitmap would differ from the glyph drawn at the larger size.
TEST(Icons, iconsAreDrawnAtThePixelRatioTheyAreShownAtNeverEnlarged) {
    for (const qreal ratio : {1.5, 2.0, 3.0}) {
        const QPixmap tool = toolbarIcon(ToolbarImage::ExportPicks).pixmap(toolbarImageSize(), ratio);
        EXPECT_EQ(tool.devicePixelRatio(), ratio);
        EXPECT_EQ(tool.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                  iconImage(kExportPicksIcon, (QSizeF(toolbarImageSize()) * ratio).toSize()))
            << ratio;

        const QSize pixels = (QSizeF(16, 16) * ratio).toSize();
        QImage painted(pixels, QImage::Format_ARGB32_Premultiplied);
        painted.setDevicePixelRatio(ratio);
        painted.fill(Qt::transparent);
        QPainter painter(&painted);
        iconByNumber(kPickIcon).paint(&painter, QRect(0, 0, 16, 16));
        painter.end();
        painted.setDevicePixelRatio(1);
        EXPECT_EQ(painted, iconImage(kPickIcon, pixels)) << ratio;
    }
}

// Runs in the scale-2 pass of the window tests (QT_SCALE_FACTOR=2).
TEST(Icons, picturesAtScaleTwoKeepTheirSizeInFinerPixels) {
    if (qApp->devicePixelRatio() < 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    const struct {
        QPixmap picture;
        QSize size;
    } pictures[] = {{logoPicture(), logoSize()}, {cloverPicture(), cloverSize()}, {iconPixmap(kPickIcon, {32, 32}), {32, 32}}};
    for (const auto& [picture, size] : pictures) {
        EXPECT_EQ(picture.deviceIndependentSize().toSize(), size);
        EXPECT_EQ(picture.size(), size * 2);
    }
}

}  // namespace
}  // namespace numora::art
