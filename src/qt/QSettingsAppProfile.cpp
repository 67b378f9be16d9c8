#include "QSettingsAppProfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/FileProblem.h"
#include "platform/FormatText.h"
#include "platform/WholeFile.h"

namespace numora {

namespace {

// The options are a few short texts; a larger file is taken for something
// else, and so is a larger lock file (QSettings reads it line by line).
constexpr std::uint64_t kLargestFile = std::uint64_t{1} << 20;
constexpr char kLockFileEnding[] = ".lock";

constexpr char kCannotUseFile[] = "cannot use the options file %s: %s";
constexpr char kNotOptions[] = "its text is not options that Numora can read";
constexpr char kCannotUseLock[] = "cannot use the lock file %s of the options: %s";
constexpr char kLockHeld[] = "found the lock file %s of the options held by %s, process %lld on %s";
// A writer writes who it is into its lock file as soon as it has made it.
constexpr std::chrono::seconds kLockFileWritten{1};
// How long each look at a held lock waits before an empty one is looked at again.
constexpr std::chrono::milliseconds kLockRetry{100};
constexpr char kCannotWrite[] = "cannot write the options file %s";

QString settingsKey(std::string_view section, std::string_view key) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
           QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string local(const QString& path) { return QFile::encodeName(path).toStdString(); }

// Why what stands at the path cannot be read as a file of at most
// kLargestFile bytes; empty when it can, or when nothing is there.
std::string unreadableCause(const QString& path) {
    const WholeFile read = readWholeFile(local(path), kLargestFile);
    return read.read() || read.status == WholeFileStatus::Missing ? std::string() : read.cause;
}

// A lock file that a writer killed as it made it left empty: no one holds it,
// though QSettings would take it for held for half a minute.
void removeEmptyLeftover(const QString& lockFile) {
    const QFileInfo info(lockFile);
    const QDateTime madeBefore = QDateTime::currentDateTimeUtc().addSecs(-kLockFileWritten.count());
    if (info.isFile() && info.size() == 0 && info.lastModified().toUTC() < madeBefore) QFile::remove(lockFile);
}

// Why QSettings, which keeps its reasons, may have failed to write the file:
// what is wrong with its folder, or a full disk; empty when none of these.
std::string writeFailureCause(const QString& file) {
    const std::string folder = local(QFileInfo(file).absolutePath());
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return writeErrorCause(errno);
    if (!S_ISDIR(info.st_mode)) return writeErrorCause(ENOTDIR);
    if (::access(folder.c_str(), W_OK) != 0) return systemErrorCause(errno);
    struct statvfs disk {};
    if (::statvfs(folder.c_str(), &disk) == 0 && disk.f_bavail == 0) return systemErrorCause(ENOSPC);
    return {};
}

}  // namespace

QSettingsAppProfile::QSettingsAppProfile() : QSettingsAppProfile(userStoreFile()) {}

QSettingsAppProfile::QSettingsAppProfile(const QString& iniFile, std::chrono::milliseconds lockWait)
    : file_(iniFile), lockWait_(lockWait) {
    // QSettings reads the whole file as it is made, and would wait for ever on
    // a pipe or run out of memory on a huge file.
    if (const std::string cause = unreadableCause(file_); !cause.empty()) {
        unusableBecause_ = formatText(kCannotUseFile, local(file_).c_str(), cause.c_str());
        return;
    }
    settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
    // QSettings reads a section's text only when it is first asked for: have
    // it read them all now, so that damage anywhere is found before a write.
    settings_->allKeys();
    if (settings_->status() != QSettings::NoError) {
        // Writing would replace the file with what could be read of it.
        unusableBecause_ = formatText(kCannotUseFile, local(file_).c_str(), kNotOptions);
        settings_.reset();
    }
}

QSettingsAppProfile::~QSettingsAppProfile() = default;

QString QSettingsAppProfile::userStoreFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QLatin1String(kOrganisation) + QLatin1Char('/') + QLatin1String(kApplication) +
           QLatin1String(".conf");
}

std::string QSettingsAppProfile::readText(std::string_view section, std::string_view key,
                                          std::string_view fallback) const {
    const QVariant value = settings_ ? settings_->value(settingsKey(section, key)) : QVariant();
    if (!value.isValid()) return std::string(fallback);
    return value.toString().toStdString();
}

int QSettingsAppProfile::readInt(std::string_view section, std::string_view key, int fallback) const {
    // Stored integers come back as text after a restart: convert, never compare types.
    const QVariant value = settings_ ? settings_->value(settingsKey(section, key)) : QVariant();
    if (!value.isValid()) return fallback;
    return value.toInt();
}

bool QSettingsAppProfile::writeText(std::string_view section, std::string_view key, std::string_view value) {
    return writeAll({{section, key, value}});
}

bool QSettingsAppProfile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeAll({{section, key, value}});
}

std::string QSettingsAppProfile::failure() const {
    return unusableBecause_.empty() ? lastWriteFailure_ : unusableBecause_;
}

bool QSettingsAppProfile::writeAll(const std::vector<ProfileValue>& values) {
    if (!mayWrite()) return false;
    for (const ProfileValue& stored : values) {
        const auto* text = std::get_if<std::string_view>(&stored.value);
        settings_->setValue(settingsKey(stored.section, stored.key),
                            text ? QVariant(toQString(*text)) : QVariant(std::get<int>(stored.value)));
    }
    return sync();
}

bool QSettingsAppProfile::remove(std::string_view section, std::string_view key) {
    if (!mayWrite()) return false;
    settings_->remove(settingsKey(section, key));
    return sync();
}

bool QSettingsAppProfile::mayWrite() {
    if (!settings_) return false;
    lastWriteFailure_ = writeObstacle();
    return lastWriteFailure_.empty();
}

bool QSettingsAppProfile::sync() {
    settings_->sync();
    if (settings_->status() == QSettings::NoError) return true;
    lastWriteFailure_ = withCauseAfterColon(formatText(kCannotWrite, local(file_).c_str()), writeFailureCause(file_));
    return false;
}

std::string QSettingsAppProfile::writeObstacle() const {
    // The file is read again as it is written, if it changed since.
    if (const std::string cause = unreadableCause(file_); !cause.empty()) {
        return formatText(kCannotUseFile, local(file_).c_str(), cause.c_str());
    }
    const QString lockFile = file_ + QLatin1String(kLockFileEnding);
    if (const std::string cause = unreadableCause(lockFile); !cause.empty()) {
        return formatText(kCannotUseLock, local(lockFile).c_str(), cause.c_str());
    }
    // QSettings waits for its lock for as long as half a minute, or for ever
    // when it cannot clear it: wait here, for less, until the lock is free. A
    // lock left by a program that has ended is free, and so is an empty one
    // once it is old enough, which may happen while we wait.
    QDir().mkpath(QFileInfo(file_).absolutePath());
    QLockFile lock(lockFile);
    const auto givenUpAt = std::chrono::steady_clock::now() + lockWait_;
    for (;;) {
        removeEmptyLeftover(lockFile);
        if (lock.tryLock(static_cast<int>(kLockRetry.count())) || lock.error() != QLockFile::LockFailedError) return {};
        if (std::chrono::steady_clock::now() >= givenUpAt) break;
    }
    qint64 process = 0;
    QString host;
    QString program;
    lock.getLockInfo(&process, &host, &program);
    return formatText(kLockHeld, local(lockFile).c_str(), program.toStdString().c_str(),
                      static_cast<long long>(process), host.toStdString().c_str());
}

}  // namespace numora
