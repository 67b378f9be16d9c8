#pragma once

#include "CliCommand.h"

namespace numora {

// Makes a wheel over a pool of the lottery's numbers and writes its tickets
// and their check.
inline constexpr const char* kWheelCommandName = "wheel";
int runWheel(CliContext& context, const std::vector<std::string>& words);

// The command as the program's list of commands holds it.
CliCommand wheelCommand();

}  // namespace numora
