#include "CommandSettings.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <ostream>

#include "app/AppState.h"
#include "platform/DevicePaths.h"
#include "platform/FileProblem.h"
#include "platform/PrintableText.h"
#include "settings/LotteryStore.h"
#include "settings/SettingsLocation.h"

namespace numora {

namespace {

constexpr std::string_view kUnknownLottery = "no lottery of that name (names are matched exactly): ";
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
    std::error_code error;
    if (file_.Load(*hostPath) || (!std::filesystem::exists(*hostPath, error) && !error)) return true;
    commandFailed(context_, command_,
                  withCauseAfterColon(std::string(kCannotRead) + hostPath->string(), file_.failure()));
    return false;
}

std::optional<LotteryProfile> CommandSettings::lotteryProfile(const std::string& name) {
    const std::vector<std::string> listed = readLotteryList(file_);
    if (file_.section(name) == nullptr && std::ranges::find(listed, name) == listed.end()) {
        commandFailed(context_, command_, std::string(kUnknownLottery) + name);
        return std::nullopt;
    }
    LotteryProfile profile;
    readLotteryProfile(file_, name, profile);
    return profile;
}

bool CommandSettings::reportSave(bool saved) const {
    if (!saved) {
        commandFailed(context_, command_,
                      withCauseAfterColon(std::string(kCannotSave) + file_.fileName().string(), file_.failure()));
    }
    return saved;
}

int commandFailed(CliContext& context, std::string_view command, std::string_view message) {
    context.err << command << ": " << printableText(message) << '\n';
    return EXIT_FAILURE;
}

namespace {

// The words parsed, with from `fewest` to `most` positional words.
std::optional<CliArguments> parseWords(CliContext& context, std::string_view command,
                                       const std::vector<std::string>& words, const std::set<std::string>& valuedOptions,
                                       const std::set<std::string>& flags, std::size_t fewest, std::size_t most) {
    std::string error;
    auto arguments = CliArguments::parse(words, valuedOptions, flags, error);
    if (!arguments) {
        commandFailed(context, command, error);
    } else if (arguments->positional().size() < fewest || arguments->positional().size() > most) {
        commandFailed(context, command, fewest > 0 ? kNeedsOneLottery : kTakesNoWords);
        arguments.reset();
    }
    return arguments;
}

}  // namespace

std::optional<CliArguments> parseCommandWords(CliContext& context, std::string_view command,
                                              const std::vector<std::string>& words, bool takesLottery,
                                              const std::set<std::string>& valuedOptions,
                                              const std::set<std::string>& flags) {
    const std::size_t positional = takesLottery ? 1 : 0;
    return parseWords(context, command, words, valuedOptions, flags, positional, positional);
}

std::optional<CliArguments> parseLotteryAndWords(CliContext& context, std::string_view command,
                                                 const std::vector<std::string>& words,
                                                 const std::set<std::string>& valuedOptions,
                                                 const std::set<std::string>& flags) {
    return parseWords(context, command, words, valuedOptions, flags, 1, words.size());
}

}  // namespace numora
