#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace numora::art {
namespace {

constexpr int kNamedIcons[] = {128, 182, 183, 184, 188, 189, 194, 196, 197, 208, 209};

// Pixels that are not fully transparent.
int paintedPixels(const QPixmap& pixmap) {
    const QImage image = pixmap.toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0) ++painted;
    return painted;
}

TEST(Icons, everyNamedIconIsDrawnAndDistinct) {
    QList<QImage> seen;
    for (const int number : kNamedIcons) {
        const QIcon icon = iconByNumber(number);
        ASSERT_FALSE(icon.isNull()) << number;
        const QPixmap small = icon.pixmap(16, 16);
        EXPECT_EQ(small.size(), QSize(16, 16));
        EXPECT_GT(paintedPixels(small), 30) << number;
        EXPECT_FALSE(seen.contains(small.toImage())) << number << " repeats another icon";
        seen.append(small.toImage());
    }
}

TEST(Icons, unknownNumbersHaveNoIcon) {
    EXPECT_TRUE(iconByNumber(0).isNull());
    EXPECT_TRUE(iconByNumber(195).isNull());
    EXPECT_TRUE(iconPixmap(-1, {16, 16}).isNull());
}

TEST(Icons, iconsScaleToTheAskedSize) {
    const QPixmap large = iconPixmap(kPickIcon, {48, 48});
    EXPECT_EQ(large.size(), QSize(48, 48));
    EXPECT_GT(paintedPixels(large), paintedPixels(iconPixmap(kPickIcon, {16, 16})) * 4);
}

TEST(Icons, toolbarImagesAreSixteenByFifteen) {
    for (const ToolbarImage image : {ToolbarImage::ExportPicks, ToolbarImage::AddLotteryType,
                                     ToolbarImage::Advanced, ToolbarImage::ErasePicks,
                                     ToolbarImage::Help}) {
        const QIcon icon = toolbarIcon(image);
        const QPixmap pixmap = icon.pixmap(toolbarImageSize());
        EXPECT_EQ(pixmap.size(), QSize(16, 15));
        EXPECT_GT(paintedPixels(pixmap), 30);
    }
}

TEST(Pictures, logoAndCloverHaveTheirSizesAndArePainted) {
    EXPECT_EQ(logoPicture().size(), logoSize());
    EXPECT_GT(paintedPixels(logoPicture()), logoSize().width() * logoSize().height() / 5);
    EXPECT_EQ(cloverPicture().size(), cloverSize());
    EXPECT_GT(paintedPixels(cloverPicture()), cloverSize().width() * cloverSize().height() / 3);
}

}  // namespace
}  // namespace numora::art
