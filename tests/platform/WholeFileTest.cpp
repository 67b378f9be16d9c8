#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/WholeFile.h"
#include "support/TestFiles.h"

namespace numora {

TEST(WholeFile, readsARegularFileUpToTheLimitAndTellsWhatElseStandsAtThePath) {
    testing::ScratchFolder dir;
    testing::writeBytes(dir / "ten.dat", std::string("0123456\0" "89", 10));
    std::filesystem::create_symlink("ten.dat", dir / "link.dat");
    EXPECT_EQ(readWholeFile(dir / "link.dat", 10).bytes, std::string("0123456\0" "89", 10));
    EXPECT_TRUE(readWholeFile(dir / "link.dat", 10).cause.empty());

    std::filesystem::create_symlink("nowhere.dat", dir / "dangling.dat");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // no writer: opening it to read would wait
    const struct {
        std::filesystem::path path;
        std::uint64_t largest;
        WholeFileStatus status;
        std::string cause;
    } cases[] = {
        {dir / "ten.dat", 9, WholeFileStatus::TooLarge, "it is larger than 9 bytes"},
        {dir / "dangling.dat", 100, WholeFileStatus::Missing, "no such file or directory"},
        {dir / "ten.dat" / "inside", 100, WholeFileStatus::Missing, "not a directory"},
        {dir / "pipe", 100, WholeFileStatus::NotAFile, "it is a pipe, not a file"},
        {dir.path(), 100, WholeFileStatus::NotAFile, "it is a folder, not a file"},
        {"/dev/zero", 100, WholeFileStatus::NotAFile, "it is a device, not a file"},
    };
    for (const auto& [path, largest, status, cause] : cases) {
        const WholeFile read = readWholeFile(path, largest);
        EXPECT_EQ(read.status, status) << path;
        EXPECT_EQ(read.bytes, "") << path;
        EXPECT_EQ(read.cause, cause) << path;
    }
}

}  // namespace numora
