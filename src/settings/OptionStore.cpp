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

bool writeText(AppProfile& profile, const TextOptionKey& option, std::string_view value) {
    return profile.writeText(option.section, option.key, value);
}

bool writeFlag(AppProfile& profile, const FlagOptionKey& option, bool value) {
    return profile.writeText(option.section, option.key, value ? kTrueText : kFalseText);
}

void readSoundFiles(const AppProfile& profile, Options& options) {
    options.pickSound = readText(profile, kPickSoundOption);
    options.startSound = readText(profile, kStartSoundOption);
}

bool writeSoundFiles(AppProfile& profile, const Options& options) {
    return writeText(profile, kPickSoundOption, options.pickSound) &&
           writeText(profile, kStartSoundOption, options.startSound);
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
    return writeFlag(profile, kSoundOption, options.playSounds) && writeSoundFiles(profile, options) &&
           writeText(profile, kLotteryNameOption, lotteryName);
}

void readAllAdvancedOptions(const AppProfile& profile, Options& options) {
    readAdvancedOptions(profile, options);
    options.playSounds = readFlag(profile, kSoundOption);
}

bool writeAdvancedOptions(AppProfile& profile, const Options& options) {
    return writeFlag(profile, kPatternOption, options.pattern) &&
           writeFlag(profile, kStyleOption, options.moreWeightToLessFrequent) &&
           writeFlag(profile, kSoundOption, options.playSounds) &&
           profile.writeInt(kForecastModelOption.section, kForecastModelOption.key, options.model) &&
           writeSoundFiles(profile, options);
}

}  // namespace numora
