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
    EXPECT_EQ(readWholeFile(dir / "ten.dat", 9).status, WholeFileStatus::TooLarge);

    std::filesystem::create_symlink("nowhere.dat", dir / "dangling.dat");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // no writer: opening it to read would wait
    for (const auto& [path, status] : std::vector<std::pair<std::filesystem::path, WholeFileStatus>>{
             {dir / "dangling.dat", WholeFileStatus::Missing},
             {dir / "ten.dat" / "inside", WholeFileStatus::Missing},
             {dir / "pipe", WholeFileStatus::NotAFile},
             {dir.path(), WholeFileStatus::NotAFile},
             {"/dev/zero", WholeFileStatus::NotAFile}}) {
        const WholeFile read = readWholeFile(path, 100);
        EXPECT_EQ(read.status, status) << path;
        EXPECT_EQ(read.bytes, "") << path;
    }
}

}  // namespace numora
