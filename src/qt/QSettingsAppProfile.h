#pragma once

#include <QSettings>
#include <chrono>
#include <memory>

#include "platform/AppProfile.h"

namespace numora {

// The per-user option store kept by QSettings under the maker "Corvane" and
// the application "Numora", as an INI file.
//
// What stands at the file's place is looked at before QSettings reads it: a
// folder, a pipe, a device or a file larger than options can be (or one that
// is no INI text) leaves the store unusable, reading defaults and never
// writing over the file. Before each write the lock file QSettings takes
// ("<file>.lock") is looked at too, and waited for no longer than lockWait.
class QSettingsAppProfile final : public AppProfile {
public:
    static constexpr char kOrganisation[] = "Corvane";
    static constexpr char kApplication[] = "Numora";
    static constexpr std::chrono::milliseconds kLockWait{5000};

    // The user's own store: "Corvane/Numora.conf" in the user's configuration
    // folder (XDG_CONFIG_HOME, or ~/.config).
    QSettingsAppProfile();
    // A store in the given file; for separate setups and tests.
    explicit QSettingsAppProfile(const QString& iniFile, std::chrono::milliseconds lockWait = kLockWait);
    ~QSettingsAppProfile() override;

    // The user's own store's file.
    static QString userStoreFile();

    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const override;
    int readInt(std::string_view section, std::string_view key, int fallback) const override;
    bool writeText(std::string_view section, std::string_view key, std::string_view value) override;
    bool writeInt(std::string_view section, std::string_view key, int value) override;
    // One write of the file for all the values.
    bool writeAll(const std::vector<ProfileValue>& values) override;
    // Looked at and locked as a write is.
    bool remove(std::string_view section, std::string_view key) override;
    std::string failure() const override;

private:
    // Why a write cannot be made now; empty when it can.
    std::string writeObstacle() const;
    // Whether a write can be made now; the reason is kept when it cannot.
    bool mayWrite();
    // Writes the file after a change of its values; false, with the reason
    // kept, when it could not.
    bool sync();

    QString file_;
    std::chrono::milliseconds lockWait_;
    std::unique_ptr<QSettings> settings_;  // none when the file cannot be used
    std::string unusableBecause_;
    std::string lastWriteFailure_;
};

}  // namespace numora
