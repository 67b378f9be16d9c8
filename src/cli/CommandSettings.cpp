#include "CommandSettings.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "app/AppState.h"
#include "app/DevicePaths.h"
#include "settings/SettingsLocation.h"

namespace numora {

namespace {

constexpr std::string_view kNoHostPath = "the data folder is not a path on the device: ";
constexpr std::string_view kCannotRead = "cannot read the settings file ";
constexpr std::string_view kCannotSave = "cannot save the settings file ";
constexpr std::string_view kNeedsOneLottery = "needs the name of one lottery (quote a name that has spaces)";
constexpr std::string_view kTakesNoWords = "takes no arguments";

}  // namespace

CommandSettings::CommandSettings(CliContext& context, std::string_view command)
    : context_(context), command_(command) {}

CommandSettings::~CommandSettings() { file_.Clear(); }

bool CommandSettings::load() {
    const std::string devicePath = settingsFilePath(context_.state.dataFolder);
    const auto hostPath = context_.device.toHost(devicePath);
    if (!hostPath) {
        commandFailed(context_, command_, std::string(kNoHostPath) + context_.state.dataFolder);
        return false;
    }
    if (file_.Load(*hostPath) || !std::filesystem::exists(*hostPath)) return true;
    commandFailed(context_, command_, std::string(kCannotRead) + hostPath->string());
    return false;
}

bool CommandSettings::reportSave(bool saved) const {
    if (!saved) commandFailed(context_, command_, std::string(kCannotSave) + file_.fileName().string());
    return saved;
}

int commandFailed(CliContext& context, std::string_view command, std::string_view message) {
    context.err << command << ": " << message << '\n';
    return EXIT_FAILURE;
}

std::optional<CliArguments> parseCommandWords(CliContext& context, std::string_view command,
                                              const std::vector<std::string>& words, bool takesLottery,
                                              const std::set<std::string>& valuedOptions,
                                              const std::set<std::string>& flags) {
    std::string error;
    auto arguments = CliArguments::parse(words, valuedOptions, flags, error);
    if (!arguments) {
        commandFailed(context, command, error);
    } else if (arguments->positional().size() != (takesLottery ? 1u : 0u)) {
        commandFailed(context, command, takesLottery ? kNeedsOneLottery : kTakesNoWords);
        arguments.reset();
    }
    return arguments;
}

}  // namespace numora
