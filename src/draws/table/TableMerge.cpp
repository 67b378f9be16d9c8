#include "draws/table/TableMerge.h"

#include <functional>

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kRejectedFormat[] = "\nRejected %d lines.";

}  // namespace

std::size_t TableMerger::DrawHash::operator()(const DrawRecord& draw) const {
    std::size_t hash = std::hash<std::int32_t>{}(draw.date);
    for (int index = 0; index < DrawRecord::kNumberCount; ++index) {
        hash = hash * 31 + std::hash<std::int32_t>{}(draw.number(index));
    }
    return hash;
}

TableMerger::TableMerger(DrawList& draws, const LotteryProfile& profile)
    : profile_(profile), known_(comparedForms(draws, profile)), merger_(draws, profile) {}

std::unordered_set<DrawRecord, TableMerger::DrawHash> TableMerger::comparedForms(const DrawList& draws,
                                                                                 const LotteryProfile& profile) {
    std::unordered_set<DrawRecord, DrawHash> forms;
    forms.reserve(draws.size());
    for (const DrawRecord& draw : draws) forms.insert(comparedForm(draw, profile));
    return forms;
}

bool TableMerger::merge(const DrawRecord& draw, ImportCounters& counters) {
    const DrawRecord compared = comparedForm(draw, profile_);
    if (known_.count(compared) != 0) {
        ++counters.skipped;
        return false;
    }
    const std::int32_t importedBefore = counters.imported;
    merger_.merge(draw, true, counters);
    if (counters.imported == importedBefore) return false;
    known_.insert(compared);
    return true;
}

TablePreview previewTableImport(const TableRows& rows, const DrawList& draws, const LotteryProfile& profile) {
    TablePreview preview;
    preview.read = static_cast<int>(rows.rows.size() + rows.rejects.size());
    preview.rejected = static_cast<int>(rows.rejects.size());
    DrawList merged = draws;
    TableMerger merger(merged, profile);
    for (const TableRow& row : rows.rows) {
        if (merger.merge(row.draw, preview.counters)) preview.stored.push_back(row.draw);
    }
    return preview;
}

ImportOutcome importTableRows(const TableRows& rows, DrawList& draws, const LotteryProfile& profile,
                              const DrawSaver& save, ImportObserver& observer) {
    ImportOutcome outcome;
    observer.showInfo(kImportPreparing);
    {
        TableMerger merger(draws, profile);
        for (const TableRow& row : rows.rows) {
            merger.merge(row.draw, outcome.counters);
            observer.showInfo(formatText(kImportReadingFormat, outcome.counters.imported));
        }
    }
    const std::string tail =
        rows.rejects.empty() ? std::string() : formatText(kRejectedFormat, static_cast<int>(rows.rejects.size()));
    outcome.status = finishImport(outcome.counters, draws, save, observer, tail);
    return outcome;
}

}  // namespace numora
