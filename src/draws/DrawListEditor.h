#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draws/CsvImport.h"
#include "draws/DrawSaver.h"
#include "draws/table/TableRows.h"

namespace numora {

// The draws of the Past Draws window and what it does to them: add at the
// end (and save), insert before a position, remove, import a CSV file, and
// the question asked on closing. The question comes whenever the draws were
// changed since they were last filled from the draw file or saved, so an
// Insert followed by a Delete is not lost without a word.
class DrawListEditor {
public:
    explicit DrawListEditor(DrawSaver save);

    const DrawList& draws() const { return draws_; }
    // The draws as just read from the draw file: nothing to save. After a
    // load that did not read the file whole (see DrawFileResult::maySaveOver)
    // nothing is saved over it: every save fails with the load's message.
    void fill(DrawList draws, const DrawFileResult& loaded = {});

    // Appends and saves; the texts to show when the save failed (the draw
    // file's own message first), none when it succeeded.
    std::vector<std::string> add(const DrawRecord& draw);
    // Inserts so that the draw takes position (appends past the end); not saved.
    void insertBefore(std::size_t position, const DrawRecord& draw);
    // Removes the draw at position, if there is one; not saved.
    void remove(std::size_t position);
    // Runs the CSV import of a file's bytes on these draws; it saves them itself.
    ImportOutcome importCsv(std::string_view bytes, const CsvImportSetup& setup, ImportObserver& observer);
    // Merges the rows a table file gave and saves, as the CSV import does.
    ImportOutcome importTable(const TableRows& rows, const LotteryProfile& profile, ImportObserver& observer);

    // The Yes/No question to ask when the window closes, if any.
    std::optional<std::string> closeQuestion() const;
    // The answer Yes: saves; the draw file's failure message, empty on success.
    std::string saveOnClose();

private:
    DrawFileResult saveToFile();
    // What an import run leaves to save: nothing after a saved run, the draws
    // after a run whose save failed.
    ImportOutcome imported(const ImportOutcome& outcome);
    bool saveDraws(std::string& failure);

    DrawSaver save_;
    DrawFileResult loaded_;
    DrawList draws_;
    bool changed_ = false;
};

}  // namespace numora
