#include "draws/table/TableMerge.h"

#include "platform/FormatText.h"

namespace numora {

namespace {

std::vector<std::size_t> rowOrder(const TableRows& rows) {
    std::vector<std::optional<std::int32_t>> dates;
    dates.reserve(rows.rows.size());
    for (const TableRow& row : rows.rows) dates.emplace_back(row.draw.date);
    return mergeOrder(dates);
}

}  // namespace

TablePreview previewTableImport(const TableRows& rows, const DrawList& draws, const LotteryProfile& profile) {
    TablePreview preview;
    preview.read = static_cast<int>(rows.rows.size() + rows.rejects.size());
    preview.rejected = static_cast<int>(rows.rejects.size());
    DrawList merged = draws;
    DrawMerger merger(merged, profile);
    for (const std::size_t index : rowOrder(rows)) {
        const DrawRecord& draw = rows.rows[index].draw;
        if (merger.merge(draw, true, preview.counters)) preview.stored.push_back(draw);
    }
    return preview;
}

ImportOutcome importTableRows(const TableRows& rows, DrawList& draws, const LotteryProfile& profile,
                              const DrawSaver& save, ImportObserver& observer) {
    ImportOutcome outcome;
    observer.showInfo(kImportPreparing);
    {
        DrawMerger merger(draws, profile);
        for (const std::size_t index : rowOrder(rows)) {
            merger.merge(rows.rows[index].draw, true, outcome.counters);
            observer.showInfo(formatText(kImportReadingFormat, outcome.counters.imported));
        }
    }
    outcome.rejects = rows.rejects;
    outcome.status = finishImport(outcome.counters, rows.rejects.size(), draws, save, observer);
    return outcome;
}

}  // namespace numora
