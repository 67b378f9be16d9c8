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
constexpr int kPictureCount = 2 * (108 + 100);  // -8 to 99, R0 to R99, each also at twice the size
constexpr int kFileCount = kPictureCount + 1;

class DeviceArtInstallerTest : public ::testing::Test, protected DeviceRoot {
protected:
    QImage picture(const std::string& name) const { return QImage(QString::fromStdString(ballFile(name).string())); }
};

TEST_F(DeviceArtInstallerTest, writesEveryMissingPictureAndTheSoundButNeverReplacesAFile) {
    testing::writeBytes(ballFile("7.jpg"), "my own seven");
    testing::writeBytes(host(kSound), "my own sound");

    InstallCounts counts = installDeviceArt(paths, kTestDataFolder);
    EXPECT_EQ(counts.kept, 2);
    EXPECT_EQ(counts.skipped, 1);  // no larger seven to hide the user's own
    EXPECT_EQ(counts.written, kFileCount - 3);
    EXPECT_EQ(counts.failed, 0);
    EXPECT_EQ(testing::readBytes(ballFile("7.jpg")), "my own seven");
    EXPECT_FALSE(std::filesystem::exists(ballFile("7@2x.jpg")));
    EXPECT_EQ(testing::readBytes(host(kSound)), "my own sound");
    for (const char* name : {"0", "99", "R0", "R99", "-1", "-8"}) {
        EXPECT_EQ(picture(name + std::string(".jpg")).size(), ballPictureSize()) << name;
        EXPECT_EQ(picture(name + std::string("@2x.jpg")).size(), ballPictureSize() * 2) << name;
    }
    EXPECT_TRUE(picture("R-1.jpg").isNull());
    EXPECT_TRUE(picture("100.jpg").isNull());
    // The files hold the painted picture, within JPEG noise; the larger one
    // the same picture in finer pixels.
    EXPECT_TRUE(nearColour(picture("R23.jpg").pixelColor(6, 14), paintBallPicture(23, true).pixelColor(6, 14)));
    EXPECT_TRUE(nearColour(picture("R23@2x.jpg").pixelColor(9, 29), paintBallPicture(23, true).pixelColor(4, 14)));
    EXPECT_TRUE(nearColour(picture("R23@2x.jpg").pixelColor(13, 29), paintBallPicture(23, true, 2).pixelColor(13, 29)));

    counts = installDeviceArt(paths, kTestDataFolder);
    EXPECT_EQ(counts.kept, kFileCount - 1);
    EXPECT_EQ(counts.skipped, 1);
    EXPECT_EQ(counts.written, 0);
}

TEST_F(DeviceArtInstallerTest, picturesThatCannotBeWrittenAreSkippedSilently) {
    // A file where the Balls folder should be: only the sound is written.
    testing::writeBytes(host(std::string(kTestDataFolder) + "\\Balls"), "in the way");
    const InstallCounts counts = installDeviceArt(paths, kTestDataFolder);
    EXPECT_EQ(counts.failed, kPictureCount);
    EXPECT_EQ(counts.written, 1);
    EXPECT_EQ(testing::readBytes(host(kSound)), chimeWaveBytes());

    EXPECT_EQ(installDeviceArt(paths, "\\..\\Elsewhere").failed, kPictureCount);
    EXPECT_FALSE(std::filesystem::exists(folder.path().parent_path() / "Elsewhere"));
}

}  // namespace
}  // namespace numora::art
