#pragma once

#include <vector>

#include "draws/CsvImport.h"
#include "draws/DrawMerge.h"
#include "draws/table/TableRows.h"

namespace numora {

// What importing rows into the stored draws would do.
struct TablePreview {
    int read = 0;  // records read: rows and rejects
    ImportCounters counters;
    int rejected = 0;
    std::vector<DrawRecord> stored;  // the draws it would store, in the order they are merged
};

TablePreview previewTableImport(const TableRows& rows, const DrawList& draws, const LotteryProfile& profile);

// Imports the rows as the CSV import does its lines: the info line shows
// "Preparing to Import" and "Reading:%d Draws" for each row, then the draws
// are saved and the summary shown, with "Rejected %d lines." after it when
// lines were rejected.
ImportOutcome importTableRows(const TableRows& rows, DrawList& draws, const LotteryProfile& profile,
                              const DrawSaver& save, ImportObserver& observer);

}  // namespace numora
