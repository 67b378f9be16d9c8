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

TEST(OptionStore, emptyProfileGivesTheDefaultsAndReadingWritesNothing) {
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
}

TEST(OptionStore, patternAndStyleNeedTrueAtTheStartWhileSoundTakesItAnywhere) {
    InMemoryAppProfile profile;
    StoredValues state;
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

// Keeps the keys in the order they were written.
class KeyOrderProfile final : public AppProfile {
public:
    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const override {
        return values.readText(section, key, fallback);
    }
    int readInt(std::string_view section, std::string_view key, int fallback) const override {
        return values.readInt(section, key, fallback);
    }
    bool writeText(std::string_view section, std::string_view key, std::string_view value) override {
        written.emplace_back(key);
        return values.writeText(section, key, value);
    }
    bool writeInt(std::string_view section, std::string_view key, int value) override {
        written.emplace_back(key);
        return values.writeInt(section, key, value);
    }
    InMemoryAppProfile values;
    std::vector<std::string> written;
};

TEST(OptionStore, saveOptionsWritesSoundsAndNameWhileTheDialogWritesEveryAdvancedKeyInItsOrder) {
    KeyOrderProfile profile;
    StoredValues state;
    state.name = "Daily Plus";
    state.options = Options{0, false, true, false, "\\pick.wav", "\\start.wav"};
    SaveOptions(profile, state.options, state.name);
    EXPECT_EQ(profile.readText("Advanced", "Sound", ""), "FALSE");
    EXPECT_EQ(profile.readText("Advanced", "Wav1", ""), "\\pick.wav");
    EXPECT_EQ(profile.readText("Options", "Name", ""), "Daily Plus");
    EXPECT_EQ(profile.written, (std::vector<std::string>{"Sound", "Wav1", "Wav2", "Name"}));

    profile.written.clear();
    writeAdvancedOptions(profile, state.options);
    EXPECT_EQ(profile.written, (std::vector<std::string>{"Pattern", "Style", "Sound", "Hyper", "Wav1", "Wav2"}));
    EXPECT_EQ(profile.readInt("Advanced", "Hyper", -1), 0);
    EXPECT_EQ(profile.readText("Advanced", "Pattern", "") + " " + profile.readText("Advanced", "Style", ""),
              "FALSE TRUE");
    Options read;
    readAllAdvancedOptions(profile, read);
    EXPECT_EQ(read, state.options);
}

}  // namespace
}  // namespace numora
