#include "PickOptionWords.h"

#include "CommandSettings.h"
#include "app/AppState.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr int kHighestModel = static_cast<int>(ForecastModel::MonteCarlo);
constexpr std::string_view kUnknownModel = "--model: the forecasting model is 0, 1 or 2";
constexpr char kStoredModelRefused[] =
    "the forecasting model stored as %s=%d is not 0, 1 or 2: give --model, or store one with "
    "numora-cli options --model N";
constexpr std::string_view kOppositeFlags = " cannot be used together";

}  // namespace

bool applySwitch(CliContext& context, std::string_view command, const CliArguments& arguments, const char* on,
                 const char* off, bool& flag) {
    if (arguments.has(on) && arguments.has(off)) {
        commandFailed(context, command, std::string(on) + " and " + off + std::string(kOppositeFlags));
        return false;
    }
    if (arguments.has(on)) flag = true;
    if (arguments.has(off)) flag = false;
    return true;
}

bool isForecastModel(int model) { return model >= 0 && model <= kHighestModel; }

std::optional<Options> pickOptionsFromWords(CliContext& context, std::string_view command,
                                            const CliArguments& arguments, StoredModelRule storedModel) {
    Options options = context.state.options;
    std::string error;
    const auto model = arguments.intValue(kModelOption, options.model, error);
    const bool given = arguments.value(kModelOption).has_value();
    if (model && !isForecastModel(*model)) {
        if (given) {
            error = kUnknownModel;
        } else if (storedModel == StoredModelRule::Refuse) {
            error = formatText(kStoredModelRefused, std::string(kForecastModelOption.key).c_str(), *model);
        }
    }
    if (!error.empty()) {
        commandFailed(context, command, error);
        return std::nullopt;
    }
    options.model = *model;
    if (!applySwitch(context, command, arguments, kPatternFlag, kNoPatternFlag, options.pattern) ||
        !applySwitch(context, command, arguments, kWeightFlag, kNoWeightFlag, options.moreWeightToLessFrequent)) {
        return std::nullopt;
    }
    return options;
}

}  // namespace numora
