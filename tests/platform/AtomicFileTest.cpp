#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/AtomicFile.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

// Limits the size of files this process writes, so a write fails half-way the
// way it does on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

std::size_t filesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(AtomicFile, replacesTheWholeFile) {
    testing::ScratchFolder dir;
    const auto path = dir.path() / "a.dat";
    testing::writeBytes(path, "old contents that are longer");
    EXPECT_TRUE(writeFileAtomically(path, std::string("new\0bytes", 9)));
    EXPECT_EQ(testing::readBytes(path), std::string("new\0bytes", 9));
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicFile, writeThatFailsHalfWayLeavesTheOldFileAndNoTemporaryFile) {
    testing::ScratchFolder dir;
    const auto path = dir.path() / "a.dat";
    testing::writeBytes(path, "the old file");
    {
        FileSizeLimit limit(100);
        EXPECT_FALSE(writeFileAtomically(path, std::string(1000, 'x')));
    }
    EXPECT_EQ(testing::readBytes(path), "the old file");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(AtomicFile, missingFolderOrAFolderInTheWayFails) {
    testing::ScratchFolder dir;
    EXPECT_FALSE(writeFileAtomically(dir.path() / "missing" / "a.dat", "x"));
    std::filesystem::create_directories(dir.path() / "busy" / "inside");
    EXPECT_FALSE(writeFileAtomically(dir.path() / "busy", "x"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "busy" / "inside"));
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

}  // namespace numora
