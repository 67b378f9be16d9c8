#include <gtest/gtest.h>

#include "platform/AppProfile.h"
#include "settings/OptionStore.h"

namespace numora {
namespace {

// What the option store fills in besides the Advanced values.
struct StoredValues {
    Options options;
    std::string dataFolder;
    std::string name;
};

TEST(OptionStore, emptyProfileGivesTheDefaultsReadingWritesNothingAndStoredFlagsReadByTheirRules) {
    InMemoryAppProfile profile;
    StoredValues state;
    state.options = Options{0, false, true, false, "x", "y"};
    readAdvancedOptions(profile, state.options);
    LoadOptions(profile, state.options, state.dataFolder, state.name);
    EXPECT_EQ(state.options, (Options{1, true, false, true, "\\Windows\\winner.wav", "\\Windows\\winner.wav"}));
    EXPECT_EQ(state.dataFolder, "\\Program Files\\Numora");
    EXPECT_EQ(state.name, "PBall");
    EXPECT_EQ(profile.contains("Options", "Path") || profile.contains("Advanced", "Sound"), false);

    // A data folder shorter than five characters (UTF-16 code units) gives the default.
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, std::string>>{
             {"\\abc", "\\Program Files\\Numora"}, {"\\\xC3\xA9\xC3\xA9\xC3\xA9", "\\Program Files\\Numora"},
             {"\\abcd", "\\abcd"}}) {
        profile.writeText("Options", "Path", stored);
        LoadOptions(profile, state.options, state.dataFolder, state.name);
        EXPECT_EQ(state.dataFolder, expected) << stored;
    }

    // Pattern and Style need TRUE at the start, while Sound takes it anywhere.
    profile.writeText("Advanced", "Pattern", "NOT TRUE");
    profile.writeText("Advanced", "Style", "TRUEish");
    profile.writeText("Advanced", "Sound", "NOT TRUE");
    readAdvancedOptions(profile, state.options);
    LoadOptions(profile, state.options, state.dataFolder, state.name);
    EXPECT_EQ((std::array{state.options.pattern, state.options.moreWeightToLessFrequent, state.options.playSounds}),
              (std::array{false, true, true}));
    profile.writeText("Advanced", "Sound", "True");
    LoadOptions(profile, state.options, state.dataFolder, state.name);
    EXPECT_EQ(state.options.playSounds, false);
}

TEST(OptionStore, saveOptionsWritesSoundsAndNameWhileTheDialogWritesEveryAdvancedKey) {
    InMemoryAppProfile profile;
    StoredValues state;
    state.name = "Daily Plus";
    state.options = Options{0, false, true, false, "\\pick.wav", "\\start.wav"};
    SaveOptions(profile, state.options, state.name);
    EXPECT_EQ(profile.readText("Advanced", "Sound", "") + " " + profile.readText("Advanced", "Wav1", "") + " " +
                  profile.readText("Advanced", "Wav2", "") + " " + profile.readText("Options", "Name", ""),
              "FALSE \\pick.wav \\start.wav Daily Plus");
    EXPECT_FALSE(profile.contains("Advanced", "Hyper") || profile.contains("Advanced", "Pattern") ||
                 profile.contains("Advanced", "Style"));

    writeAdvancedOptions(profile, state.options);
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 0);
    EXPECT_EQ(profile.readText("Advanced", "Pattern", "") + " " + profile.readText("Advanced", "Style", ""),
              "FALSE TRUE");
    Options read;
    readAllAdvancedOptions(profile, read);
    EXPECT_EQ(read, state.options);
}

}  // namespace
}  // namespace numora
