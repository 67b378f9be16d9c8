#include "ui/controls/BallDisplay.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

#include "ui/art/BallPictures.h"
#include "ui/art/Pictures.h"
#include "ui/support/Colours.h"

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";

// A device root whose Balls folder holds plain-coloured pictures, so a test
// can tell from a slot's picture which file it came from.
class BallDisplayTest : public ::testing::Test {
protected:
    BallDisplayTest() : paths(root.path().toStdString()), display(state, paths) {
        state.dataFolder = kDataFolder;
        std::filesystem::create_directories(paths.toHost("\\Program Files\\Numora\\Balls").value());
    }

    std::filesystem::path hostOf(const std::string& name) {
        return paths.toHost(std::string(kDataFolder) + "\\Balls\\" + name).value();
    }

    void writePicture(const std::string& name, const QColor& colour, QSize size = {12, 10}) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(hostOf(name).string()), "JPG", 100));
    }

    void writeBytes(const std::string& name, const QByteArray& bytes) {
        QFile file(QString::fromStdString(hostOf(name).string()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QColor shown(int slot) const {
        const QPixmap picture = display.picture(slot);
        return picture.isNull() ? QColor() : picture.toImage().pixelColor(2, 2);
    }

    QTemporaryDir root;
    DevicePaths paths;
    AppState state;
    BallDisplay display;
};

TEST_F(BallDisplayTest, mainBallsLoadTheirNumberedPicture) {
    writePicture("5.jpg", Qt::red);
    writePicture("49.jpg", Qt::blue);
    writePicture("05.jpg", Qt::green);
    display.ShowBall(1, 5);
    display.ShowBall(7, 49);
    EXPECT_TRUE(nearColour(shown(1), Qt::red));
    EXPECT_TRUE(nearColour(shown(7), Qt::blue));
    EXPECT_TRUE(display.picture(2).isNull());
}

TEST_F(BallDisplayTest, bonusSlotFollowsTheLotteryFlags) {
    writePicture("12.jpg", Qt::green);
    writePicture("R12.jpg", Qt::red);
    writePicture("-1.jpg", Qt::gray);

    display.ShowBall(8, 12);
    EXPECT_TRUE(nearColour(shown(8), Qt::gray));

    state.current.showBonus = true;
    display.ShowBall(8, 12);
    EXPECT_TRUE(nearColour(shown(8), Qt::green));

    state.current.powerBall = true;
    display.ShowBall(8, 12);
    EXPECT_TRUE(nearColour(shown(8), Qt::red));
    display.ShowBall(8, -1);
    EXPECT_TRUE(nearColour(shown(8), Qt::gray));
}

TEST_F(BallDisplayTest, missingOrDamagedPictureKeepsThePreviousOne) {
    writePicture("-1.jpg", Qt::gray);
    writeBytes("33.jpg", QByteArray("not a picture at all"));
    display.clear();
    display.ShowBall(2, 33);
    EXPECT_TRUE(nearColour(shown(2), Qt::gray));
    display.ShowBall(2, 34);
    EXPECT_TRUE(nearColour(shown(2), Qt::gray));
}

TEST_F(BallDisplayTest, slotsOutsideOneToEightDoNothing) {
    writePicture("5.jpg", Qt::red);
    display.ShowBall(0, 5);
    display.ShowBall(9, 5);
    for (int slot = 1; slot <= 8; ++slot) EXPECT_TRUE(display.picture(slot).isNull());
    EXPECT_TRUE(display.picture(0).isNull());
}

TEST_F(BallDisplayTest, aDataFolderThatLeavesTheDeviceLoadsNothing) {
    writePicture("5.jpg", Qt::red);
    state.dataFolder = "\\..\\Numora";
    display.ShowBall(1, 5);
    EXPECT_TRUE(display.picture(1).isNull());
}

TEST_F(BallDisplayTest, idleDisplayShowsMinusTwoToMinusEightAndTheEmptyBonus) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow,
                              Qt::darkGreen};
    for (int k = 0; k < 7; ++k) writePicture(std::to_string(-(k + 2)) + ".jpg", colours[k]);
    writePicture("-1.jpg", Qt::gray);
    state.current.showBonus = true;
    display.showIdle();
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_TRUE(nearColour(shown(slot), colours[slot - 1])) << "slot " << slot;
    EXPECT_TRUE(nearColour(shown(8), Qt::gray));
}

TEST_F(BallDisplayTest, picturesPaintUnscaledAtTheirPlaceholders) {
    writePicture("5.jpg", Qt::red, {12, 10});
    writePicture("6.jpg", Qt::blue, {12, 10});
    BallPlaceholders placeholders;
    placeholders.logo = QRect(100, 0, 10, 10);
    for (int i = 0; i < kBallSlotCount; ++i) placeholders.balls[i] = QRect(i * 30, 40, 28, 28);
    display.setPlaceholders(placeholders);
    display.resize(display.sizeHint());
    EXPECT_EQ(display.sizeHint(), QSize(7 * 30 + 28, 68));
    display.ShowBall(1, 5);
    display.ShowBall(8, 6);  // no bonus in this lottery: stays empty
    state.current.showBonus = true;
    display.ShowBall(8, 6);

    const QImage image = display.grab().toImage();
    EXPECT_TRUE(nearColour(image.pixelColor(0, 40), Qt::red));
    EXPECT_TRUE(nearColour(image.pixelColor(11, 49), Qt::red));
    EXPECT_TRUE(nearColour(image.pixelColor(12, 40), Qt::white));  // not stretched to 28 wide
    EXPECT_TRUE(nearColour(image.pixelColor(0, 50), Qt::white));
    EXPECT_TRUE(nearColour(image.pixelColor(30, 40), Qt::white));  // slot 2 has no picture
    EXPECT_TRUE(nearColour(image.pixelColor(210, 40), Qt::blue));
    // The logo is copied at its own size from the placeholder's corner.
    const QImage logo = art::logoPicture().toImage();
    EXPECT_EQ(image.copy(100, 0, logo.width(), logo.height()).size(), logo.size());
    EXPECT_FALSE(nearColour(image.pixelColor(100 + logo.width() / 5, logo.height() / 2), Qt::white));
}

TEST(BallDisplayRow, rowFitsTheScreenWidthWithTheBonusApart) {
    for (const int width : {240, 320}) {
        const BallPlaceholders row = BallDisplay::rowPlaceholders(width);
        EXPECT_GE(row.logo.left(), 0);
        EXPECT_LE(row.logo.right(), width - 1);
        for (int i = 0; i < kBallSlotCount; ++i) {
            const QRect& ball = row.balls[static_cast<std::size_t>(i)];
            EXPECT_EQ(ball.size(), art::ballPictureSize());
            EXPECT_GE(ball.top(), row.logo.bottom());
            EXPECT_GE(ball.left(), 0);
            EXPECT_LE(ball.right(), width - 1) << "width " << width << " slot " << i + 1;
            if (i > 0) {
                EXPECT_GT(ball.left(), row.balls[static_cast<std::size_t>(i - 1)].right());
            }
        }
        const int mainGap = row.balls[1].left() - row.balls[0].right();
        const int bonusGap = row.balls[7].left() - row.balls[6].right();
        EXPECT_GT(bonusGap, mainGap);
    }
}

}  // namespace
}  // namespace numora
