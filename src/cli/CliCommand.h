#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

class AppProfile;
class DevicePaths;
class LocaleInfo;
class LocalTime;
struct AppState;

// What every command of numora-cli is given: the options and current lottery
// as read at start (AppState), the device, the per-user option store, the
// locale and the clock, and the two output streams.
struct CliContext {
    AppState& state;
    const DevicePaths& device;
    AppProfile& profile;
    const LocaleInfo& locale;
    const LocalTime& time;
    std::ostream& out;
    std::ostream& err;
};

// A command's words after its name, split into positional words, valued
// options ("--balls 6") and flags ("--sort"). Parsing fails with a message for
// an option the command does not know or a valued option without its value.
class CliArguments {
public:
    static std::optional<CliArguments> parse(const std::vector<std::string>& words,
                                             const std::set<std::string>& valuedOptions,
                                             const std::set<std::string>& flags, std::string& error);

    const std::vector<std::string>& positional() const { return positional_; }
    bool has(const std::string& flag) const { return flags_.count(flag) != 0; }
    std::optional<std::string> value(const std::string& option) const;
    // The option as a whole number; an absent option gives fallback, a value
    // that is not a whole number gives nullopt and a message in error.
    std::optional<int> intValue(const std::string& option, int fallback, std::string& error) const;

private:
    std::vector<std::string> positional_;
    std::set<std::string> flags_;
    std::map<std::string, std::string> values_;
};

// A command that writes sets up a missing device root and holds the root's
// lock while it runs; one that only reads refuses a folder that is not a
// device root and takes no lock.
enum class CommandAccess { Reads, Writes };

struct CliCommand {
    const char* name;
    const char* usage;    // "show LOTTERY"
    const char* summary;  // one line for the program's --help
    std::string help;     // the command's --help text after its usage line
    int (*run)(CliContext& context, const std::vector<std::string>& words);
    CommandAccess access;
};

// Every command, in the order the program's --help lists them.
const std::vector<CliCommand>& cliCommands();

}  // namespace numora
