#include "CliProgram.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <ostream>
#include <variant>

#include "CliCommand.h"
#include "NumoraBuild.h"
#include "app/AppState.h"
#include "app/DeviceInstall.h"
#include "app/StartUp.h"
#include "platform/DeviceLock.h"
#include "platform/DevicePaths.h"
#include "platform/FormatText.h"
#include "platform/LocalTime.h"
#include "platform/PrintableText.h"
#include "settings/OptionStore.h"
#include "qt/DeviceRoot.h"
#include "qt/QtLocaleInfo.h"

namespace numora {

namespace {

constexpr char kProgramName[] = "numora-cli";
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
constexpr char kNotADeviceRoot[] =
    "numora-cli: %s is not a Numora device root: it has no folder %s (numora, or a command that writes, sets "
    "one up)";

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

// What the program's words ask for: a device root and a command with its words.
struct ProgramCall {
    std::filesystem::path root;
    const CliCommand* command = nullptr;
    std::vector<std::string> words;
};

// The call the words make, or the exit status when they are answered (help)
// or refused with a message.
std::variant<ProgramCall, int> readProgramWords(const std::vector<std::string>& words, std::ostream& out,
                                                std::ostream& err) {
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
    std::vector<std::string> commandWords(words.begin() + static_cast<std::ptrdiff_t>(next) + 1, words.end());
    if (wantsHelp(commandWords)) {
        out << "usage: numora-cli [--root DIR] " << command->usage << "\n\n" << command->help << "\n";
        return 0;
    }
    return ProgramCall{root.value_or(defaultDeviceRoot()), command, std::move(commandWords)};
}

// Runs a command on its device: a command that only reads needs a device
// root; one that writes sets one up and holds its lock while it runs.
int runCall(const ProgramCall& call, AppProfile& profile, std::ostream& out, std::ostream& err) {
    // A store that cannot be used is told of, and the command goes on with the defaults.
    if (const std::string failure = profile.failure(); !failure.empty()) {
        err << kProgramName << ": " << printableText(formatText(kOptionsUnusableFormat, failure.c_str())) << "\n";
    }
    const DevicePaths device(call.root);
    const SystemLocalTime time;
    const QtLocaleInfo locale;
    AppState state;
    loadStartValues(state, profile, time);
    std::optional<DeviceLock> lock;
    if (call.command->access == CommandAccess::Reads) {
        if (!isDeviceRoot(device, state.dataFolder)) {
            err << formatText(kNotADeviceRoot, call.root.c_str(), state.dataFolder.c_str()) << "\n";
            return EXIT_FAILURE;
        }
    } else {
        createDeviceFolders(device, state.dataFolder);
        lock = DeviceLock::take(device, state.dataFolder, std::string(kProgramName) + " " + call.command->name);
        if (lock->refused()) {
            err << call.command->name << ": " << lock->message() << "\n";
            return EXIT_FAILURE;
        }
    }
    CliContext context{state, device, profile, locale, time, out, err};
    return call.command->run(context, call.words);
}

}  // namespace

int runCliProgram(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const auto read = readProgramWords(words, out, err);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const ProgramCall& call = std::get<ProgramCall>(read);
    const std::unique_ptr<AppProfile> profile = openOptionStore(DevicePaths(call.root));
    return runCall(call, *profile, out, err);
}

int runCliProgram(const std::vector<std::string>& words, AppProfile& profile, std::ostream& out, std::ostream& err) {
    const auto read = readProgramWords(words, out, err);
    if (const int* status = std::get_if<int>(&read)) return *status;
    return runCall(std::get<ProgramCall>(read), profile, out, err);
}

}  // namespace numora
