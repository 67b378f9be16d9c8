#pragma once

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

// Writes the file; the message names its device path on success.
PicksExportResult save(const DevicePaths& device, std::string_view dataFolder, const std::vector<std::string>& lines);

}  // namespace PicksFile
}  // namespace numora
