#include <gtest/gtest.h>

#include "app/AppState.h"
#include "platform/AppProfile.h"
#include "settings/OptionStore.h"

namespace numora {
namespace {

TEST(OptionStore, emptyProfileGivesTheDefaultsAndReadingWritesNothing) {
    InMemoryAppProfile profile;
    AppState state;
    state.options = Options{0, false, true, false, "x", "y"};
    readAdvancedOptions(profile, state);
    LoadOptions(profile, state);
    EXPECT_EQ(state.options, Options{});
    EXPECT_EQ(state.options.model, 1);
    EXPECT_TRUE(state.options.pattern);
    EXPECT_FALSE(state.options.moreWeightToLessFrequent);
    EXPECT_TRUE(state.options.playSounds);
    EXPECT_EQ(state.options.pickSound, "\\Windows\\winner.wav");
    EXPECT_EQ(state.options.startSound, "\\Windows\\winner.wav");
    EXPECT_EQ(state.dataFolder, "\\Program Files\\Numora");
    EXPECT_EQ(state.current.name, "PBall");
    EXPECT_FALSE(profile.contains("Options", "Path"));
    EXPECT_FALSE(profile.contains("Advanced", "Sound"));
}

TEST(OptionStore, dataFolderShorterThanFiveCharactersGivesTheDefault) {
    InMemoryAppProfile profile;
    AppState state;
    for (const auto& [stored, expected] : std::vector<std::pair<std::string, std::string>>{
             {"\\abc", "\\Program Files\\Numora"},
             {"", "\\Program Files\\Numora"},
             {"\\\xC3\xA9\xC3\xA9\xC3\xA9", "\\Program Files\\Numora"},
             {"\\abcd", "\\abcd"},
             {"\\Storage Card\\Numora", "\\Storage Card\\Numora"}}) {
        profile.writeText("Options", "Path", stored);
        LoadOptions(profile, state);
        EXPECT_EQ(state.dataFolder, expected) << stored;
    }
}

TEST(OptionStore, patternAndStyleNeedTrueAtTheStartWhileSoundTakesItAnywhere) {
    InMemoryAppProfile profile;
    AppState state;
    profile.writeText("Advanced", "Pattern", "NOT TRUE");
    profile.writeText("Advanced", "Style", "TRUEish");
    profile.writeText("Advanced", "Sound", "NOT TRUE");
    readAdvancedOptions(profile, state);
    LoadOptions(profile, state);
    EXPECT_FALSE(state.options.pattern);
    EXPECT_TRUE(state.options.moreWeightToLessFrequent);
    EXPECT_TRUE(state.options.playSounds);

    profile.writeText("Advanced", "Style", "true");
    profile.writeText("Advanced", "Sound", "True");
    readAdvancedOptions(profile, state);
    LoadOptions(profile, state);
    EXPECT_FALSE(state.options.moreWeightToLessFrequent);
    EXPECT_FALSE(state.options.playSounds);
}

TEST(OptionStore, saveOptionsWritesSoundFilesAndCurrentNameOnly) {
    InMemoryAppProfile profile;
    AppState state;
    state.current.name = "Daily Plus";
    state.options = Options{2, false, true, false, "\\My Documents\\pick.wav", "\\start.wav"};
    state.dataFolder = "\\Elsewhere";
    SaveOptions(profile, state);
    EXPECT_EQ(profile.readText("Advanced", "Sound", ""), "FALSE");
    EXPECT_EQ(profile.readText("Advanced", "Wav1", ""), "\\My Documents\\pick.wav");
    EXPECT_EQ(profile.readText("Advanced", "Wav2", ""), "\\start.wav");
    EXPECT_EQ(profile.readText("Options", "Name", ""), "Daily Plus");
    for (const auto& [section, key] : {std::pair{"Options", "Path"}, {"Advanced", "Hyper"},
                                       {"Advanced", "Pattern"}, {"Advanced", "Style"}}) {
        EXPECT_FALSE(profile.contains(section, key)) << key;
    }
}

TEST(OptionStore, advancedOptionsWrittenAreReadBackExactly) {
    InMemoryAppProfile profile;
    AppState written;
    written.options = Options{0, false, true, true, "\\a.wav", "\\b.wav"};
    writeAdvancedOptions(profile, written);
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 0);
    EXPECT_EQ(profile.readText("Advanced", "Pattern", ""), "FALSE");
    EXPECT_EQ(profile.readText("Advanced", "Style", ""), "TRUE");
    EXPECT_EQ(profile.readText("Advanced", "Sound", ""), "TRUE");

    AppState read;
    readAdvancedOptions(profile, read);
    LoadOptions(profile, read);
    EXPECT_EQ(read.options, written.options);
}

}  // namespace
}  // namespace numora
