#pragma once

#include <string>

#include "draws/CsvExport.h"

namespace numora {

class DevicePaths;
class LocalTime;

// The export with dates of a lottery: "\My Documents\<name> Export with Dates.csv".
std::string datedExportDevicePath(const std::string& lotteryName);

// A heading line ("Date,Ball 1,...,Ball 6,Bonus", with "Star 1", "Star 2"
// for the numbers of a second drum), then one line per draw in
// list order: its local date as YYYY-MM-DD, then the numbers the export
// writes, "%2.2d" each; a number below 0 (an empty one), and a bonus of 0
// (none), leave their field empty. UTF-8 (plain ASCII) with line feeds, so the
// table reader restores the draws with their dates in any locale.
std::string datedExportText(const DrawList& draws, const LotteryProfile& profile, const LocalTime& time);

// Writes the export with dates, with the export's messages.
CsvExportResult exportDatedCsv(const DevicePaths& device, const DrawList& draws, const LotteryProfile& profile,
                               const LocalTime& time);

}  // namespace numora
