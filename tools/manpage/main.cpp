// numora_manpage FILE: writes the manual page of numora-cli, made from the
// program's own --help texts, so the page says what the program says.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "CliCommand.h"
#include "CliProgram.h"
#include "NumoraBuild.h"
#include "platform/AppProfile.h"

namespace {

constexpr char kName[] = "numora\\-cli \\- the terminal tool of the Numora lottery number picker";
constexpr std::string_view kUsagePrefix = "usage: ";

std::string helpText(const std::vector<std::string>& words) {
    numora::InMemoryAppProfile profile;
    std::ostringstream out;
    std::ostringstream err;
    numora::runCliProgram(words, profile, out, err);
    return out.str();
}

// Text shown as it stands: backslashes and minus signs kept, no line read as a
// request of the formatter.
std::string verbatim(std::string_view text) {
    std::string page = ".nf\n";
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\'')) page += "\\&";
        if (c == '\\') {
            page += "\\e";
        } else if (c == '-') {
            page += "\\-";
        } else {
            page += c;
        }
        lineStart = c == '\n';
    }
    if (!lineStart) page += '\n';
    return page + ".fi\n";
}

// The usage line leads the text; the rest follows after a blank line.
std::pair<std::string, std::string> splitUsage(const std::string& help) {
    const auto end = help.find('\n');
    std::string usage = help.substr(0, end);
    if (usage.rfind(kUsagePrefix, 0) == 0) usage.erase(0, kUsagePrefix.size());
    std::string rest = end == std::string::npos ? std::string() : help.substr(end + 1);
    while (!rest.empty() && rest.front() == '\n') rest.erase(0, 1);
    return {usage, rest};
}

std::string manualPage() {
    std::string page = std::string(".TH NUMORA\\-CLI 1 \"\" \"numora\\-cli ") + numora::kNumoraVersion +
                       "\" \"User Commands\"\n.SH NAME\n" + kName + "\n";
    const auto [usage, description] = splitUsage(helpText({"--help"}));
    page += ".SH SYNOPSIS\n" + verbatim(usage) + ".SH DESCRIPTION\n" + verbatim(description) + ".SH COMMANDS\n";
    for (const numora::CliCommand& command : numora::cliCommands()) {
        const auto [commandUsage, commandHelp] = splitUsage(helpText({command.name, "--help"}));
        page += ".SS " + std::string(command.name) + "\n" + verbatim(commandUsage) + ".PP\n" + verbatim(commandHelp);
    }
    return page;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: numora_manpage FILE\n";
        return 2;
    }
    std::ofstream file(argv[1], std::ios::binary);
    file << manualPage();
    file.close();
    if (!file) {
        std::cerr << "numora_manpage: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
