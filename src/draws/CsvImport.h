#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>

#include "draws/DrawMerge.h"
#include "draws/DrawSaver.h"
#include "settings/LotteryProfile.h"

namespace numora {

class LocaleInfo;
class LocalTime;

// What the import shows while it runs: the info line under the Past Draws
// buttons ("Preparing to Import", each line read, "Reading:%d Draws", "Import
// Complete"; its changes are the progress display) and the message boxes with
// an OK button, in the order they are to be shown.
class ImportObserver {
public:
    virtual ~ImportObserver() = default;
    virtual void showInfo(const std::string& text) = 0;
    virtual void showMessage(const std::string& text) = 0;
};

// What an import run reads besides the file: the lottery's profile, the
// locale (its short-date order and separator are read once, at the start),
// the local-time conversion, and the date of lines without one (the moment
// the program started).
struct CsvImportSetup {
    const LotteryProfile& profile;
    const LocaleInfo& locale;
    const LocalTime& time;
    std::int32_t undatedSeconds = 0;
};

enum class ImportStatus {
    Completed,   // the draws were merged and saved
    CannotOpen,  // the file could not be opened; nothing changed
    EmptyFile,   // the file held no characters; nothing changed or saved
    SaveFailed,  // the draws were merged but could not be saved
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::Completed;
    ImportCounters counters;
};

// Imports a CSV file of past draws into draws, then saves them with save. A
// path that is not a readable regular file of at most 32 MB is not opened:
// the run ends with its message and nothing changes.
// The summary, or the error text that replaces it, is the last message shown.
ImportOutcome importCsvFile(const std::filesystem::path& file, DrawList& draws, const CsvImportSetup& setup,
                            const DrawSaver& save, ImportObserver& observer);

// The same run over an open file.
ImportOutcome importCsv(std::istream& file, DrawList& draws, const CsvImportSetup& setup, const DrawSaver& save,
                        ImportObserver& observer);

}  // namespace numora
