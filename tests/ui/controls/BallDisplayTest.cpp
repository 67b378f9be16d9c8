#include "ui/controls/BallDisplay.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <initializer_list>

#include "ui/art/BallPictures.h"
#include "ui/art/Pictures.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/PlainPictures.h"

namespace numora {
namespace {

// A display on a device root whose Balls folder holds plain-coloured
// pictures, so a slot tells which file it shows.
class BallDisplayTest : public ::testing::Test {
protected:
    BallDisplayTest() : display(state, device.paths) {
        state.dataFolder = kTestDataFolder;
        std::filesystem::create_directories(device.ballFile("5.jpg").parent_path());
    }

    void write(std::initializer_list<const char*> names) {
        for (const char* name : names) pictures.write(device.ballFile(name));
    }
    std::string shown(int slot) const { return pictures.nameOf(display.picture(slot)); }

    DeviceRoot device;
    AppState state;
    BallDisplay display;
    PlainPictures pictures;
};

TEST_F(BallDisplayTest, eachSlotShowsTheFileItsNumberAndTheLotteryFlagsName) {
    write({"5.jpg", "05.jpg", "12.jpg", "R12.jpg", "-1.jpg"});
    display.ShowBall(1, 5);
    EXPECT_EQ(shown(1), "5.jpg");
    EXPECT_TRUE(display.picture(2).isNull());

    display.ShowBall(8, 12);  // a lottery that shows no bonus: the empty ball
    EXPECT_EQ(shown(8), "-1.jpg");
    state.current.showBonus = true;
    display.ShowBall(8, 12);
    EXPECT_EQ(shown(8), "12.jpg");
    state.current.powerBall = true;
    display.ShowBall(8, 12);
    EXPECT_EQ(shown(8), "R12.jpg");
}

TEST_F(BallDisplayTest, aPictureThatCannotBeReadKeepsThePreviousOne) {
    write({"-1.jpg", "5.jpg"});
    testing::writeBytes(device.ballFile("33.jpg"), "not a picture at all");
    display.clear();
    display.ShowBall(2, 33);  // undecodable
    display.ShowBall(3, 34);  // missing
    display.ShowBall(0, 5);   // slots that do not exist
    display.ShowBall(9, 5);
    state.dataFolder = "\\..\\Numora";  // outside the device
    display.ShowBall(4, 5);
    for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot) EXPECT_EQ(shown(slot), "-1.jpg") << slot;
}

TEST_F(BallDisplayTest, picturesPaintUnscaledAtTheirPlaceholdersBelowTheLogo) {
    write({"5.jpg"});
    const BallPlaceholders row = BallDisplay::rowPlaceholders(240);
    display.setPlaceholders(row);
    display.resize(display.sizeHint());
    display.ShowBall(2, 5);
    const QImage image = display.grab().toImage();
    const QPoint corner = row.balls[1].topLeft();
    EXPECT_EQ(pictures.nameOf(image.pixelColor(corner)), "5.jpg");
    EXPECT_EQ(pictures.nameOf(image.pixelColor(corner + QPoint(11, 9))), "5.jpg");
    EXPECT_EQ(pictures.nameOf(image.pixelColor(corner + QPoint(12, 0))), "");  // not stretched
    EXPECT_EQ(pictures.nameOf(image.pixelColor(row.balls[0].topLeft())), "");  // slot 1 shows nothing
    const QPoint inLogo(row.logo.left() + row.logo.width() / 5, row.logo.center().y());
    EXPECT_FALSE(nearColour(image.pixelColor(inLogo), Qt::white));
}

// Runs in the scale-2 pass of the window tests (QT_SCALE_FACTOR=2).
TEST_F(BallDisplayTest, atScaleTwoTheLargerPictureShowsAtThePicturesSizeUnlessTheUsersOwnIsNewer) {
    if (display.devicePixelRatioF() < 2) GTEST_SKIP() << "needs QT_SCALE_FACTOR=2";
    write({"5.jpg", "5@2x.jpg", "6.jpg", "-1.jpg"});
    testing::writeBytes(device.ballFile("6@2x.jpg"), "not a picture at all");
    const BallPlaceholders row = BallDisplay::rowPlaceholders(240);
    display.setPlaceholders(row);
    display.resize(display.sizeHint());

    display.ShowBall(1, 5);
    EXPECT_EQ(shown(1), "5@2x.jpg");
    EXPECT_EQ(display.picture(1).deviceIndependentSize().toSize(), QSize(12, 10) / 2);
    const QImage image = display.grab().toImage();
    const QPoint corner = row.balls[0].topLeft() * 2;
    EXPECT_EQ(pictures.nameOf(image.pixelColor(corner + QPoint(11, 9))), "5@2x.jpg");
    EXPECT_EQ(pictures.nameOf(image.pixelColor(corner + QPoint(12, 0))), "");  // not stretched

    display.ShowBall(2, 6);  // an undecodable larger picture: the picture itself
    EXPECT_EQ(shown(2), "6.jpg");

    // The user puts in a picture of their own later: it shows, not the program's.
    const auto installed = std::filesystem::last_write_time(device.ballFile("5@2x.jpg"));
    std::filesystem::last_write_time(device.ballFile("5.jpg"), installed + std::chrono::minutes(1));
    display.ShowBall(1, 5);
    EXPECT_EQ(shown(1), "5.jpg");

    // Without the picture, its larger variant is not shown either.
    display.clear();
    std::filesystem::remove(device.ballFile("5.jpg"));
    display.ShowBall(1, 5);
    EXPECT_EQ(shown(1), "-1.jpg");
}

}  // namespace
}  // namespace numora
