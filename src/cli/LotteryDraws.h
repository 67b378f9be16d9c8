#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CliCommand.h"
#include "draws/DrawFile.h"
#include "settings/LotteryProfile.h"

namespace numora {

// A lottery named on the command line: its profile from the settings file and
// its draws from its draw file, with how the draw file read.
struct LotteryDraws {
    LotteryProfile profile;
    DrawList draws;
    DrawFileResult loaded;
};

// nullopt, with a message, when the settings file cannot be read or does not
// hold the lottery, or when its draw file is there but cannot be read. A
// missing draw file gives no draws; a damaged one the draws read before the
// damage.
std::optional<LotteryDraws> loadLotteryDraws(CliContext& context, std::string_view command, const std::string& name);

// The same, but a damaged draw file also gives nullopt and its message: the
// draws before the damage would pass for the whole history.
std::optional<LotteryDraws> loadWholeLotteryDraws(CliContext& context, std::string_view command,
                                                  const std::string& name);

// A draw as the draws command writes it: the date as YYYY-MM-DD, then ball1
// to ball7 and the bonus, comma separated.
std::string drawsLine(const DrawRecord& draw, const LocalTime& time);

}  // namespace numora
