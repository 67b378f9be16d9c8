#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace numora::art {
namespace {

// Pixels that are not fully transparent.
int paintedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) painted += image.pixelColor(x, y).alpha() > 0 ? 1 : 0;
    return painted;
}

TEST(Icons, iconsToolbarImagesAndTheCloverAreDrawnAndUnknownNumbersHaveNoIcon) {
    QList<QImage> seen;
    for (const int number : {128, 182, 183, 184, 188, 189, 194, 196, 197, 208, 209}) {
        const QPixmap small = iconByNumber(number).pixmap(16, 16);
        EXPECT_EQ(small.size(), QSize(16, 16)) << number;
        EXPECT_GT(paintedPixels(small), 30) << number;
        EXPECT_FALSE(seen.contains(small.toImage())) << number << " repeats another icon";
        seen.append(small.toImage());
    }
    EXPECT_GT(paintedPixels(iconPixmap(kPickIcon, {48, 48})), paintedPixels(iconPixmap(kPickIcon, {16, 16})) * 4);
    EXPECT_TRUE(iconByNumber(195).isNull());
    EXPECT_TRUE(iconPixmap(-1, {16, 16}).isNull());
    for (const ToolbarImage image : {ToolbarImage::ExportPicks, ToolbarImage::AddLotteryType, ToolbarImage::Advanced,
                                     ToolbarImage::ErasePicks, ToolbarImage::Help}) {
        const QPixmap pixmap = toolbarIcon(image).pixmap(toolbarImageSize());
        EXPECT_EQ(pixmap.size(), QSize(16, 15));
        EXPECT_GT(paintedPixels(pixmap), 30);
    }
    EXPECT_GT(paintedPixels(cloverPicture()), cloverSize().width() * cloverSize().height() / 3);
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
