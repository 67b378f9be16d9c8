#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/DeviceLock.h"
#include "platform/DevicePaths.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";

// A process that takes the lock and waits to be killed; killed at the latest
// when the test ends, so a failed check never leaves it behind.
class LockHolderProcess {
public:
    explicit LockHolderProcess(const DevicePaths& device) {
        int ready[2];
        if (::pipe(ready) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            const DeviceLock lock = DeviceLock::take(device, kDataFolder, "numora");
            const char held = lock.status() == DeviceLock::Status::Held ? 'y' : 'n';
            [[maybe_unused]] const ssize_t written = ::write(ready[1], &held, 1);
            ::pause();
            ::_exit(0);
        }
        char held = 'n';
        holds_ = pid_ > 0 && ::read(ready[0], &held, 1) == 1 && held == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolderProcess() { kill(); }

    bool holds() const { return holds_; }
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

class DeviceLockTest : public ::testing::Test {
protected:
    DeviceLockTest() { std::filesystem::create_directories(lockFile.parent_path()); }

    testing::ScratchFolder root;
    DevicePaths device{root.path()};
    std::filesystem::path lockFile = root / "Program Files" / "Numora" / "Numora.lock";
};

TEST_F(DeviceLockTest, oneHolderAtATimeAndTheRefusedOneIsToldWho) {
    {
        DeviceLock first = DeviceLock::take(device, kDataFolder, "numora-cli import");
        ASSERT_EQ(first.status(), DeviceLock::Status::Held) << first.message();
        const std::string holder = "numora-cli import, process " + std::to_string(::getpid()) + " on ";
        EXPECT_EQ(testing::readBytes(lockFile).rfind(holder, 0), 0u);

        // A lock moved on is still held; the second take in the same process is refused.
        DeviceLock moved = std::move(first);
        const DeviceLock second = DeviceLock::take(device, kDataFolder, "numora");
        EXPECT_EQ(second.status(), DeviceLock::Status::Busy);
        EXPECT_EQ(second.refused(), true);
        EXPECT_EQ(second.message().rfind("Numora is already open on this device root (held by " + holder, 0), 0u)
            << second.message();
    }
    // Let go: the file stays, empty, and the next writer gets the lock.
    EXPECT_EQ(testing::readBytes(lockFile), "");
    EXPECT_EQ(DeviceLock::take(device, kDataFolder, "numora").status(), DeviceLock::Status::Held);
}

TEST_F(DeviceLockTest, aHolderThatIsKilledLetsGo) {
    LockHolderProcess holder(device);
    ASSERT_EQ(holder.holds(), true);
    EXPECT_EQ(DeviceLock::take(device, kDataFolder, "numora-cli add").status(), DeviceLock::Status::Busy);
    holder.kill();
    EXPECT_EQ(DeviceLock::take(device, kDataFolder, "numora-cli add").status(), DeviceLock::Status::Held);
}

TEST_F(DeviceLockTest, aFolderThatTakesNoFileGoesOnUnlockedButAnUnusableLockFileRefuses) {
    const DeviceLock missing = DeviceLock::take(device, "\\Not There", "numora");
    EXPECT_EQ(missing.status(), DeviceLock::Status::Unavailable);
    EXPECT_EQ(missing.refused(), false);

    std::filesystem::create_directories(lockFile);
    const DeviceLock folderInItsPlace = DeviceLock::take(device, kDataFolder, "numora");
    EXPECT_EQ(folderInItsPlace.status(), DeviceLock::Status::Failed);
    EXPECT_EQ(folderInItsPlace.refused(), true);
    EXPECT_EQ(folderInItsPlace.message(),
              "cannot lock the device root with " + lockFile.string() + ": it is a folder, not a file");

    std::filesystem::remove(lockFile);
    ASSERT_EQ(::mkfifo(lockFile.c_str(), 0600), 0);
    const DeviceLock pipeInItsPlace = DeviceLock::take(device, kDataFolder, "numora");
    EXPECT_EQ(pipeInItsPlace.refused(), true);
    EXPECT_EQ(pipeInItsPlace.message(),
              "cannot lock the device root with " + lockFile.string() + ": it is a pipe, not a file");
}

}  // namespace
}  // namespace numora
