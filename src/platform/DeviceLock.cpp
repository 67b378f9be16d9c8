#include "platform/DeviceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <utility>

#include "platform/DevicePaths.h"
#include "platform/FileProblem.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr int kOpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
constexpr mode_t kNewFileMode = 0666;  // less the umask, as for every file the program makes
constexpr std::size_t kLongestHolder = 256;

std::string thisHolder(std::string_view program) {
    std::array<char, kLongestHolder> host{};
    if (::gethostname(host.data(), host.size() - 1) != 0) host[0] = '\0';
    return formatText(DeviceLock::kHolderFormat, std::string(program).c_str(), static_cast<long>(::getpid()),
                      host.data());
}

// Who holds the lock, as the holder wrote it; control characters are left out,
// so a damaged file cannot garble the message.
std::string readHolder(int descriptor) {
    std::array<char, kLongestHolder> bytes{};
    const ssize_t length = ::pread(descriptor, bytes.data(), bytes.size(), 0);
    std::string holder;
    for (ssize_t i = 0; i < length; ++i) {
        if (static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]) >= 0x20) {
            holder += bytes[static_cast<std::size_t>(i)];
        }
    }
    return holder;
}

void writeHolder(int descriptor, const std::string& holder) {
    // A lock file that is only readable still locks; it just cannot say who holds it.
    if (::ftruncate(descriptor, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(descriptor, holder.data(), holder.size(), 0);
    }
}

bool meansNoNewFiles(int error) { return error == ENOENT || error == ENOTDIR || error == EROFS; }

// Why the lock file could not be opened: what stands in its place when that
// is not a file, else the system's words.
std::string openFailureCause(const std::filesystem::path& lockFile, int error) {
    struct stat info {};
    if (::lstat(lockFile.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return notAFileCauseOfMode(info.st_mode);
    return systemErrorCause(error);
}

}  // namespace

DeviceLock DeviceLock::take(const DevicePaths& device, std::string_view dataFolder, std::string_view program) {
    const auto lockFile = device.toHost(DevicePaths::join(dataFolder, kLockFileName));
    if (!lockFile) return {Status::Unavailable, -1, {}};
    return take(*lockFile, program);
}

DeviceLock DeviceLock::take(const std::filesystem::path& lockFile, std::string_view program) {
    const auto failed = [&](const std::string& cause) {
        return DeviceLock(Status::Failed, -1, formatText(kCannotLock, lockFile.c_str(), cause.c_str()));
    };
    int descriptor = ::open(lockFile.c_str(), O_RDWR | O_CREAT | kOpenFlags, kNewFileMode);
    if (descriptor < 0 && errno == EACCES) {
        // Someone else's lock file that we may only read, or a folder we may not write in.
        descriptor = ::open(lockFile.c_str(), O_RDONLY | kOpenFlags);
    }
    if (descriptor < 0) {
        const int error = errno;
        if (meansNoNewFiles(error)) return {Status::Unavailable, -1, {}};
        return failed(openFailureCause(lockFile, error));
    }
    // Closes the file on every way out; only a lock that is held clears it.
    DeviceLock lock(Status::Failed, descriptor, {});
    struct stat info {};
    if (::fstat(descriptor, &info) != 0) return failed(systemErrorCause(errno));
    if (!S_ISREG(info.st_mode)) return failed(notAFileCauseOfMode(info.st_mode));
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK) return failed(systemErrorCause(error));
        const std::string holder = readHolder(descriptor);
        return {Status::Busy, -1, holder.empty() ? std::string(kAlreadyOpen)
                                                 : formatText(kAlreadyOpenBy, kAlreadyOpen, holder.c_str())};
    }
    lock.status_ = Status::Held;
    writeHolder(descriptor, thisHolder(program));
    return lock;
}

DeviceLock::DeviceLock(Status status, int descriptor, std::string message)
    : status_(status), descriptor_(descriptor), message_(std::move(message)) {}

DeviceLock::DeviceLock(DeviceLock&& other) noexcept
    : status_(other.status_), descriptor_(std::exchange(other.descriptor_, -1)), message_(std::move(other.message_)) {}

DeviceLock& DeviceLock::operator=(DeviceLock&& other) noexcept {
    if (this != &other) {
        release();
        status_ = other.status_;
        descriptor_ = std::exchange(other.descriptor_, -1);
        message_ = std::move(other.message_);
    }
    return *this;
}

DeviceLock::~DeviceLock() { release(); }

void DeviceLock::release() {
    if (descriptor_ < 0) return;
    if (status_ == Status::Held) writeHolder(descriptor_, {});
    ::close(descriptor_);
    descriptor_ = -1;
}

}  // namespace numora
