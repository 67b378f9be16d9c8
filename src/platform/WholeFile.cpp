#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <new>

#include "platform/FileProblem.h"

namespace numora {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

WholeFile failureFor(int error) {
    const auto status = error == ENOENT || error == ENOTDIR ? WholeFileStatus::Missing : WholeFileStatus::Unreadable;
    return {status, {}, systemErrorCause(error)};
}

WholeFile notAFile(mode_t mode) { return {WholeFileStatus::NotAFile, {}, notAFileCauseOfMode(mode)}; }

WholeFile tooLarge(std::uint64_t maxBytes) { return {WholeFileStatus::TooLarge, {}, tooLargeCause(maxBytes)}; }

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

// Reads to the end into whole.bytes; on failure, the status and cause.
void readAll(int fd, std::uint64_t maxBytes, WholeFile& whole) {
    std::array<char, kChunkBytes> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            whole = failureFor(errno);
            return;
        }
        if (got == 0) {
            whole.status = WholeFileStatus::Read;
            return;
        }
        if (whole.bytes.size() + static_cast<std::uint64_t>(got) > maxBytes) {
            whole = tooLarge(maxBytes);
            return;
        }
        whole.bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace

WholeFile readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return failureFor(errno);
    if (!S_ISREG(info.st_mode)) return notAFile(info.st_mode);

    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return failureFor(errno);
    // The path may have been replaced since it was looked at: the open file is what counts.
    if (::fstat(file.fd(), &info) != 0) return failureFor(errno);
    if (!S_ISREG(info.st_mode)) return notAFile(info.st_mode);
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return tooLarge(maxBytes);

    WholeFile whole;
    try {
        whole.bytes.reserve(static_cast<std::size_t>(info.st_size));
        readAll(file.fd(), maxBytes, whole);
    } catch (const std::bad_alloc&) {
        whole = failureFor(ENOMEM);
    }
    if (!whole.read()) whole.bytes = std::string();
    return whole;
}

}  // namespace numora
