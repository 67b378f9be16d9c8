#include "draws/CsvImport.h"

#include <optional>

#include "draws/CsvDrawLine.h"
#include "draws/CsvLineReader.h"
#include "platform/FormatText.h"
#include "platform/LocaleInfo.h"
#include "platform/Utf16.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kComplete[] = "Import Complete";
constexpr char kNoCharacters[] = "Unable to read data\nImport could not read the file format.";
constexpr char kSummaryFormat[] =
    "Imported %d lines into past draw file.\nRecorded %d repeat draw dates.\nSkipped %d lines.";
constexpr char kRejectedFormat[] = "\nRejected %d lines.";
constexpr char kLineReason[] = "line %d: %s";
constexpr char kSaveFailed[] =
    "ERROR 2006:\nUnable to save past draw data!\nFile may be in use or memory may be too low.";

// A line as read shows each byte other than 0 as the character of that code.
std::string shownLine(std::string_view bytes) {
    std::u16string characters;
    for (const char c : bytes) {
        if (c != '\0') characters.push_back(static_cast<unsigned char>(c));
    }
    return fromUtf16(characters);
}

std::optional<char> firstSeparatorCharacter(const std::string& separator) {
    if (separator.empty() || static_cast<unsigned char>(separator.front()) >= 0x80) return std::nullopt;
    return separator.front();
}

struct ReadLine {
    int number = 0;
    std::string_view bytes;           // what the line was read from
    std::optional<CsvDrawLine> draw;  // nullopt: the line is ignored

    bool givesDraw() const { return draw && draw->badDate.empty(); }
};

}  // namespace

ImportOutcome importCsv(std::string_view bytes, DrawList& draws, const CsvImportSetup& setup, const DrawSaver& save,
                        ImportObserver& observer) {
    ImportOutcome outcome;
    observer.showInfo(kImportPreparing);
    const CsvLineRules rules{slotsInPlay(setup.profile),    setup.profile.bonus,
                             setup.locale.shortDateOrder(), firstSeparatorCharacter(setup.locale.dateSeparator()),
                             setup.undatedSeconds,          &setup.time};

    // The whole file is read before anything merges: the draws of a file that
    // runs newest first are merged in another order.
    CsvLineReader reader(bytes);
    std::vector<ReadLine> lines;
    std::vector<std::optional<std::int32_t>> dates;
    for (std::string text; reader.next(text);) {
        const ReadLine& line =
            lines.emplace_back(ReadLine{reader.lineNumber(), reader.pieceBytes(), readCsvDrawLine(text, rules)});
        if (line.givesDraw()) dates.push_back(line.draw->dated ? std::optional(line.draw->record.date) : std::nullopt);
    }
    if (reader.charactersRead() == 0) {
        observer.showInfo(shownLine(lines.front().bytes));
        observer.showMessage(kNoCharacters);
        outcome.status = ImportStatus::EmptyFile;
        return outcome;
    }

    const std::vector<std::size_t> order = mergeOrder(dates);
    std::vector<std::size_t> drawLines;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].givesDraw()) drawLines.push_back(i);
    }
    {
        DrawMerger merger(draws, setup.profile);
        std::size_t drawsMerged = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // The draws take their merge order among the lines that give them.
            const ReadLine& line = lines[lines[i].givesDraw() ? drawLines[order[drawsMerged++]] : i];
            observer.showInfo(shownLine(line.bytes));
            if (!line.draw) continue;
            if (!line.givesDraw()) {
                outcome.rejects.push_back(
                    {line.number, formatText(kLineReason, line.number, line.draw->badDate.c_str())});
                continue;
            }
            if (merger.merge(line.draw->record, line.draw->dated, outcome.counters) && setup.stored) {
                setup.stored(line.draw->record);
            }
            observer.showInfo(formatText(kImportReadingFormat, outcome.counters.imported));
        }
    }
    outcome.status = finishImport(outcome.counters, outcome.rejects.size(), draws, save, observer);
    return outcome;
}

ImportOutcome importUnreadable(const std::string& problem, ImportObserver& observer) {
    observer.showInfo(kImportPreparing);
    observer.showMessage(problem);
    return {ImportStatus::CannotOpen, {}, {}};
}

ImportStatus finishImport(const ImportCounters& counters, std::size_t rejected, const DrawList& draws,
                          const DrawSaver& save, ImportObserver& observer) {
    ImportStatus status = ImportStatus::Completed;
    const std::string tail = rejected > 0 ? formatText(kRejectedFormat, static_cast<int>(rejected)) : std::string();
    std::string closing = formatText(kSummaryFormat, counters.imported, counters.repeats, counters.skipped) + tail;
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
