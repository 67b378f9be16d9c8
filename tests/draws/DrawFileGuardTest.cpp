#include <gtest/gtest.h>

#include <filesystem>

#include "draws/DrawFileGuard.h"
#include "platform/DevicePaths.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Data";
constexpr char kFile[] = "\\Data\\Lotto.dat";

class DrawFileGuardTest : public ::testing::Test {
protected:
    DrawFileGuard loaded() {
        DrawList draws;
        const DrawFileResult result = DrawFile::load(device, kDataFolder, "Lotto", draws);
        return DrawFileGuard::afterLoad(result, device, kDataFolder, "Lotto");
    }
    std::filesystem::path file() const { return device.toHost(kFile).value(); }

    testing::ScratchFolder root;
    DevicePaths device{root.path()};
};

TEST_F(DrawFileGuardTest, aMissingOrWholeFileMayBeSavedOverOneReadInPartOrNotAtAllMayNot) {
    EXPECT_TRUE(loaded().maySave());
    std::filesystem::create_directories(file().parent_path());
    ASSERT_TRUE(DrawFile::save(device, kDataFolder, "Lotto", DrawList{{1, 2}, {3, 4}}).ok());
    EXPECT_TRUE(loaded().maySave());

    const std::string whole = testing::readBytes(file());
    testing::writeBytes(file(), whole.substr(0, whole.size() - 1));
    const DrawFileGuard damaged = loaded();
    EXPECT_FALSE(damaged.maySave());
    EXPECT_EQ(damaged.reason(), "The draw file \\Data\\Lotto.dat is damaged: only its first 1 draws could be read.");
    EXPECT_EQ(damaged.refusal(),
              "The draw file \\Data\\Lotto.dat could not be read whole, so Numora does not save over it.\n"
              "Export Draws can keep a copy of the draws shown.");

    // There, but it cannot be read.
    std::filesystem::remove(file());
    std::filesystem::create_directories(file());
    const DrawFileGuard unreadable = loaded();
    EXPECT_FALSE(unreadable.maySave());
    EXPECT_EQ(unreadable.reason(), "The draw file \\Data\\Lotto.dat cannot be read.");
}

}  // namespace
}  // namespace numora
