#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "ImportCommandParts.h"
#include "LotteryDraws.h"
#include "app/AppState.h"
#include "draws/CsvImport.h"
#include "draws/table/ReaderChoice.h"
#include "draws/table/TableRows.h"
#include "platform/FormatText.h"
#include "platform/LocaleInfo.h"
#include "plays/TicketBook.h"

namespace numora {

namespace {

constexpr std::string_view kNeedsLotteryAndFile = "needs the name of one lottery and one file";
constexpr std::string_view kUnknownReader = "--reader is lenient or table";
constexpr char kLenientReader[] = "lenient";
constexpr char kTableReader[] = "table";
constexpr char kLenientLayout[] = "Reader: lenient: numbers and a date among comma-separated fields, dates read as %s.";
constexpr std::size_t kLotteryAndFile = 2;

// Imports a file's bytes through the lenient reader: names each rejected line
// (on the error stream), then prints the summary (or, on a dry run, the
// reader and what it would store).
int runLenientImport(CliContext& context, LotteryDraws& lottery, std::string_view bytes, bool dryRun) {
    const LotteryProfile& profile = lottery.profile;
    const DrawSaver save = [&](const DrawList& merged) {
        if (dryRun) return DrawFileResult{};
        return DrawFile::save(context.device, context.state.dataFolder, profile.name, merged);
    };
    std::vector<DrawRecord> stored;
    CollectedMessages messages;
    const ImportOutcome outcome = importCsv(bytes, lottery.draws,
                                            {profile, context.locale, context.time, context.state.startSeconds,
                                             [&](const DrawRecord& draw) { stored.push_back(draw); }},
                                            save, messages);
    for (const RejectedLine& reject : outcome.rejects) commandFailed(context, kImportCommandName, reject.reason);
    if (outcome.status == ImportStatus::Completed && dryRun) {
        context.out << formatText(kLenientLayout, dateOrderInWords(context.locale.shortDateOrder())) << '\n';
        printDryRun(context, outcome.counters, static_cast<int>(outcome.rejects.size()), std::move(stored));
        return fileGaveDraws(context, outcome.counters) ? EXIT_SUCCESS : EXIT_FAILURE;
    }
    const int status = reportImportRun(context, outcome.status, messages.texts);
    if (status == EXIT_SUCCESS && !fileGaveDraws(context, outcome.counters)) return EXIT_FAILURE;
    return status;
}

// How the tickets waiting for the imported draws did, after the summary. A
// tickets file that could not be used is told, but the draws were imported.
void tellTicketResults(CliContext& context, const LotteryDraws& lottery) {
    const TicketBook::Checked checked = checkTicketsOnArrival(context.device, context.state.dataFolder,
                                                              lottery.profile, lottery.draws, context.time);
    for (const std::string& text : checked.results) context.out << text << '\n';
    if (!checked.problem.empty()) commandFailed(context, kImportCommandName, checked.problem);
}

}  // namespace

int runImport(CliContext& context, const std::vector<std::string>& words) {
    std::string error;
    const auto arguments = CliArguments::parse(words, {kReaderOption}, {kDryRunFlag}, error);
    if (!arguments) return commandFailed(context, kImportCommandName, error);
    if (arguments->positional().size() != kLotteryAndFile) {
        return commandFailed(context, kImportCommandName, kNeedsLotteryAndFile);
    }
    const std::string file = arguments->positional()[1];
    const auto readerName = arguments->value(kReaderOption);
    if (readerName && *readerName != kLenientReader && *readerName != kTableReader) {
        return commandFailed(context, kImportCommandName, kUnknownReader);
    }
    const bool dryRun = arguments->has(kDryRunFlag);
    auto lottery = loadLotteryDraws(context, kImportCommandName, arguments->positional()[0]);
    if (!lottery) return EXIT_FAILURE;
    // Saving after an import over a damaged file would drop the draws that could not be read.
    if (!lottery->loaded.maySaveOver()) {
        return commandFailed(context, kImportCommandName, lottery->loaded.message);
    }
    std::string problem;
    const auto bytes = readImportFile(file, problem);
    if (!bytes) return commandFailed(context, kImportCommandName, problem);

    std::optional<DrawReader> chosen;
    if (readerName) chosen = *readerName == kTableReader ? DrawReader::Table : DrawReader::Lenient;
    const ImportPlan plan = planImport(*bytes, chosen, lottery->profile, context.locale.shortDateOrder());
    const int status = plan.analysis ? runTableImport(context, *lottery, *plan.analysis, dryRun)
                                     : runLenientImport(context, *lottery, *bytes, dryRun);
    if (status == EXIT_SUCCESS && !dryRun) tellTicketResults(context, *lottery);
    return status;
}

}  // namespace numora
