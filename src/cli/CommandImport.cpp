#include <cstdlib>
#include <ostream>

#include "CommandSettings.h"
#include "Commands.h"
#include "LotteryDraws.h"
#include "app/AppState.h"
#include "draws/CsvImport.h"

namespace numora {

namespace {

constexpr std::string_view kNeedsLotteryAndFile = "needs the name of one lottery and one file";
constexpr std::size_t kLotteryAndFile = 2;

// The terminal has no info line; the messages are printed once the run ends.
class CollectedMessages final : public ImportObserver {
public:
    void showInfo(const std::string&) override {}
    void showMessage(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

}  // namespace

int runImport(CliContext& context, const std::vector<std::string>& words) {
    std::string error;
    const auto arguments = CliArguments::parse(words, {}, {}, error);
    if (!arguments) return commandFailed(context, kImportCommandName, error);
    if (arguments->positional().size() != kLotteryAndFile) {
        return commandFailed(context, kImportCommandName, kNeedsLotteryAndFile);
    }
    auto lottery = loadLotteryDraws(context, kImportCommandName, arguments->positional()[0]);
    if (!lottery) return EXIT_FAILURE;
    // Saving after an import over a damaged file would drop the draws that could not be read.
    if (!lottery->loaded.maySaveOver()) {
        return commandFailed(context, kImportCommandName, lottery->loaded.message);
    }

    const LotteryProfile& profile = lottery->profile;
    const DrawSaver save = [&](const DrawList& merged) {
        return DrawFile::save(context.device, context.state.dataFolder, profile.name, merged);
    };
    CollectedMessages messages;
    const ImportOutcome outcome =
        importCsvFile(arguments->positional()[1], lottery->draws,
                      {profile, context.locale, context.time, context.state.startSeconds}, save, messages);
    if (outcome.status == ImportStatus::Completed) {
        for (const std::string& text : messages.texts) context.out << text << '\n';
        return EXIT_SUCCESS;
    }
    for (const std::string& text : messages.texts) commandFailed(context, kImportCommandName, text);
    return EXIT_FAILURE;
}

}  // namespace numora
