#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <set>

#include "platform/AtomicFile.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

namespace {

// Every fsync of this test program passes through here, so a test can see
// what a save flushes and when.
std::function<void(int)>& syncWatcher() {
    static std::function<void(int)> watcher;
    return watcher;
}

}  // namespace

extern "C" int fsync(int fd) {
    if (syncWatcher()) syncWatcher()(fd);
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace numora {
namespace {

std::set<std::string> filesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
}

mode_t permissions(const std::filesystem::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_mode & 07777;
}

// The number of a process that has ended.
pid_t endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

}  // namespace

TEST(AtomicFile, replacesTheWholeFileAndAWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporaryFile) {
    testing::ScratchFolder dir;
    const auto path = dir.path() / "a.dat";
    testing::writeBytes(path, "old contents that are longer");
    EXPECT_TRUE(writeFileAtomically(path, std::string("new\0bytes", 9)));
    EXPECT_EQ(testing::readBytes(path), std::string("new\0bytes", 9));
    {
        testing::FileSizeLimit limit(100);
        const FileWriteResult full = writeFileAtomically(path, std::string(1000, 'x'));
        EXPECT_FALSE(full.ok);
        EXPECT_EQ(full.cause, "file too large");
    }
    EXPECT_EQ(testing::readBytes(path), std::string("new\0bytes", 9));
    EXPECT_EQ(filesIn(dir.path()), std::set<std::string>{"a.dat"});
}

TEST(AtomicFile, missingFolderOrSomethingOtherThanAFileInTheWayFailsAndSaysWhy) {
    testing::ScratchFolder dir;
    EXPECT_EQ(writeFileAtomically(dir.path() / "missing" / "a.dat", "x").cause, "its folder does not exist");
    std::filesystem::create_directories(dir.path() / "busy" / "inside");
    EXPECT_EQ(writeFileAtomically(dir.path() / "busy", "x").cause, "it is a folder, not a file");
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "busy" / "inside"));
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(writeFileAtomically(dir.path() / "pipe", "x").cause, "it is a pipe, not a file");
    EXPECT_TRUE(std::filesystem::is_fifo(dir.path() / "pipe"));
    EXPECT_EQ(filesIn(dir.path()), (std::set<std::string>{"busy", "pipe"}));
}

TEST(AtomicFile, replacedFileKeepsItsModeAndANewOneGetsTheUmaskLeftAsItWas) {
    testing::ScratchFolder dir;
    const mode_t previousMask = ::umask(027);
    EXPECT_TRUE(writeFileAtomically(dir.path() / "new.dat", "x"));
    EXPECT_EQ(permissions(dir.path() / "new.dat"), 0640u);
    testing::writeBytes(dir.path() / "private.dat", "old");
    ::chmod((dir.path() / "private.dat").c_str(), 0600);
    EXPECT_TRUE(writeFileAtomically(dir.path() / "private.dat", "new"));
    EXPECT_EQ(permissions(dir.path() / "private.dat"), 0600u);
    ::chmod((dir.path() / "private.dat").c_str(), 0664);
    EXPECT_TRUE(writeFileAtomically(dir.path() / "private.dat", "newer"));
    EXPECT_EQ(permissions(dir.path() / "private.dat"), 0664u);
    EXPECT_EQ(::umask(previousMask), 027u);
}

TEST(AtomicFile, savingThroughSymbolicLinksReplacesTheFileTheyLeadTo) {
    testing::ScratchFolder dir;
    std::filesystem::create_directories(dir.path() / "links");
    testing::writeBytes(dir.path() / "store" / "real.dat", "old");
    std::filesystem::create_symlink("../store/real.dat", dir.path() / "links" / "first.dat");
    std::filesystem::create_symlink(dir.path() / "links" / "first.dat", dir.path() / "links" / "second.dat");
    EXPECT_TRUE(writeFileAtomically(dir.path() / "links" / "second.dat", "new"));
    EXPECT_EQ(testing::readBytes(dir.path() / "store" / "real.dat"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "links" / "first.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path() / "links" / "second.dat"));
    EXPECT_EQ(filesIn(dir.path() / "links"), (std::set<std::string>{"first.dat", "second.dat"}));
    EXPECT_EQ(filesIn(dir.path() / "store"), std::set<std::string>{"real.dat"});

    // A link to a file not yet made creates that file; a loop of links is refused.
    std::filesystem::create_symlink("later.dat", dir.path() / "links" / "pending.dat");
    EXPECT_TRUE(writeFileAtomically(dir.path() / "links" / "pending.dat", "made"));
    EXPECT_EQ(testing::readBytes(dir.path() / "links" / "later.dat"), "made");
    std::filesystem::create_symlink("loop.dat", dir.path() / "links" / "loop.dat");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "links" / "loop.dat", "x"));
}

TEST(AtomicFile, temporaryFilesOfEndedSavesOfTheSameFileAreRemovedByTheNextSave) {
    testing::ScratchFolder dir;
    const std::string ended = std::to_string(endedProcess());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> stale = {".a.dat.numora-save-" + ended + "-Xy12Zw"};
    const std::vector<std::string> kept = {".a.dat.numora-save-" + running + "-Xy12Zw",
                                           ".b.dat.numora-save-" + ended + "-Xy12Zw",
                                           ".a.dat.numora-save-" + ended + "-toolong", "a.dat.numora-save-1-Xy12Zw"};
    for (const auto& names : {stale, kept}) {
        for (const std::string& name : names) testing::writeBytes(dir.path() / name, "half a save");
    }
    EXPECT_TRUE(writeFileAtomically(dir.path() / "a.dat", "saved"));
    std::set<std::string> expected(kept.begin(), kept.end());
    expected.insert("a.dat");
    EXPECT_EQ(filesIn(dir.path()), expected);
}

TEST(AtomicFile, folderIsFlushedOnceTheNewFileHasTakenTheOldOnesName) {
    testing::ScratchFolder dir;
    const auto path = dir.path() / "a.dat";
    testing::writeBytes(path, "old");
    struct stat folder {};
    ASSERT_EQ(::stat(dir.path().c_str(), &folder), 0);
    std::vector<std::string> atFolderFlush;  // what the file held each time the folder was flushed
    syncWatcher() = [&](int fd) {
        struct stat flushed {};
        if (::fstat(fd, &flushed) == 0 && flushed.st_dev == folder.st_dev && flushed.st_ino == folder.st_ino) {
            atFolderFlush.push_back(testing::readBytes(path));
        }
    };
    const bool saved = writeFileAtomically(path, "new").ok;
    syncWatcher() = nullptr;
    EXPECT_TRUE(saved);
    EXPECT_EQ(atFolderFlush, std::vector<std::string>{"new"});
}

}  // namespace numora
