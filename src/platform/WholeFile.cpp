#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <new>

namespace numora {

namespace {

constexpr std::size_t kChunkBytes = 64 * 1024;

WholeFileStatus failureFor(int error) {
    return error == ENOENT || error == ENOTDIR ? WholeFileStatus::Missing : WholeFileStatus::Unreadable;
}

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

WholeFileStatus readAll(int fd, std::uint64_t maxBytes, std::string& bytes) {
    std::array<char, kChunkBytes> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return WholeFileStatus::Unreadable;
        }
        if (got == 0) return WholeFileStatus::Read;
        if (bytes.size() + static_cast<std::uint64_t>(got) > maxBytes) return WholeFileStatus::TooLarge;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
}

}  // namespace

WholeFile readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {failureFor(errno), {}};
    if (!S_ISREG(info.st_mode)) return {WholeFileStatus::NotAFile, {}};

    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return {failureFor(errno), {}};
    // The path may have been replaced since it was looked at: the open file is what counts.
    if (::fstat(file.fd(), &info) != 0) return {WholeFileStatus::Unreadable, {}};
    if (!S_ISREG(info.st_mode)) return {WholeFileStatus::NotAFile, {}};
    if (static_cast<std::uint64_t>(info.st_size) > maxBytes) return {WholeFileStatus::TooLarge, {}};

    WholeFile whole;
    try {
        whole.bytes.reserve(static_cast<std::size_t>(info.st_size));
        whole.status = readAll(file.fd(), maxBytes, whole.bytes);
    } catch (const std::bad_alloc&) {
        whole.status = WholeFileStatus::Unreadable;
    }
    if (!whole.read()) whole.bytes = std::string();
    return whole;
}

}  // namespace numora
