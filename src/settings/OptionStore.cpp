#include "settings/OptionStore.h"

#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "platform/Utf16.h"
#include "settings/OptionKeys.h"

namespace numora {

namespace {

std::string readText(const AppProfile& profile, const TextOptionKey& option) {
    return profile.readText(option.section, option.key, option.fallback);
}

int readInt(const AppProfile& profile, const IntOptionKey& option) {
    return profile.readInt(option.section, option.key, option.fallback);
}

bool readFlag(const AppProfile& profile, const FlagOptionKey& option) {
    const std::string text =
        profile.readText(option.section, option.key, option.fallback ? kTrueText : kFalseText);
    if (option.reading == FlagReading::BeginsWithTrue) return text.starts_with(kTrueText);
    return text.find(kTrueText) != std::string::npos;
}

void writeText(AppProfile& profile, const TextOptionKey& option, std::string_view value) {
    profile.writeText(option.section, option.key, value);
}

void writeFlag(AppProfile& profile, const FlagOptionKey& option, bool value) {
    profile.writeText(option.section, option.key, value ? kTrueText : kFalseText);
}

void readSoundFiles(const AppProfile& profile, Options& options) {
    options.pickSound = readText(profile, kPickSoundOption);
    options.startSound = readText(profile, kStartSoundOption);
}

void writeSoundOptions(AppProfile& profile, const Options& options) {
    writeFlag(profile, kSoundOption, options.playSounds);
    writeText(profile, kPickSoundOption, options.pickSound);
    writeText(profile, kStartSoundOption, options.startSound);
}

}  // namespace

void readAdvancedOptions(const AppProfile& profile, AppState& state) {
    readSoundFiles(profile, state.options);
    state.options.model = readInt(profile, kForecastModelOption);
    state.options.pattern = readFlag(profile, kPatternOption);
    state.options.moreWeightToLessFrequent = readFlag(profile, kStyleOption);
}

void LoadOptions(const AppProfile& profile, AppState& state) {
    readSoundFiles(profile, state.options);
    state.options.model = readInt(profile, kForecastModelOption);
    state.options.playSounds = readFlag(profile, kSoundOption);
    state.dataFolder = readText(profile, kDataFolderOption);
    if (toUtf16(state.dataFolder).size() < kShortestDataFolder) state.dataFolder = kDefaultDataFolder;
    state.current.name = readText(profile, kLotteryNameOption);
}

void SaveOptions(AppProfile& profile, const AppState& state) {
    writeSoundOptions(profile, state.options);
    writeText(profile, kLotteryNameOption, state.current.name);
}

void writeAdvancedOptions(AppProfile& profile, const AppState& state) {
    profile.writeInt(kForecastModelOption.section, kForecastModelOption.key, state.options.model);
    writeFlag(profile, kPatternOption, state.options.pattern);
    writeFlag(profile, kStyleOption, state.options.moreWeightToLessFrequent);
    writeSoundOptions(profile, state.options);
}

}  // namespace numora
