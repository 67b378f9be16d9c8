#include "ui/art/DeviceArtInstaller.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>

#include "ui/art/BallPictures.h"
#include "ui/art/ChimeSound.h"
#include "ui/support/DeviceRoot.h"
#include "ui/support/PlainPictures.h"

namespace numora::art {
namespace {

constexpr char kSound[] = "\\Windows\\winner.wav";
// -8 to 99, R0 to R99, S0 to S99, each also at twice the size, and the sound.
constexpr int kFileCount = 2 * (108 + 100 + 100) + 1;

class DeviceArtInstallerTest : public ::testing::Test, protected DeviceRoot {
protected:
    QImage picture(const std::string& name) const { return QImage(QString::fromStdString(ballFile(name).string())); }
};

// Which files are kept, and where nothing can be written, the device install
// decides; here, what the program paints into them.
TEST_F(DeviceArtInstallerTest, writesEveryBallPictureAtBothSizesAndTheSoundBesideTheUsersOwnPicture) {
    testing::writeBytes(ballFile("7.jpg"), "my own seven");
    InstallCounts counts = installDeviceArt(paths, kTestDataFolder);
    EXPECT_EQ(counts.skipped, 1);  // no larger seven to hide the user's own
    EXPECT_EQ(counts.written, kFileCount - 2);
    EXPECT_FALSE(std::filesystem::exists(ballFile("7@2x.jpg")));
    EXPECT_EQ(testing::readBytes(host(kSound)), chimeWaveBytes());
    for (const char* name : {"0", "99", "R0", "R99", "S0", "S99", "-1", "-8"}) {
        EXPECT_EQ(picture(name + std::string(".jpg")).size(), ballPictureSize()) << name;
        EXPECT_EQ(picture(name + std::string("@2x.jpg")).size(), ballPictureSize() * 2) << name;
    }
    EXPECT_TRUE(picture("R-1.jpg").isNull());
    EXPECT_TRUE(picture("S-1.jpg").isNull());
    EXPECT_TRUE(picture("100.jpg").isNull());
    // The files hold the painted picture, within JPEG noise; the larger one
    // the same picture in finer pixels.
    EXPECT_TRUE(nearColour(picture("R23.jpg").pixelColor(6, 14), paintBallPicture(23, true).pixelColor(6, 14)));
    EXPECT_TRUE(nearColour(picture("R23@2x.jpg").pixelColor(9, 29), paintBallPicture(23, true).pixelColor(4, 14)));
    EXPECT_TRUE(nearColour(picture("R23@2x.jpg").pixelColor(13, 29), paintBallPicture(23, true, 2).pixelColor(13, 29)));
    EXPECT_TRUE(nearColour(picture("S5.jpg").pixelColor(6, 14), paintSecondDrumPicture(5).pixelColor(6, 14)));
    EXPECT_EQ(installDeviceArt(paths, kTestDataFolder).written, 0);
}

}  // namespace
}  // namespace numora::art
