#pragma once

#include <string_view>

#include "CliCommand.h"
#include "settings/LotteryProfile.h"
#include "settings/PickRulesStore.h"

namespace numora {

// A lottery's pick rules as a command finds them: as stored, and as they fit
// the lottery's profile now. Stored rules that cannot be read, and what a
// changed profile no longer allows, are told on standard error; the command
// goes on with what fits.
struct CommandPickRules {
    StoredPickRules stored;
    PickRules fitting;
};

// A pick of the terminal with a new line each Pick makes the lines of the
// window's pick list before it, as many as --lines says, up to this many.
inline constexpr int kMostLinesRebuilt = 10000;

CommandPickRules readCommandPickRules(CliContext& context, std::string_view command, const LotteryProfile& profile);

}  // namespace numora
