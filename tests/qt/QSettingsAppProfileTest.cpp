#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/AppProfile.h"
#include "platform/DevicePaths.h"
#include "qt/DeviceRoot.h"
#include "qt/QSettingsAppProfile.h"

namespace numora {
namespace {

TEST(QSettingsAppProfile, valuesWrittenInOneRunReadBackInTheNext) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Numora.conf"));
    {
        QSettingsAppProfile profile(file);
        EXPECT_EQ(profile.readText("Options", "Name", "PBall"), "PBall");
        EXPECT_EQ(profile.readInt("Advanced", "Hyper", 1), 1);
        profile.writeText("Options", "Name", "Lotto 6/49 \xC3\xA9");
        profile.writeInt("Advanced", "Hyper", 2);
    }
    const QSettingsAppProfile again(file);
    EXPECT_EQ(again.readText("Options", "Name", "PBall"), "Lotto 6/49 \xC3\xA9");
    EXPECT_EQ(again.readInt("Advanced", "Hyper", 1), 2);
    EXPECT_EQ(again.readText("Advanced", "Sound", "TRUE"), "TRUE");
}

std::filesystem::path pathOf(const QTemporaryDir& dir) { return dir.path().toStdString(); }

TEST(DeviceRoot, eachRootGivenKeepsItsOwnOptionsAndTheDefaultRootKeepsTheUserStore) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir userStore, rootA, rootB;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userStore.path());

    ASSERT_EQ(openOptionStore(DevicePaths(pathOf(rootA)))->writeText("Options", "Name", "Lotto A"), true);
    EXPECT_EQ(std::filesystem::is_regular_file(pathOf(rootA) / "Windows" / "Corvane" / "Numora.conf"), true);
    EXPECT_EQ(openOptionStore(DevicePaths(pathOf(rootA)))->readText("Options", "Name", "PBall"), "Lotto A");
    EXPECT_EQ(openOptionStore(DevicePaths(pathOf(rootB)))->readText("Options", "Name", "PBall"), "PBall");
    EXPECT_EQ(QSettingsAppProfile().readText("Options", "Name", "PBall"), "PBall");

    // The default root, named with a final separator, is still the default root.
    openOptionStore(DevicePaths(defaultDeviceRoot() / ""))->writeText("Options", "Name", "Mine");
    EXPECT_EQ(QSettingsAppProfile().readText("Options", "Name", "PBall"), "Mine");
    EXPECT_EQ(openOptionStore(DevicePaths(pathOf(rootA)))->readText("Options", "Name", "PBall"), "Lotto A");
}

}  // namespace
}  // namespace numora
