#include "LotteryDraws.h"

#include "CommandSettings.h"
#include "app/AppState.h"

namespace numora {

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

}  // namespace numora
