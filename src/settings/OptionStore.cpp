#include "settings/OptionStore.h"

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

ProfileValue textValue(const TextOptionKey& option, std::string_view value) {
    return {option.section, option.key, value};
}

ProfileValue flagValue(const FlagOptionKey& option, bool value) {
    return {option.section, option.key, value ? kTrueText : kFalseText};
}

void readSoundFiles(const AppProfile& profile, Options& options) {
    options.pickSound = readText(profile, kPickSoundOption);
    options.startSound = readText(profile, kStartSoundOption);
}

}  // namespace

void readAdvancedOptions(const AppProfile& profile, Options& options) {
    readSoundFiles(profile, options);
    options.model = readInt(profile, kForecastModelOption);
    options.pattern = readFlag(profile, kPatternOption);
    options.moreWeightToLessFrequent = readFlag(profile, kStyleOption);
}

void LoadOptions(const AppProfile& profile, Options& options, std::string& dataFolder, std::string& lotteryName) {
    readSoundFiles(profile, options);
    options.model = readInt(profile, kForecastModelOption);
    options.playSounds = readFlag(profile, kSoundOption);
    dataFolder = readText(profile, kDataFolderOption);
    if (toUtf16(dataFolder).size() < kShortestDataFolder) dataFolder = kDefaultDataFolder;
    lotteryName = readText(profile, kLotteryNameOption);
}

bool SaveOptions(AppProfile& profile, const Options& options, std::string_view lotteryName) {
    return profile.writeAll({flagValue(kSoundOption, options.playSounds),
                             textValue(kPickSoundOption, options.pickSound),
                             textValue(kStartSoundOption, options.startSound),
                             textValue(kLotteryNameOption, lotteryName)});
}

void readAllAdvancedOptions(const AppProfile& profile, Options& options) {
    readAdvancedOptions(profile, options);
    options.playSounds = readFlag(profile, kSoundOption);
}

bool writeAdvancedOptions(AppProfile& profile, const Options& options) {
    return profile.writeAll({flagValue(kPatternOption, options.pattern),
                             flagValue(kStyleOption, options.moreWeightToLessFrequent),
                             flagValue(kSoundOption, options.playSounds),
                             {kForecastModelOption.section, kForecastModelOption.key, options.model},
                             textValue(kPickSoundOption, options.pickSound),
                             textValue(kStartSoundOption, options.startSound)});
}

}  // namespace numora
