#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"

#include <QImage>
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

}  // namespace
}  // namespace numora::art
