#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace numora {

// How reading a whole file went.
enum class WholeFileStatus {
    Read,        // bytes holds the whole file
    Missing,     // nothing is at the path (a link that leads nowhere included)
    NotAFile,    // a folder, FIFO, device or socket stands at the path
    TooLarge,    // the file holds more than the reader takes
    Unreadable,  // the file is there but could not be opened or read
};

struct WholeFile {
    WholeFileStatus status = WholeFileStatus::Missing;
    std::string bytes;
    // Why the file was not read, in words that follow a colon ("it is a
    // folder, not a file"); empty when it was.
    std::string cause;

    bool read() const { return status == WholeFileStatus::Read; }
};

// Reads a regular file whole, following symbolic links. What stands at the
// path is looked at before it is opened, and it is opened without waiting, so
// a FIFO or a device in a file's place never stalls the program. A file of
// more than maxBytes is refused before anything is allocated for it, and so is
// one that grows past maxBytes while it is read.
WholeFile readWholeFile(const std::filesystem::path& path, std::uint64_t maxBytes);

}  // namespace numora
