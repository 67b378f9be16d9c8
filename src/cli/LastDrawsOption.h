#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "CliCommand.h"

namespace numora {

// "--last N": how many of a lottery's last draws a command looks at.
inline constexpr const char* kLastOption = "--last";

// The option's count, or fallback when it is not given; nullopt after a
// message unless it is a whole number from 1 up.
std::optional<std::size_t> lastDrawsFromWords(CliContext& context, std::string_view command,
                                              const CliArguments& arguments, int fallback);

}  // namespace numora
