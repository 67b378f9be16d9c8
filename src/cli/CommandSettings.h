#pragma once

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "CliCommand.h"
#include "settings/LotteryProfile.h"
#include "settings/SettingsFile.h"

namespace numora {

// The settings file of the data folder ("Numora.ini") as one command uses it:
// loaded when the command asks, written only by the command's own saves, never
// when the command ends, so a command that only reads leaves the file as it was.
class CommandSettings {
public:
    CommandSettings(CliContext& context, std::string_view command);
    ~CommandSettings();
    CommandSettings(const CommandSettings&) = delete;
    CommandSettings& operator=(const CommandSettings&) = delete;

    // Loads the file; a missing file gives an empty store (the first save
    // creates it). False, with a message, when the data folder has no host
    // path or the file exists but cannot be read.
    bool load();
    SettingsFile& file() { return file_; }
    // The profile of a lottery that the loaded file holds (listed, or with a
    // section of its own), matched exactly; keys its section lacks give the
    // built-in values. nullopt, with a message, for a lottery it does not hold.
    std::optional<LotteryProfile> lotteryProfile(const std::string& name);
    // Passes a save's result on, with a message when it failed.
    bool reportSave(bool saved) const;

private:
    CliContext& context_;
    std::string_view command_;
    SettingsFile file_;
};

// Writes "command: message" to the error stream, control characters escaped
// (a message may quote a file); returns the failure status.
int commandFailed(CliContext& context, std::string_view command, std::string_view message);

// A command's words parsed with its options; the command takes exactly one
// positional word (the lottery's name) when takesLottery, none otherwise.
// nullopt, with a message, when the words do not fit.
std::optional<CliArguments> parseCommandWords(CliContext& context, std::string_view command,
                                              const std::vector<std::string>& words, bool takesLottery,
                                              const std::set<std::string>& valuedOptions = {},
                                              const std::set<std::string>& flags = {});
// The same for a command that takes the lottery's name first and then any
// number of further positional words.
std::optional<CliArguments> parseLotteryAndWords(CliContext& context, std::string_view command,
                                                 const std::vector<std::string>& words,
                                                 const std::set<std::string>& valuedOptions,
                                                 const std::set<std::string>& flags);

}  // namespace numora
