#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

#include "platform/FileProblem.h"

namespace numora {

namespace {

namespace fs = std::filesystem;

constexpr int kMostLinksFollowed = 40;
constexpr std::string_view kTemporaryMark = ".numora-save-";
constexpr std::string_view kUniqueCharacters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t kUniqueLength = 6;
constexpr int kNameAttempts = 100;
// Open applies the umask to this.
constexpr mode_t kNewFileMode = 0666;
constexpr mode_t kPermissionBits = 07777;
constexpr char kNoFileName[] = "it names no file";
constexpr char kLinkLoop[] = "its symbolic links lead nowhere or round in a loop";

FileWriteResult failed(std::string cause) { return {false, std::move(cause)}; }
FileWriteResult failedWith(int error) { return failed(writeErrorCause(error)); }

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The path a save replaces: the file the path leads to through any symbolic
// links. nullopt for a loop of links or a link that cannot be read.
std::optional<fs::path> finalTarget(fs::path path) {
    for (int hop = 0; hop <= kMostLinksFollowed; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        std::error_code error;
        const fs::path target = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt;
}

// ".<file name>.numora-save-": every temporary file of one file begins so.
std::string temporaryPrefix(const fs::path& file) {
    std::string prefix = ".";
    prefix += file.filename().string();
    prefix += kTemporaryMark;
    return prefix;
}

// The process that made a temporary file, from the rest of its name after the prefix.
std::optional<pid_t> temporaryOwner(std::string_view rest) {
    pid_t owner = 0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), owner);
    const std::size_t digits = static_cast<std::size_t>(end - rest.data());
    if (error != std::errc() || digits == 0 || rest.size() != digits + 1 + kUniqueLength || rest[digits] != '-') {
        return std::nullopt;
    }
    return owner;
}

void removeStaleTemporaries(const fs::path& folder, const std::string& prefix) {
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.rfind(prefix, 0) != 0) continue;
        const auto owner = temporaryOwner(std::string_view(name).substr(prefix.size()));
        if (owner && *owner != ::getpid() && ::kill(*owner, 0) != 0 && errno == ESRCH) {
            ::unlink(entry->path().c_str());
        }
    }
}

// Creates a new temporary file in folder; its name goes to temporary. -1 on failure.
int createTemporary(const fs::path& folder, const std::string& prefix, std::string& temporary) {
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, kUniqueCharacters.size() - 1);
    const std::string owned = prefix + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = owned;
        for (std::size_t i = 0; i < kUniqueLength; ++i) name += kUniqueCharacters[pick(random)];
        temporary = (folder / name).string();
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

FileWriteResult syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return failedWith(errno);
    // A file system that cannot flush a folder says EINVAL; there is nothing more to do then.
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error == 0 || error == EINVAL ? FileWriteResult{} : failedWith(error);
}

// Writes the bytes to the new temporary file with the old file's mode, and
// flushes and closes it. 0, or the error number of what failed.
int fillTemporary(int fd, const struct stat* old, std::string_view bytes) {
    int error = 0;
    if ((old != nullptr && ::fchmod(fd, old->st_mode & kPermissionBits) != 0) || !writeAll(fd, bytes) ||
        ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) error = errno;
    return error;
}

}  // namespace

FileWriteResult writeFileAtomically(const fs::path& path, std::string_view bytes) {
    if (path.empty() || path.filename().empty()) return failed(kNoFileName);
    const auto target = finalTarget(path);
    if (!target || target->filename().empty()) return failed(kLinkLoop);
    struct stat old {};
    const bool replacing = ::stat(target->c_str(), &old) == 0;
    if (!replacing && errno != ENOENT) return failedWith(errno);
    if (replacing && !S_ISREG(old.st_mode)) {
        std::error_code ignored;
        return failed(notAFileCause(fs::status(*target, ignored).type()));
    }

    const fs::path folder = target->has_parent_path() ? target->parent_path() : fs::path(".");
    const std::string prefix = temporaryPrefix(*target);
    removeStaleTemporaries(folder, prefix);
    std::string temporary;
    const int fd = createTemporary(folder, prefix, temporary);
    if (fd < 0) return failedWith(errno);
    int error = fillTemporary(fd, replacing ? &old : nullptr, bytes);
    if (error == 0 && ::rename(temporary.c_str(), target->c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failedWith(error);
    }
    return syncFolder(folder);
}

FileWriteResult writeFileAtomically(const std::optional<fs::path>& path, std::string_view bytes) {
    return path ? writeFileAtomically(*path, bytes) : FileWriteResult{false, {}};
}

}  // namespace numora
