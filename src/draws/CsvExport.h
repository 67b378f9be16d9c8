#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "draws/DrawList.h"
#include "settings/LotteryProfile.h"

namespace numora {

class DevicePaths;

// The export file of a lottery: "\My Documents\<name> Export.csv" on the device.
std::string csvExportDevicePath(const std::string& lotteryName);

// How many ball slots an export line holds: balls 1 to 3, and balls 4 to 7 as
// far as the lottery draws them, its second drum's numbers included.
int exportedBalls(const LotteryProfile& profile);

// One line per draw in list order: balls 1 to 3, balls 4 to 7 as far as the
// lottery draws them (a second drum's numbers after its balls), the bonus when
// the lottery has one, each "%2.2d" and separated by commas, ended by a line
// feed alone. No heading, no date.
std::string csvExportText(const DrawList& draws, const LotteryProfile& profile);

// The file's bytes: the text as UTF-16LE code units, without a byte-order mark.
std::string csvExportBytes(const DrawList& draws, const LotteryProfile& profile);

struct CsvExportResult {
    bool ok = false;
    std::string message;             // the text to show with an OK button
    std::filesystem::path hostFile;  // where the file was written
};

// Writes the export file of the lottery named in profile, creating the
// "\My Documents" folder when it is missing.
CsvExportResult exportCsv(const DevicePaths& device, const DrawList& draws, const LotteryProfile& profile);

// A file of the export folder: "\My Documents\<fileName>".
std::string exportFolderFile(const std::string& fileName);

// Writes bytes to a file of the export folder as the export does, with the
// export's messages ("Export Complete!..." or the "Error 208" text).
CsvExportResult writeExportFile(const DevicePaths& device, const std::string& deviceFile, std::string_view bytes);

}  // namespace numora
