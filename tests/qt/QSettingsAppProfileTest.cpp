#include <QElapsedTimer>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/AppProfile.h"
#include "platform/DevicePaths.h"
#include "qt/DeviceRoot.h"
#include "qt/QSettingsAppProfile.h"
#include "support/FileSizeLimit.h"
#include "support/HoldingProcess.h"
#include "support/TestFiles.h"

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

// Keys are lottery names for the pick rules: whatever a name may hold reads
// back, and a removed value is gone in the next run too.
TEST(QSettingsAppProfile, keysOfAnyLotteryNameReadBackAndARemovedValueIsGoneInTheNextRun) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Numora.conf"));
    const std::vector<std::string> names{"Lotto 6 49", "%20 ;#=[x", "Caf\xC3\xA9 Plus", "a,b", "Daily"};
    {
        QSettingsAppProfile profile(file);
        for (const std::string& name : names) ASSERT_TRUE(profile.writeText("PickRules", name, "fixed 1 " + name));
        ASSERT_TRUE(profile.remove("PickRules", "Daily"));
        ASSERT_TRUE(profile.remove("PickRules", "Never Stored"));
    }
    const QSettingsAppProfile again(file);
    for (const std::string& name : names) {
        EXPECT_EQ(again.readText("PickRules", name, "none"), name == "Daily" ? "none" : "fixed 1 " + name);
    }
}

std::filesystem::path pathOf(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Whatever stands in the options file's place that QSettings cannot read
// whole and safely leaves the store on its defaults; nothing is written over it.
TEST(QSettingsAppProfile, whatCannotBeReadAsOptionsLeavesTheDefaultsAndTheFileAsItIs) {
    QTemporaryDir dir;
    const auto path = [&](const char* name) { return pathOf(dir.filePath(QString::fromLatin1(name))); };
    std::filesystem::create_directory(path("Folder.conf"));
    ASSERT_EQ(::mkfifo(path("Pipe.conf").c_str(), 0600), 0);  // no writer: reading it would wait for ever
    testing::writeBytes(path("Huge.conf"), "[Advanced]\nHyper=2\n");
    std::filesystem::resize_file(path("Huge.conf"), std::uintmax_t{20} << 30);  // sparse: takes no room
    testing::writeBytes(path("Damaged.conf"), "[Advanced]\nHyper=2\n[Adv\nanced\x01\n");
    // Damage that QSettings finds only once it reads the section's text.
    testing::writeBytes(path("Inside.conf"), "[A\xB3" "dvanced[Advanced]\nHyper=2\nP]\na");
    std::filesystem::create_symlink("/dev/zero", path("Device.conf"));
    const std::pair<const char*, std::string> cases[] = {
        {"Folder.conf", "it is a folder, not a file"},
        {"Pipe.conf", "it is a pipe, not a file"},
        {"Huge.conf", "it is larger than 1 MB"},
        {"Damaged.conf", "its text is not options that Numora can read"},
        {"Inside.conf", "its text is not options that Numora can read"},
        {"Device.conf", "it is a device, not a file"},
    };
    for (const auto& [name, cause] : cases) {
        const auto type = std::filesystem::status(path(name)).type();
        const std::string bytes = type == std::filesystem::file_type::regular && std::string(name) != "Huge.conf"
                                      ? testing::readBytes(path(name))
                                      : "";
        QSettingsAppProfile profile(dir.filePath(QString::fromLatin1(name)));
        EXPECT_EQ(profile.failure(), "cannot use the options file " + path(name).string() + ": " + cause);
        EXPECT_EQ(profile.readInt("Advanced", "Hyper", 1), 1) << name;
        EXPECT_EQ(profile.writeInt("Advanced", "Hyper", 0), false) << name;
        EXPECT_EQ(profile.remove("Advanced", "Hyper"), false) << name;
        EXPECT_EQ(std::filesystem::status(path(name)).type(), type) << name;
        if (!bytes.empty()) {
            EXPECT_EQ(testing::readBytes(path(name)), bytes);
        }
    }
    EXPECT_EQ(std::filesystem::file_size(path("Huge.conf")), std::uintmax_t{20} << 30);
}

TEST(QSettingsAppProfile, aWriteWaitsForTheLockOnlySoLongAndSaysWhatStandsInItsWay) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Numora.conf"));
    const std::filesystem::path lock = pathOf(file) += ".lock";
    constexpr std::chrono::milliseconds kWait{300};
    QSettingsAppProfile profile(file, kWait);
    ASSERT_TRUE(profile.writeInt("Advanced", "Hyper", 2));
    const std::string stored = testing::readBytes(pathOf(file));

    std::filesystem::create_directory(lock);  // QSettings would wait for ever to make its lock here
    EXPECT_FALSE(profile.writeInt("Advanced", "Hyper", 0));
    EXPECT_EQ(profile.failure(),
              "cannot use the lock file " + lock.string() + " of the options: it is a folder, not a file");
    std::filesystem::remove(lock);
    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    EXPECT_FALSE(profile.writeInt("Advanced", "Hyper", 0));
    EXPECT_EQ(profile.failure(),
              "cannot use the lock file " + lock.string() + " of the options: it is a pipe, not a file");
    std::filesystem::remove(lock);

    // Another writer of the options, holding the lock as QSettings does while it writes.
    testing::HoldingProcess writer([&lock]() -> std::shared_ptr<void> {
        auto held = std::make_shared<QLockFile>(QFile::decodeName(lock.c_str()));
        return held->tryLock() ? held : nullptr;
    });
    ASSERT_TRUE(writer.holds());
    QElapsedTimer waited;
    waited.start();
    EXPECT_FALSE(profile.writeInt("Advanced", "Hyper", 0));
    EXPECT_LT(waited.elapsed(), 10 * kWait.count());
    const std::string heldBy =
        "found the lock file " + lock.string() + " of the options held by numora_qt_tests, process ";
    EXPECT_EQ(profile.failure().rfind(heldBy, 0), 0u) << profile.failure();
    EXPECT_EQ(testing::readBytes(pathOf(file)), stored);
    // A writer that ended without letting go leaves a lock that is free.
    writer.kill();
    EXPECT_TRUE(profile.writeInt("Advanced", "Hyper", 0)) << profile.failure();
    EXPECT_EQ(profile.failure(), "");
    EXPECT_EQ(QSettingsAppProfile(file).readInt("Advanced", "Hyper", 1), 0);

    // So does one killed as it made its lock file, before it wrote who it is.
    testing::writeBytes(lock, "");
    std::filesystem::last_write_time(lock, std::filesystem::file_time_type::clock::now() - std::chrono::seconds(2));
    waited.restart();
    EXPECT_TRUE(profile.writeInt("Advanced", "Hyper", 1)) << profile.failure();
    EXPECT_LT(waited.elapsed(), kWait.count());
    // A writer killed a moment ago: its empty lock comes free while a patient write waits.
    testing::writeBytes(lock, "");
    EXPECT_TRUE(QSettingsAppProfile(file, std::chrono::seconds(5)).writeInt("Advanced", "Hyper", 2));
}

TEST(QSettingsAppProfile, aWriteThatTheDiskRefusesFailsAndSaysSo) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Numora.conf"));
    QSettingsAppProfile profile(file);
    ASSERT_TRUE(profile.writeText("Options", "Name", "Lotto"));
    {
        testing::FileSizeLimit full(40);
        EXPECT_FALSE(profile.writeText("Advanced", "Wav1", std::string(100, 'x')));
    }
    EXPECT_EQ(profile.failure(), "cannot write the options file " + pathOf(file).string());
    EXPECT_EQ(QSettingsAppProfile(file).readText("Options", "Name", "PBall"), "Lotto");
}

std::filesystem::path pathOf(const QTemporaryDir& dir) { return dir.path().toStdString(); }

// The user's folders in a scratch place while it lives.
class ScratchUserFolders {
public:
    ScratchUserFolders() {
        QStandardPaths::setTestModeEnabled(false);
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(data_.path()));
    }
    ~ScratchUserFolders() {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_DATA_HOME");
        QStandardPaths::setTestModeEnabled(true);
    }
    QString configFolder() const { return config_.path(); }

private:
    QTemporaryDir config_, data_;
};

TEST(DeviceRoot, eachRootGivenKeepsItsOwnOptionsAndTheDefaultRootKeepsTheUserStore) {
    const ScratchUserFolders user;
    QTemporaryDir rootA, rootB;
    EXPECT_EQ(QSettingsAppProfile::userStoreFile(), user.configFolder() + QStringLiteral("/Corvane/Numora.conf"));

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
