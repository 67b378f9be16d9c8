#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/LotteryProfile.h"

namespace numora {

// Numbers and ranges of the lottery's numbers separated by commas: "1-12",
// "3,7,9-15". The numbers, ascending, each once; nullopt, with the reason in
// error, for text that is not such a list or a number the lottery does not
// have.
std::optional<std::vector<int>> readNumberSpec(std::string_view text, const LotteryProfile& lottery,
                                               std::string& error);

}  // namespace numora
