#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "draws/CsvExport.h"
#include "draws/DatedExport.h"

namespace numora {

namespace {

constexpr const char* kWithDatesFlag = "--with-dates";

}  // namespace

int runExport(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kExportCommandName, words, true, {}, {kWithDatesFlag});
    if (!arguments) return EXIT_FAILURE;
    const auto lottery = loadLotteryDraws(context, kExportCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;
    // An export of a damaged file's first draws would pass for the whole history.
    if (lottery->loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kExportCommandName, lottery->loaded.message);
    }
    const CsvExportResult exported =
        arguments->has(kWithDatesFlag) ? exportDatedCsv(context.device, lottery->draws, lottery->profile, context.time)
                                       : exportCsv(context.device, lottery->draws, lottery->profile);
    if (!exported.ok) return commandFailed(context, kExportCommandName, exported.message);
    context.out << exported.hostFile.string() << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
