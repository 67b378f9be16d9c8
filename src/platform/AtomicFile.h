#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// How a save went: done, or why not, in words that follow a colon ("no space
// left on device", "it is a folder, not a file").
struct FileWriteResult {
    bool ok = true;
    std::string cause;

    explicit operator bool() const { return ok; }
};

// Replaces a file's contents as one step: the bytes go to a temporary file
// beside it, are flushed to disk, the temporary file is renamed over the old
// one, and the folder is flushed so that the new name survives a power cut.
// A save that fails before the rename leaves the old file whole and no
// temporary file behind. Fails also when the folder could not be flushed: the
// new contents are then in place but may not survive a power cut.
//
// - A symbolic link is written through: the file it leads to is replaced,
//   beside itself, and the link stays a link.
// - A replaced file keeps its permissions; a new one gets 0666 less the
//   process's umask (which is left as it is).
// - Something other than a regular file at the path (a folder, a FIFO) is
//   not replaced.
// - The temporary file is named ".<file name>.numora-save-<process>-<6 characters>".
//   One that a killed save left behind is removed by the next save of the same
//   file, once the process that made it has ended.
FileWriteResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
// The same for a file that may have no host path (a device path that would
// leave the device root); without one the save fails with no cause to tell.
FileWriteResult writeFileAtomically(const std::optional<std::filesystem::path>& path, std::string_view bytes);

}  // namespace numora
