#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "app/AppState.h"
#include "draws/DrawFile.h"
#include "draws/DrawStats.h"

namespace numora {

namespace {

constexpr char kFrequencyLineFormat[] = "%2.2d %2.2d";
constexpr char kRecordsLineFormat[] = "Records %d";

template <typename... Numbers>
std::string line(const char* format, Numbers... numbers) {
    char text[48];
    std::snprintf(text, sizeof text, format, numbers...);
    return text;
}

}  // namespace

int runStats(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kStatsCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    CommandSettings settings(context, kStatsCommandName);
    if (!settings.load()) return EXIT_FAILURE;
    const auto profile = settings.lotteryProfile(arguments->positional().front());
    if (!profile) return EXIT_FAILURE;

    DrawList draws;
    const DrawFileResult loaded = DrawFile::load(context.device, context.state.dataFolder, profile->name, draws);
    // Without a draw file there are no rows, as the Draw Stats window shows it.
    if (loaded.status != DrawFileResult::Status::CannotOpen) {
        for (const NumberFrequency& row : countDrawNumbers(draws, *profile).rows) {
            context.out << line(kFrequencyLineFormat, row.number, row.count) << '\n';
        }
    }
    context.out << line(kRecordsLineFormat, static_cast<int>(draws.size())) << '\n';
    if (loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kStatsCommandName, loaded.message);
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
