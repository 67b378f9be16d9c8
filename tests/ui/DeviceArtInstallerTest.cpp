#include "ui/art/DeviceArtInstaller.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/art/BallPictures.h"
#include "ui/art/ChimeSound.h"
#include "ui/support/Colours.h"

namespace numora::art {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";
constexpr int kPictureCount = 108 + 100;  // -8 to 99, R0 to R99
constexpr int kFileCount = kPictureCount + 1;

std::string readAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DeviceArtInstallerTest : public ::testing::Test {
protected:
    DeviceArtInstallerTest() : paths(root.path().toStdString()) {}

    std::filesystem::path host(const std::string& devicePath) {
        return paths.toHost(devicePath).value();
    }
    QImage picture(const std::string& name) {
        return QImage(QString::fromStdString(host(std::string(kDataFolder) + "\\Balls\\" + name).string()));
    }

    QTemporaryDir root;
    DevicePaths paths;
};

TEST_F(DeviceArtInstallerTest, firstRunWritesEveryPictureAndTheSound) {
    const InstallCounts counts = installDeviceArt(paths, kDataFolder);
    EXPECT_EQ(counts.written, kFileCount);
    EXPECT_EQ(counts.kept, 0);
    EXPECT_EQ(counts.failed, 0);
    for (const char* name : {"0.jpg", "49.jpg", "99.jpg", "R0.jpg", "R99.jpg", "-1.jpg", "-8.jpg"}) {
        const QImage image = picture(name);
        EXPECT_EQ(image.size(), ballPictureSize()) << name;
    }
    EXPECT_TRUE(picture("R-1.jpg").isNull());
    EXPECT_TRUE(picture("100.jpg").isNull());
    EXPECT_EQ(readAll(host("\\Windows\\winner.wav")), chimeWaveBytes());
}

TEST_F(DeviceArtInstallerTest, installedPictureMatchesThePaintedOneWithinJpegNoise) {
    installDeviceArt(paths, kDataFolder);
    const QImage painted = paintBallPicture(23, true);
    const QImage installed = picture("R23.jpg").convertToFormat(painted.format());
    for (const QPoint point : {QPoint(6, 14), QPoint(14, 14), QPoint(1, 1)})
        EXPECT_TRUE(nearColour(painted.pixelColor(point), installed.pixelColor(point)));
}

TEST_F(DeviceArtInstallerTest, existingFilesAreNeverReplaced) {
    const auto own = host(std::string(kDataFolder) + "\\Balls\\7.jpg");
    std::filesystem::create_directories(own.parent_path());
    std::ofstream(own, std::ios::binary) << "my own seven";
    std::filesystem::create_directories(host("\\Windows"));
    std::ofstream(host("\\Windows\\winner.wav"), std::ios::binary) << "my own sound";

    InstallCounts counts = installDeviceArt(paths, kDataFolder);
    EXPECT_EQ(counts.kept, 2);
    EXPECT_EQ(counts.written, kFileCount - 2);
    EXPECT_EQ(readAll(own), "my own seven");
    EXPECT_EQ(readAll(host("\\Windows\\winner.wav")), "my own sound");

    counts = installDeviceArt(paths, kDataFolder);
    EXPECT_EQ(counts.kept, kFileCount);
    EXPECT_EQ(counts.written, 0);
}

TEST_F(DeviceArtInstallerTest, unwritableFoldersAreSkippedSilently) {
    // A file where the Balls folder should be: no picture can be written.
    std::filesystem::create_directories(host(kDataFolder));
    std::ofstream(host(std::string(kDataFolder) + "\\Balls")) << "in the way";
    const InstallCounts counts = installDeviceArt(paths, kDataFolder);
    EXPECT_EQ(counts.failed, kPictureCount);
    EXPECT_EQ(counts.written, 1);
}

TEST_F(DeviceArtInstallerTest, dataFolderOutsideTheDeviceWritesNoPicture) {
    const InstallCounts counts = installDeviceArt(paths, "\\..\\Elsewhere");
    EXPECT_EQ(counts.failed, kPictureCount);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(root.path().toStdString()).parent_path() / "Elsewhere"));
}

}  // namespace
}  // namespace numora::art
