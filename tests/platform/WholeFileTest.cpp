#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/WholeFile.h"
#include "support/TestFiles.h"

namespace numora {

TEST(WholeFile, readsARegularFileUpToTheLimitAndTellsWhatElseStandsAtThePath) {
    testing::ScratchFolder dir;
    testing::writeBytes(dir / "ten.dat", std::string("0123456\0" "89", 10));
    EXPECT_EQ(readWholeFile(dir / "ten.dat", 10).bytes, std::string("0123456\0" "89", 10));
    EXPECT_EQ(readWholeFile(dir / "ten.dat", 10).status, WholeFileStatus::Read);
    EXPECT_EQ(readWholeFile(dir / "ten.dat", 9).status, WholeFileStatus::TooLarge);
    std::filesystem::create_symlink("ten.dat", dir / "link.dat");
    EXPECT_EQ(readWholeFile(dir / "link.dat", 10).bytes.size(), 10u);

    std::filesystem::create_symlink("nowhere.dat", dir / "dangling.dat");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);  // no writer: opening it to read would wait
    for (const auto& [name, status] : std::vector<std::pair<std::string, WholeFileStatus>>{
             {"missing.dat", WholeFileStatus::Missing},
             {"dangling.dat", WholeFileStatus::Missing},
             {"ten.dat/inside", WholeFileStatus::Missing},
             {"pipe", WholeFileStatus::NotAFile},
             {".", WholeFileStatus::NotAFile},
             {"/dev/zero", WholeFileStatus::NotAFile}}) {
        const WholeFile read = readWholeFile(name.front() == '/' ? std::filesystem::path(name) : dir / name, 100);
        EXPECT_EQ(read.status, status) << name;
        EXPECT_EQ(read.bytes, "") << name;
    }
}

TEST(WholeFile, aHugeSparseFileIsRefusedWithoutReadingIt) {
    testing::ScratchFolder dir;
    testing::writeBytes(dir / "huge.dat", "");
    std::filesystem::resize_file(dir / "huge.dat", std::uintmax_t{100} << 30);
    EXPECT_EQ(readWholeFile(dir / "huge.dat", std::uint64_t{1} << 30).status, WholeFileStatus::TooLarge);
}

TEST(WholeFile, aFileWithoutReadPermissionIsUnreadable) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
    testing::ScratchFolder dir;
    testing::writeBytes(dir / "closed.dat", "secret");
    ::chmod((dir / "closed.dat").c_str(), 0);
    EXPECT_EQ(readWholeFile(dir / "closed.dat", 100).status, WholeFileStatus::Unreadable);
}

}  // namespace numora
