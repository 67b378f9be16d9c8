#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "draws/DrawStats.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kFrequencyLineFormat[] = "%2.2d %2.2d";
constexpr char kRecordsLineFormat[] = "Records %d";
// Before the rows of a second drum's numbers.
constexpr char kSecondDrumLine[] = "Second drum";

void writeRows(std::ostream& out, const std::vector<NumberFrequency>& rows) {
    for (const NumberFrequency& row : rows) out << formatText(kFrequencyLineFormat, row.number, row.count) << '\n';
}

}  // namespace

int runStats(CliContext& context, const std::vector<std::string>& words) {
    const auto arguments = parseCommandWords(context, kStatsCommandName, words, true);
    if (!arguments) return EXIT_FAILURE;
    const auto lottery = loadLotteryDraws(context, kStatsCommandName, arguments->positional().front());
    if (!lottery) return EXIT_FAILURE;

    // Without a draw file there are no rows, as the Draw Stats window shows it.
    if (lottery->loaded.status != DrawFileResult::Status::Missing) {
        const DrawStatistics statistics = countDrawNumbers(lottery->draws, lottery->profile);
        writeRows(context.out, statistics.rows);
        if (!statistics.secondDrum.empty()) {
            context.out << kSecondDrumLine << '\n';
            writeRows(context.out, statistics.secondDrum);
        }
    }
    context.out << formatText(kRecordsLineFormat, static_cast<int>(lottery->draws.size())) << '\n';
    if (lottery->loaded.status == DrawFileResult::Status::Damaged) {
        return commandFailed(context, kStatsCommandName, lottery->loaded.message);
    }
    return EXIT_SUCCESS;
}

}  // namespace numora
