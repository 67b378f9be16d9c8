#pragma once

#include <optional>
#include <string_view>

#include "CliCommand.h"
#include "settings/Options.h"

namespace numora {

// The options of the commands that make analysed picks: the forecasting model
// and the pattern and weight switches, each given or kept as stored.
inline constexpr const char* kModelOption = "--model";
inline constexpr const char* kPatternFlag = "--pattern";
inline constexpr const char* kNoPatternFlag = "--no-pattern";
inline constexpr const char* kWeightFlag = "--weight";
inline constexpr const char* kNoWeightFlag = "--no-weight";

// Sets flag from a pair of opposite switches; neither leaves it as it was.
// False, with a message, when both are given.
bool applySwitch(CliContext& context, std::string_view command, const CliArguments& arguments, const char* on,
                 const char* off, bool& flag);

// What becomes of a stored forecasting model that is not 0, 1 or 2 when no
// --model is given: a pick refuses it, naming the stored option and how to
// change it; the options command keeps it, as the Advanced window does.
enum class StoredModelRule { Refuse, Keep };

// The stored options with the words' changes, or nullopt after a message.
std::optional<Options> pickOptionsFromWords(CliContext& context, std::string_view command,
                                            const CliArguments& arguments,
                                            StoredModelRule storedModel = StoredModelRule::Refuse);

// Whether a forecasting model is one of the three.
bool isForecastModel(int model);

}  // namespace numora
