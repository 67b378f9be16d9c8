#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace numora {

// Why a file could not be read or written, in words that follow a colon in a
// message: "it is a pipe, not a file", "no space left on device". Messages
// name the file; these words name the cause.

// Something other than a regular file stands at the path.
std::string notAFileCause(std::filesystem::file_type type);
// The same by the mode the system's stat gives for the path.
std::string notAFileCauseOfMode(unsigned int mode);
// A file larger than a reader takes: "it is larger than 16 MB".
std::string tooLargeCause(std::uint64_t largestBytes);
// A failed system call, by its error number: "permission denied".
std::string systemErrorCause(int error);
// The same for a file that was to be written, whose folder a missing path
// names: "its folder does not exist", "a file stands where its folder belongs".
std::string writeErrorCause(int error);

// A message of the program followed by its cause on a line of its own, in
// brackets; the message alone when there is no cause. Texts the program keeps
// as they always were gain their cause this way.
std::string withCause(std::string_view message, std::string_view cause);
// A one-line message and its cause: "cannot read X: it is a pipe, not a file".
std::string withCauseAfterColon(std::string_view message, std::string_view cause);

}  // namespace numora
