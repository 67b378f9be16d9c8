#include "LotteryDraws.h"

#include "CommandSettings.h"
#include "app/AppState.h"
#include "draws/IsoDateText.h"
#include "platform/FormatText.h"

namespace numora {

namespace {

// After the date: ball1 to ball7 and the bonus.
constexpr char kDrawNumbersFormat[] = ",%d,%d,%d,%d,%d,%d,%d,%d";

}  // namespace

std::optional<LotteryDraws> loadLotteryDraws(CliContext& context, std::string_view command, const std::string& name) {
    CommandSettings settings(context, command);
    if (!settings.load()) return std::nullopt;
    const auto profile = settings.lotteryProfile(name);
    if (!profile) return std::nullopt;
    LotteryDraws lottery{*profile, {}, {}};
    lottery.loaded = DrawFile::load(context.device, context.state.dataFolder, profile->name, lottery.draws);
    if (lottery.loaded.status == DrawFileResult::Status::Unreadable) {
        commandFailed(context, command, lottery.loaded.message);
        return std::nullopt;
    }
    return lottery;
}

std::optional<LotteryDraws> loadWholeLotteryDraws(CliContext& context, std::string_view command,
                                                  const std::string& name) {
    auto lottery = loadLotteryDraws(context, command, name);
    if (lottery && lottery->loaded.status == DrawFileResult::Status::Damaged) {
        commandFailed(context, command, lottery->loaded.message);
        return std::nullopt;
    }
    return lottery;
}

std::string drawsLine(const DrawRecord& draw, const LocalTime& time) {
    return isoDateText(draw.date, time) + formatText(kDrawNumbersFormat, draw.ball1, draw.ball2, draw.ball3,
                                                     draw.ball4, draw.ball5, draw.ball6, draw.ball7, draw.bonus);
}

}  // namespace numora
