#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CliCommand.h"
#include "picking/PickedLine.h"
#include "settings/LotteryProfile.h"

namespace numora {

// The lines a command works on: those given on the command line, or else the
// picks of the exported picks file.
struct GivenLines {
    std::vector<PickedLine> lines;
    bool fromPicksFile = false;
};

// Each line is written as the pick list writes it or as numbers separated by
// spaces or commas (the number past the lottery's balls the bonus). nullopt
// after a message when there are no picks to fall back on or a line is not a
// line of the lottery.
std::optional<GivenLines> readGivenLines(CliContext& context, std::string_view command,
                                         const std::vector<std::string>& given, const LotteryProfile& profile);

// A line as the pick list writes it; a typed line without a bonus shows none.
std::string givenLineText(const PickedLine& line, const LotteryProfile& profile);

}  // namespace numora
