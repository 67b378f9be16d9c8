#include "GivenLines.h"

#include "CommandSettings.h"
#include "analysis/LineEntry.h"
#include "app/AppState.h"
#include "picking/LineText.h"
#include "picking/PickListText.h"
#include "picking/PicksFile.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kNoPicksFile[] = "no lines given and no picks file %s (export the picks first)";
constexpr char kUnreadablePicksFile[] = "no lines given and the picks file %s cannot be read: %s";
constexpr char kNoPicksInFile[] = "no lines given and the picks file %s holds no picks";

}  // namespace

std::optional<GivenLines> readGivenLines(CliContext& context, std::string_view command,
                                         const std::vector<std::string>& given, const LotteryProfile& profile) {
    GivenLines read;
    std::vector<std::string> texts = given;
    if (texts.empty()) {
        const std::string file = PicksFile::deviceName(context.state.dataFolder);
        const PicksFileLines exported = PicksFile::load(context.device, context.state.dataFolder);
        if (!exported.lines) {
            commandFailed(context, command,
                          exported.missing ? formatText(kNoPicksFile, file.c_str())
                                           : formatText(kUnreadablePicksFile, file.c_str(), exported.cause.c_str()));
            return std::nullopt;
        }
        // A list of welcome lines, or the erased list's line, holds no picks.
        if (!exported.lines->empty() && !showsNoPicks(exported.lines->front())) texts = *exported.lines;
        if (texts.empty()) {
            commandFailed(context, command, formatText(kNoPicksInFile, file.c_str()));
            return std::nullopt;
        }
        read.fromPicksFile = true;
    }
    for (const std::string& text : texts) {
        const LineEntry entry = readLineEntry(text, profile);
        if (!entry.line) {
            commandFailed(context, command, entry.error);
            return std::nullopt;
        }
        read.lines.push_back(*entry.line);
    }
    return read;
}

std::string givenLineText(const PickedLine& line, const LotteryProfile& profile) {
    if (line.bonus != PickedLine::kEmpty) return makeLineText(line, profile);
    LotteryProfile withoutBonus = profile;
    withoutBonus.bonus = 0;
    return makeLineText(line, withoutBonus);
}

}  // namespace numora
