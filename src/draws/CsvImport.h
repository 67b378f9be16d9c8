#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/DrawMerge.h"
#include "draws/DrawSaver.h"
#include "draws/RejectedLine.h"
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
    // Told of each draw the merge stores, when set (a dry run lists them).
    std::function<void(const DrawRecord&)> stored = {};
};

// Texts that every import run shows, whichever reader reads the file.
inline constexpr char kImportPreparing[] = "Preparing to Import";
inline constexpr char kImportReadingFormat[] = "Reading:%d Draws";
inline constexpr char kImportCannotOpen[] = "Error 201, CSV file read error\nUnable to open.";
inline constexpr char kImportTooLarge[] = "Error 201, CSV file read error\nThe file is larger than 32 MB.";
// A list of draws is far smaller; a larger file is taken for something else.
// Cut into 50-character pieces, a file of this size gives fewer draws than a
// draw file holds.
inline constexpr std::uint64_t kImportLargestFile = std::uint64_t{32} << 20;

enum class ImportStatus {
    Completed,   // the draws were merged and saved
    CannotOpen,  // the file could not be read; nothing changed
    EmptyFile,   // the file held no characters; nothing changed or saved
    SaveFailed,  // the draws were merged but could not be saved
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::Completed;
    ImportCounters counters;
    std::vector<RejectedLine> rejects;  // lines whose date no draw can have
};

// Imports the bytes of a CSV file of past draws into draws, then saves them
// with save. The summary, or the error text that replaces it, is the last
// message shown; lines that give no draw for their date are counted after it
// ("Rejected %d lines.").
ImportOutcome importCsv(std::string_view bytes, DrawList& draws, const CsvImportSetup& setup, const DrawSaver& save,
                        ImportObserver& observer);

// The run of an import whose file could not be read: "Preparing to Import",
// then why (the text of the file's reader); nothing changes.
ImportOutcome importUnreadable(const std::string& problem, ImportObserver& observer);

// The end of every import run once its lines are merged: saves the draws and
// shows the summary, with "Rejected %d lines." after it when lines were
// rejected, or, when the save fails, the save's own message and then the
// "ERROR 2006" text; then "Import Complete". Returns Completed or SaveFailed.
ImportStatus finishImport(const ImportCounters& counters, std::size_t rejected, const DrawList& draws,
                          const DrawSaver& save, ImportObserver& observer);

}  // namespace numora
