#include <gtest/gtest.h>

#include <algorithm>

#include "app/DeviceFolder.h"
#include "platform/DevicePaths.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

namespace fs = std::filesystem;

template <typename T>
std::vector<T> sorted(std::vector<T> items) {
    std::ranges::sort(items, [](const auto& a, const auto& b) {
        if constexpr (std::is_same_v<T, ListedFile>) return a.name < b.name;
        else return a < b;
    });
    return items;
}

// A device root beside a folder outside it, with links from one to the other.
class DeviceFolder : public ::testing::Test {
protected:
    DeviceFolder() {
        fs::create_directories(root / "Windows");
        fs::create_directories(root / ".secret");
        fs::create_directories(root / "My Documents" / "Sub");
        fs::create_directories(outside / "Private");
        testing::writeBytes(root / "a.wav", "12345");
        testing::writeBytes(root / "My Documents" / "a.wav", std::string(1025, 'x'));
        testing::writeBytes(root / "My Documents" / "b.WAV", "");
        testing::writeBytes(root / "My Documents" / "c.txt", "");
        testing::writeBytes(root / "My Documents" / ".hidden.wav", "");
        testing::writeBytes(outside / "private.wav", "");
        fs::create_directory_symlink(outside, root / "Elsewhere");
        fs::create_directory_symlink(root / "My Documents", root / "Documents Link");
        fs::create_symlink(outside / "private.wav", root / "My Documents" / "leak.wav");
        fs::create_symlink(root / "a.wav", root / "My Documents" / "linked.wav");
        fs::create_symlink(root / "gone.wav", root / "My Documents" / "broken.wav");
    }

    testing::ScratchFolder scratch;
    fs::path root = scratch / "root";
    fs::path outside = scratch / "outside";
    DevicePaths device{root};
};

TEST_F(DeviceFolder, showsFoldersAndMatchingFilesButNothingHiddenNorAnythingLeadingOutOfTheRoot) {
    EXPECT_EQ(sorted(listSubfolders(device, "\\")),
              (std::vector<std::string>{"Documents Link", "My Documents", "Windows"}));
    EXPECT_EQ(listSubfolders(device, "\\My Documents\\"), std::vector<std::string>{"Sub"});
    EXPECT_EQ(listSubfolders(device, "\\Windows\\"), std::vector<std::string>{});

    const std::vector<ListedFile> files = sorted(listFiles(device, "\\My Documents\\", "*.wav"));
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{files[0].name, files[1].name, files[2].name}),
              (std::vector<std::string>{"a.wav", "b.WAV", "linked.wav"}));
    EXPECT_EQ(files[0].size, 1025u);
    EXPECT_EQ(files[2].size, 5u);
    const auto written = fs::last_write_time(root / "My Documents" / "a.wav");
    EXPECT_EQ(files[0].writeSeconds,
              std::chrono::duration_cast<std::chrono::seconds>(
                  std::chrono::file_clock::to_sys(written).time_since_epoch())
                  .count());
    EXPECT_EQ(sorted(listFiles(device, "\\", "*")).size(), 1u);

    EXPECT_TRUE(listFiles(device, "\\Elsewhere\\", "*").empty());
    EXPECT_TRUE(listSubfolders(device, "\\Elsewhere\\").empty());
    EXPECT_TRUE(listFiles(device, "\\..\\outside\\", "*").empty());
    EXPECT_TRUE(listFiles(device, "\\No Such Folder\\", "*").empty());
    EXPECT_EQ(listFiles(device, "\\Documents Link\\", "*.txt").size(), 1u);
}

}  // namespace
}  // namespace numora
