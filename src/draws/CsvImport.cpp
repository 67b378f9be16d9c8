#include "draws/CsvImport.h"

#include <optional>
#include <sstream>

#include "draws/CsvDrawLine.h"
#include "draws/CsvLineReader.h"
#include "platform/FormatText.h"
#include "platform/LocaleInfo.h"
#include "platform/Utf16.h"
#include "platform/WholeFile.h"

namespace numora {

namespace {

constexpr char kComplete[] = "Import Complete";
constexpr char kNoCharacters[] = "Unable to read data\nImport could not read the file format.";
constexpr char kSummaryFormat[] =
    "Imported %d lines into past draw file.\nRecorded %d repeat draw dates.\nSkipped %d lines.";
constexpr char kSaveFailed[] =
    "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low.";

// A line as read shows each byte as the character of that code.
std::string shownLine(const std::string& line) {
    std::u16string characters;
    for (const char c : line) characters.push_back(static_cast<unsigned char>(c));
    return fromUtf16(characters);
}

std::optional<char> firstSeparatorCharacter(const std::string& separator) {
    if (separator.empty() || static_cast<unsigned char>(separator.front()) >= 0x80) return std::nullopt;
    return separator.front();
}

// The run over a file, or without one (file is null) after the given message.
ImportOutcome runImport(std::istream* file, const char* cannotOpen, DrawList& draws, const CsvImportSetup& setup,
                        const DrawSaver& save, ImportObserver& observer) {
    ImportOutcome outcome;
    observer.showInfo(kImportPreparing);
    const CsvLineRules rules{setup.profile.balls,           setup.profile.bonus,
                             setup.locale.shortDateOrder(), firstSeparatorCharacter(setup.locale.dateSeparator()),
                             setup.undatedSeconds,          &setup.time};
    if (!file) {
        observer.showMessage(cannotOpen);
        outcome.status = ImportStatus::CannotOpen;
        return outcome;
    }

    CsvLineReader reader(*file);
    {
        DrawMerger merger(draws, setup.profile);
        std::string line;
        while (reader.next(line)) {
            observer.showInfo(shownLine(line));
            const auto drawLine = readCsvDrawLine(line, rules);
            if (!drawLine) continue;
            const std::int32_t importedBefore = outcome.counters.imported;
            merger.merge(drawLine->record, drawLine->dated, outcome.counters);
            if (setup.stored && outcome.counters.imported != importedBefore) setup.stored(drawLine->record);
            observer.showInfo(formatText(kImportReadingFormat, outcome.counters.imported));
        }
    }
    if (reader.charactersRead() == 0) {
        observer.showMessage(kNoCharacters);
        outcome.status = ImportStatus::EmptyFile;
        return outcome;
    }

    outcome.status = finishImport(outcome.counters, draws, save, observer);
    return outcome;
}

}  // namespace

ImportOutcome importCsvFile(const std::filesystem::path& file, DrawList& draws, const CsvImportSetup& setup,
                            const DrawSaver& save, ImportObserver& observer) {
    WholeFile read = readWholeFile(file, kImportLargestFile);
    if (!read.read()) {
        const char* message = read.status == WholeFileStatus::TooLarge ? kImportTooLarge : kImportCannotOpen;
        return runImport(nullptr, message, draws, setup, save, observer);
    }
    std::istringstream in(std::move(read.bytes));
    return runImport(&in, nullptr, draws, setup, save, observer);
}

ImportOutcome importCsv(std::istream& file, DrawList& draws, const CsvImportSetup& setup, const DrawSaver& save,
                        ImportObserver& observer) {
    return runImport(file ? &file : nullptr, kImportCannotOpen, draws, setup, save, observer);
}

ImportStatus finishImport(const ImportCounters& counters, const DrawList& draws, const DrawSaver& save,
                          ImportObserver& observer, const std::string& summaryTail) {
    ImportStatus status = ImportStatus::Completed;
    std::string closing =
        formatText(kSummaryFormat, counters.imported, counters.repeats, counters.skipped) + summaryTail;
    const DrawFileResult saved = save(draws);
    if (!saved.ok()) {
        if (!saved.message.empty()) observer.showMessage(saved.message);
        closing = kSaveFailed;
        status = ImportStatus::SaveFailed;
    }
    observer.showMessage(closing);
    observer.showInfo(kComplete);
    return status;
}

}  // namespace numora
