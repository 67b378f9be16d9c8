#include "QSettingsAppProfile.h"

namespace numora {

namespace {
QString settingsKey(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QSettingsAppProfile::QSettingsAppProfile()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication))) {}

QSettingsAppProfile::QSettingsAppProfile(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

std::string QSettingsAppProfile::readText(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
    const QVariant value = settings_->value(settingsKey(section, key));
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

int QSettingsAppProfile::readInt(std::string_view section, std::string_view key, int fallback) const {
    // Stored integers come back as text after a restart: convert, never compare types.
    const QVariant value = settings_->value(settingsKey(section, key));
    if (!value.isValid()) return fallback;
    return value.toInt();
}

bool QSettingsAppProfile::writeText(std::string_view section, std::string_view key, std::string_view value) {
    settings_->setValue(settingsKey(section, key), toQString(value));
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool QSettingsAppProfile::writeInt(std::string_view section, std::string_view key, int value) {
    settings_->setValue(settingsKey(section, key), value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace numora
