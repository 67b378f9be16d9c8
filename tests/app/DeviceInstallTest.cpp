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

TEST(DeviceInstall, aVariantIsWrittenBesideTheProgramsOwnFileOnlyNeverBesideTheUsersOwn) {
    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const auto file = [&](const std::string& name) { return root.path() / "Balls" / name; };
    int painted = 0;
    const auto pair = [&](const std::string& name) {
        return InstalledPair{{"\\Balls\\" + name + ".jpg", [&painted] { ++painted; return std::string("small"); }},
                             {"\\Balls\\" + name + "@2x.jpg", [&painted] { ++painted; return std::string("LARGE"); }}};
    };
    testing::writeBytes(file("1.jpg"), "small");         // an earlier install's own picture
    testing::writeBytes(file("2.jpg"), "my own");        // the user's own picture
    testing::writeBytes(file("3@2x.jpg"), "MY OWN");     // the user's own larger one
    const std::vector<InstalledPair> pairs = {pair("0"), pair("1"), pair("2"), pair("3")};

    const InstallCounts first = installMissingFiles(device, pairs);
    EXPECT_EQ(first.written, 2 + 1 + 0 + 1);
    EXPECT_EQ(first.kept, 0 + 1 + 1 + 1);
    EXPECT_EQ(first.skipped, 1);
    EXPECT_EQ(testing::readBytes(file("0@2x.jpg")), "LARGE");
    EXPECT_EQ(testing::readBytes(file("1@2x.jpg")), "LARGE");
    EXPECT_FALSE(std::filesystem::exists(file("2@2x.jpg")));
    EXPECT_EQ(testing::readBytes(file("2.jpg")), "my own");
    EXPECT_EQ(testing::readBytes(file("3@2x.jpg")), "MY OWN");

    // Once everything is in place, nothing is painted again.
    painted = 0;
    const InstallCounts second = installMissingFiles(device, std::vector<InstalledPair>{pair("0"), pair("1"), pair("3")});
    EXPECT_EQ(second.kept, 6);
    EXPECT_EQ(painted, 0);

    // Where the picture cannot be written, its variant is not tried.
    testing::writeBytes(root.path() / "Elsewhere", "a file in the folder's place");
    const std::vector<InstalledPair> blocked = {{{"\\Elsewhere\\5.jpg", [] { return std::string("small"); }},
                                                  {"\\Elsewhere\\5@2x.jpg", [] { return std::string("LARGE"); }}}};
    EXPECT_EQ(installMissingFiles(device, blocked).failed, 2);
}

}  // namespace numora
