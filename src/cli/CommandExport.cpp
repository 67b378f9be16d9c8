#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "app/AppState.h"
#include "draws/CsvExport.h"
#include "draws/DrawFile.h"

namespace numora {

int runExport(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kExportCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    CommandSettings settings(context, kExportCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto profile = settings.lotteryProfile(arguments->positional().front());
    if (!profile) return EXIT_FAILURE;

    DrawList draws;
    const DrawFileResult loaded = DrawFile::load(context.device, context.state.dataFolder, profile->name, draws);
    // An export of a damaged file's first draws would pass for the whole history.
    if (loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kExportCommandName, loaded.message);
    }
    const CsvExportResult exported = exportCsv(context.device, draws, *profile);
    if (!exported.ok) return commandFailed(context, kExportCommandName, exported.message);
    context.out << exported.hostFile.string() << '\n';
    return EXIT_SUCCESS;
}

}  // namespace numora
