#pragma once

#include <string_view>

#include "CliCommand.h"
#include "settings/Options.h"

namespace numora {

// The words that change the prediction engine's options, shared by the
// commands that take them.
inline constexpr const char* kModelOption = "--model";
inline constexpr const char* kPatternFlag = "--pattern";
inline constexpr const char* kNoPatternFlag = "--no-pattern";
inline constexpr const char* kWeightFlag = "--weight";
inline constexpr const char* kNoWeightFlag = "--no-weight";

// Sets flag from a pair of opposite switches; neither leaves it as it was.
// False, with a message, when both are given.
bool applySwitch(CliContext& context, std::string_view command, const CliArguments& arguments, const char* on,
                 const char* off, bool& flag);

// Applies --model, --pattern/--no-pattern and --weight/--no-weight to the
// options. False, with a message, for a model other than 0, 1 or 2 or two
// opposite switches.
bool applyEngineWords(CliContext& context, std::string_view command, const CliArguments& arguments, Options& options);

}  // namespace numora
