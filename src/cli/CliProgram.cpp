#include "CliProgram.h"

#include <algorithm>
#include <optional>
#include <ostream>

#include "CliCommand.h"
#include "NumoraBuild.h"
#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "platform/DevicePaths.h"
#include "app/StartUp.h"
#include "platform/LocalTime.h"
#include "qt/DeviceRoot.h"
#include "qt/QSettingsAppProfile.h"
#include "qt/QtLocaleInfo.h"

namespace numora {

namespace {

constexpr char kProgramUsage[] = "usage: numora-cli [--root DIR] COMMAND [ARGUMENTS]";
constexpr char kProgramHelp[] =
    "Numora's terminal tool. It works on the same lotteries, draws and options as numora.\n"
    "\n"
    "  --root DIR   the device root: the folder that holds Numora's device files\n"
    "               (default: the user's application data folder)\n"
    "  --help       this text; COMMAND --help tells of one command\n"
    "  --version    the version of numora-cli\n"
    "\n"
    "Commands:\n";

void printProgramHelp(std::ostream& out) {
    out << kProgramUsage << "\n\n" << kProgramHelp;
    for (const CliCommand& command : cliCommands()) {
        out << "  " << command.usage << "\n      " << command.summary << "\n";
    }
}

const CliCommand* findCommand(const std::string& name) {
    const auto& commands = cliCommands();
    const auto found = std::find_if(commands.begin(), commands.end(),
                                    [&](const CliCommand& command) { return name == command.name; });
    return found == commands.end() ? nullptr : &*found;
}

bool wantsHelp(const std::vector<std::string>& words) {
    return std::any_of(words.begin(), words.end(), [](const std::string& word) { return word == "--help"; });
}

}  // namespace

int runCliProgram(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    QSettingsAppProfile profile;
    return runCliProgram(words, profile, out, err);
}

int runCliProgram(const std::vector<std::string>& words, AppProfile& profile, std::ostream& out, std::ostream& err) {
    std::optional<std::filesystem::path> root;
    std::size_t next = 0;
    for (; next < words.size() && words[next].rfind("--", 0) == 0; ++next) {
        if (words[next] == "--help") {
            printProgramHelp(out);
            return 0;
        }
        if (words[next] == "--version") {
            out << "numora-cli " << kNumoraVersion << "\n";
            return 0;
        }
        if (words[next] != "--root") {
            err << "numora-cli: unknown option " << words[next] << "\n" << kProgramUsage << "\n";
            return 2;
        }
        if (++next == words.size()) {
            err << "numora-cli: --root needs a folder\n";
            return 2;
        }
        root = words[next];
    }
    if (next == words.size()) {
        err << kProgramUsage << "\n(numora-cli --help lists the commands)\n";
        return 2;
    }
    const CliCommand* command = findCommand(words[next]);
    if (command == nullptr) {
        err << "numora-cli: no command named \"" << words[next] << "\" (numora-cli --help lists them)\n";
        return 2;
    }
    const std::vector<std::string> commandWords(words.begin() + static_cast<std::ptrdiff_t>(next) + 1, words.end());
    if (wantsHelp(commandWords)) {
        out << "usage: numora-cli [--root DIR] " << command->usage << "\n\n" << command->help << "\n";
        return 0;
    }

    const DevicePaths device(root.value_or(defaultDeviceRoot()));
    const SystemLocalTime time;
    const QtLocaleInfo locale;
    AppState state;
    loadStartValues(state, profile, time);
    createDeviceFolders(device, state.dataFolder);
    CliContext context{state, device, profile, locale, time, out, err};
    return command->run(context, commandWords);
}

}  // namespace numora
