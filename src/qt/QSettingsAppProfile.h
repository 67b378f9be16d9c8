#pragma once

#include <QSettings>
#include <memory>

#include "platform/AppProfile.h"

namespace numora {

// The per-user option store kept by QSettings under the maker "Corvane" and
// the application "Numora" (the registry on Windows, an INI file elsewhere).
class QSettingsAppProfile final : public AppProfile {
public:
    static constexpr char kOrganisation[] = "Corvane";
    static constexpr char kApplication[] = "Numora";

    // The user's own store.
    QSettingsAppProfile();
    // A store in the given file (INI format); for tests and separate setups.
    explicit QSettingsAppProfile(const QString& iniFile);

    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const override;
    int readInt(std::string_view section, std::string_view key, int fallback) const override;
    bool writeText(std::string_view section, std::string_view key, std::string_view value) override;
    bool writeInt(std::string_view section, std::string_view key, int value) override;

private:
    std::unique_ptr<QSettings> settings_;
};

}  // namespace numora
