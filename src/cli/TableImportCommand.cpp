#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "ImportCommandParts.h"
#include "app/AppState.h"
#include "draws/table/LayoutWords.h"
#include "draws/table/TableAnalysis.h"
#include "draws/table/TableMerge.h"
#include "platform/FormatText.h"
#include "platform/LocaleInfo.h"

namespace numora {

namespace {

constexpr char kNoDraw[] = "the file gives no draw for this lottery";
constexpr char kDryRunCounts[] = "To import: %d, to skip: %d, repeat dates: %d, rejected: %d";

}  // namespace

void printDryRun(CliContext& context, const ImportCounters& counters, int rejected, std::vector<DrawRecord> stored) {
    context.out << formatText(kDryRunCounts, counters.imported, counters.skipped, counters.repeats, rejected) << '\n';
    std::stable_sort(stored.begin(), stored.end(), [](const DrawRecord& a, const DrawRecord& b) {
        return static_cast<std::uint32_t>(a.date) < static_cast<std::uint32_t>(b.date);
    });
    for (const DrawRecord& draw : stored) context.out << drawsLine(draw, context.time) << '\n';
}

int reportImportRun(CliContext& context, ImportStatus status, const std::vector<std::string>& messages) {
    if (status == ImportStatus::Completed) {
        for (const std::string& text : messages) context.out << text << '\n';
        return EXIT_SUCCESS;
    }
    for (const std::string& text : messages) commandFailed(context, kImportCommandName, text);
    return EXIT_FAILURE;
}

bool fileGaveDraws(CliContext& context, const ImportCounters& counters) {
    if (counters.imported + counters.skipped > 0) return true;
    commandFailed(context, kImportCommandName, kNoDraw);
    return false;
}

int runTableImport(CliContext& context, LotteryDraws& lottery, const TableAnalysis& analysis, bool dryRun) {
    const LotteryProfile& profile = lottery.profile;
    if (!analysis.layout) return commandFailed(context, kImportCommandName, analysis.problem);

    for (const std::string& line : layoutInWords(analysis, *analysis.layout)) context.out << line << '\n';
    const TableRows rows = readTableRows(analysis.records, *analysis.layout, profile, context.time);
    for (const RejectedLine& reject : rows.rejects) commandFailed(context, kImportCommandName, reject.reason);
    if (rows.rows.empty()) return commandFailed(context, kImportCommandName, kNoDraw);

    if (dryRun) {
        TablePreview preview = previewTableImport(rows, lottery.draws, profile);
        printDryRun(context, preview.counters, preview.rejected, std::move(preview.stored));
        return EXIT_SUCCESS;
    }
    const DrawSaver save = [&](const DrawList& merged) {
        return DrawFile::save(context.device, context.state.dataFolder, profile.name, merged);
    };
    CollectedMessages messages;
    const ImportOutcome outcome = importTableRows(rows, lottery.draws, profile, save, messages);
    return reportImportRun(context, outcome.status, messages.texts);
}

}  // namespace numora
