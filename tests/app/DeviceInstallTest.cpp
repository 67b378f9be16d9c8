#include <gtest/gtest.h>

#include "app/DeviceInstall.h"
#include "platform/DevicePaths.h"
#include "support/TestFiles.h"

namespace numora {

TEST(DeviceInstall, createsTheFoldersAndNeverOverwritesAnExistingFile) {
    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    ASSERT_TRUE(createDeviceFolders(device, "\\Program Files\\Numora"));
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "Program Files" / "Numora" / "Balls"));
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "My Documents"));
    EXPECT_TRUE(std::filesystem::is_directory(root.path() / "Windows"));

    testing::writeBytes(root.path() / "Windows" / "winner.wav", "the user's own sound");
    int made = 0;
    const std::vector<InstalledFile> files = {
        {"\\Windows\\winner.wav", [&] { ++made; return std::string("chime"); }},
        {"\\Program Files\\Numora\\Balls\\1.jpg", [&] { ++made; return std::string("ball"); }},
        {"\\..\\outside.jpg", [&] { ++made; return std::string("never"); }},
    };
    const InstallCounts first = installMissingFiles(device, files);
    EXPECT_EQ(first.written, 1);
    EXPECT_EQ(first.kept, 1);
    EXPECT_EQ(first.failed, 1);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(testing::readBytes(root.path() / "Windows" / "winner.wav"), "the user's own sound");
    EXPECT_EQ(testing::readBytes(root.path() / "Program Files" / "Numora" / "Balls" / "1.jpg"), "ball");
    EXPECT_EQ(installMissingFiles(device, files).written, 0);
}

}  // namespace numora
