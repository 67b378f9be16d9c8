#include "LastDrawsOption.h"

#include "CommandSettings.h"

namespace numora {

namespace {
constexpr std::string_view kNotAPositiveCount = "--last: the number of draws is a whole number from 1 up";
}  // namespace

std::optional<std::size_t> lastDrawsFromWords(CliContext& context, std::string_view command,
                                              const CliArguments& arguments, int fallback) {
    std::string error;
    const auto last = arguments.intValue(kLastOption, fallback, error);
    if (!last) {
        commandFailed(context, command, error);
        return std::nullopt;
    }
    if (*last < 1) {
        commandFailed(context, command, kNotAPositiveCount);
        return std::nullopt;
    }
    return static_cast<std::size_t>(*last);
}

}  // namespace numora
