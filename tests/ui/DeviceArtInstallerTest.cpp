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
constexpr int kPictureCount = 108 + 100;  // -8 to 99, R0 to R99
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
    EXPECT_EQ(counts.written, kFileCount - 2);
    EXPECT_EQ(counts.failed, 0);
    EXPECT_EQ(testing::readBytes(ballFile("7.jpg")), "my own seven");
    EXPECT_EQ(testing::readBytes(host(kSound)), "my own sound");
    for (const char* name : {"0.jpg", "99.jpg", "R0.jpg", "R99.jpg", "-1.jpg", "-8.jpg"})
        EXPECT_EQ(picture(name).size(), ballPictureSize()) << name;
    EXPECT_TRUE(picture("R-1.jpg").isNull());
    EXPECT_TRUE(picture("100.jpg").isNull());
    // The file holds the painted picture, within JPEG noise.
    EXPECT_TRUE(nearColour(picture("R23.jpg").pixelColor(6, 14), paintBallPicture(23, true).pixelColor(6, 14)));

    counts = installDeviceArt(paths, kTestDataFolder);
    EXPECT_EQ(counts.kept, kFileCount);
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
