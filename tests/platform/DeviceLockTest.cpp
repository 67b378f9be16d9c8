#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "platform/DeviceLock.h"
#include "platform/DevicePaths.h"
#include "support/HoldingProcess.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";

// A process that holds the data folder's lock until it is killed.
testing::HoldingProcess lockHolder(const DevicePaths& device) {
    return testing::HoldingProcess([&device]() -> std::shared_ptr<void> {
        auto lock = std::make_shared<DeviceLock>(DeviceLock::take(device, kDataFolder, "numora"));
        return lock->status() == DeviceLock::Status::Held ? lock : nullptr;
    });
}

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
    testing::HoldingProcess holder = lockHolder(device);
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
