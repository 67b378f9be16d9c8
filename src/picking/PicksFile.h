#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

class DevicePaths;

// The outcome of an export: the program's message for the user, a report on
// success and an error on failure.
struct PicksExportResult {
    bool ok = false;
    std::string message;
};

// The lines of the last export, or why there are none to read.
struct PicksFileLines {
    std::optional<std::vector<std::string>> lines;  // nullopt when the file was not read
    bool missing = false;                            // there is no picks file at all
    std::string cause;                               // why it was not read, in words that follow a colon
};

// The picks file "<data folder>\LottoExport.txt", replaced at every export:
//
//   "Your lucky lotto numbers for this draw!" CR LF
//   each pick-list line, top to bottom, CR LF
//
// One byte per character (the low 8 bits of its UTF-16 code unit), no mark.
namespace PicksFile {

inline constexpr char kFileName[] = "LottoExport.txt";
inline constexpr char kHeading[] = "Your lucky lotto numbers for this draw!";
inline constexpr char kLineEnd[] = "\r\n";
inline constexpr char kErrorCannotOpen[] = "ERROR 1003! Unable to open Export File";
inline constexpr char kExported[] =
    "Your Predicted numbers have been exported to\r %s on your Pocket PC., \rGOOD LUCK!";

// The device path of the picks file.
std::string deviceName(std::string_view dataFolder);

std::string encode(const std::vector<std::string>& lines);
// The lines an export wrote, without the heading; a line may end with CR LF
// or LF alone, and the last one with nothing.
std::vector<std::string> decode(std::string_view bytes);

// Writes the file; the message names its device path on success.
PicksExportResult save(const DevicePaths& device, std::string_view dataFolder, const std::vector<std::string>& lines);
// The lines of the last export; none when there is no file, or when what
// stands there is not a regular file of at most 16 MB.
PicksFileLines load(const DevicePaths& device, std::string_view dataFolder);

}  // namespace PicksFile
}  // namespace numora
