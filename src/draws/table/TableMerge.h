#pragma once

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "draws/CsvImport.h"
#include "draws/DrawMerge.h"
#include "draws/table/TableRows.h"

namespace numora {

// Merges table rows into draws through the merge walk, counting as every
// import counts. The walk compares a row only with the first stored draw of
// its date; a row equal to any stored draw of its date is skipped here as
// well, so the draws of a date that a file repeats (or that an earlier import
// stored) are not stored twice.
class TableMerger {
public:
    TableMerger(DrawList& draws, const LotteryProfile& profile);

    // Whether the row's draw was stored.
    bool merge(const DrawRecord& draw, ImportCounters& counters);

private:
    struct DrawHash {
        std::size_t operator()(const DrawRecord& draw) const;
    };
    static std::unordered_set<DrawRecord, DrawHash> comparedForms(const DrawList& draws, const LotteryProfile& profile);

    LotteryProfile profile_;
    std::unordered_set<DrawRecord, DrawHash> known_;  // every draw in its compared form
    DrawMerger merger_;
};

// What importing rows into the stored draws would do.
struct TablePreview {
    int read = 0;  // records read: rows and rejects
    ImportCounters counters;
    int rejected = 0;
    std::vector<DrawRecord> stored;  // the draws it would store, in row order
};

TablePreview previewTableImport(const TableRows& rows, const DrawList& draws, const LotteryProfile& profile);

// Imports the rows as the CSV import does its lines: the info line shows
// "Preparing to Import" and "Reading:%d Draws" for each row, then the draws
// are saved and the summary shown, with "Rejected %d lines." after it when
// lines were rejected.
ImportOutcome importTableRows(const TableRows& rows, DrawList& draws, const LotteryProfile& profile,
                              const DrawSaver& save, ImportObserver& observer);

}  // namespace numora
