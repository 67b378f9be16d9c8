#include <gtest/gtest.h>

#include "settings/LotteryStore.h"
#include "settings/SettingsFile.h"
#include "support/ScratchFolder.h"

namespace numora {
namespace {

using testing::ScratchFolder;

// A store named after a file in a scratch folder, holding the listed names.
class LotteryStoreTest : public ::testing::Test {
protected:
    void list(const std::vector<std::string>& names) {
        for (std::size_t i = 0; i < names.size(); ++i) {
            settings.SetString("LotteryList", "Game" + std::to_string(i), names[i]);
        }
    }
    std::string value(std::string_view section, std::string_view key) const {
        std::string text = "<absent>";
        settings.GetString(section, key, text);
        return text;
    }
    std::vector<std::string> keysOf(std::string_view section) const {
        const SettingsSection* found = settings.section(section);
        return found ? found->keys() : std::vector<std::string>{};
    }

    ScratchFolder folder;
    std::filesystem::path file = folder / "Numora.ini";
    SettingsFile settings;
    void SetUp() override { settings.Load(file); }
};

TEST_F(LotteryStoreTest, listSkipsEmptyEntriesAndEndsAtTheFirstMissingIndex) {
    list({"Daily", "", "Lotto", "Keno"});
    settings.SetString("LotteryList", "Game5", "Hidden");
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Lotto", "Keno"}));
}

TEST_F(LotteryStoreTest, profileReadKeepsMissingNumbersAndClearsMissingFlags) {
    settings.SetString("Lotto", "Min", "0");
    settings.SetString("Lotto", "Max", "36");
    settings.SetString("Lotto", "Repeat", "Oh Yes!");
    settings.SetString("Lotto", "Sort", "yes");
    settings.SetString("Lotto", "PowerBall", "Yes");

    LotteryProfile profile{"Previous", 7, 1, 49, 20, true, true, true, true};
    readLotteryProfile(settings, "Lotto", profile);
    EXPECT_EQ(profile, (LotteryProfile{"Lotto", 7, 0, 36, 20, true, false, true, false}));

    readLotteryProfile(settings, "lotto", profile);
    EXPECT_EQ(profile, (LotteryProfile{"lotto", 7, 0, 36, 20, false, false, false, false}));
}

TEST_F(LotteryStoreTest, profileWriteGivesTheEightKeysInOrderAndRewritesThemInPlace) {
    settings.SetString("Lotto", "Sort", "Yes");
    settings.SetString("Lotto", "Note", "kept");
    EXPECT_TRUE(writeLotteryProfile(settings, LotteryProfile{"Lotto", 5, 0, 35, 0, true, false, false, true}));
    EXPECT_EQ(keysOf("Lotto"),
              (std::vector<std::string>{"Sort", "Note", "Balls", "Min", "Max", "Bonus", "Repeat", "PowerBall",
                                        "ShowBonus"}));

    EXPECT_TRUE(writeLotteryProfile(settings, LotteryProfile{"Daily", 3, 0, 9, 0, false, true, false, false}));
    EXPECT_EQ(keysOf("Daily"), (std::vector<std::string>{"Balls", "Min", "Max", "Bonus", "Repeat", "Sort",
                                                          "PowerBall", "ShowBonus"}));
    SettingsFile reloaded;
    ASSERT_TRUE(reloaded.Load(file));
    EXPECT_EQ(reloaded.serialize(), settings.serialize());
    LotteryProfile daily;
    readLotteryProfile(reloaded, "Daily", daily);
    EXPECT_EQ(daily, (LotteryProfile{"Daily", 3, 0, 9, 0, false, true, false, false}));
    reloaded.Clear();
}

TEST_F(LotteryStoreTest, newNameTakesTheLowestMissingOrEmptyIndex) {
    list({"A", "B", "C"});
    EXPECT_EQ(addLotteryName(settings, "D"), 3);
    EXPECT_EQ(value("LotteryList", "Game3"), "D");
    settings.SetString("LotteryList", "Game1", "");
    EXPECT_EQ(addLotteryName(settings, "E"), 1);
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"A", "E", "C", "D"}));
}

TEST_F(LotteryStoreTest, savingANameListedInOtherCapitalsAddsNoEntryButItsOwnSection) {
    list({"Daily", "Lotto"});
    EXPECT_TRUE(saveLottery(settings, LotteryProfile{"DAILY", 3, 0, 9, 0}));
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Lotto"}));
    EXPECT_EQ(value("DAILY", "Max"), "9");
    EXPECT_EQ(settings.section("Daily"), nullptr);

    EXPECT_TRUE(saveLottery(settings, LotteryProfile{"Keno", 7, 1, 80, 0}));
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Lotto", "Keno"}));
}

TEST_F(LotteryStoreTest, deletingALotteryMovesTheLaterEntriesDownSoNoneIsHidden) {
    list({"A", "B", "C", "D"});
    for (const char* name : {"A", "B", "C", "D"}) settings.SetString(name, "Balls", "6");

    const LotteryDeletion deletion = deleteLottery(settings, "B");
    EXPECT_TRUE(deletion.listed);
    EXPECT_TRUE(deletion.sectionDeleted);
    EXPECT_TRUE(deletion.saved);
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"A", "C", "D"}));
    EXPECT_EQ(keysOf("LotteryList"), (std::vector<std::string>{"Game0", "Game1", "Game2"}));
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"LotteryList", "A", "C", "D"}));

    SettingsFile reloaded;
    ASSERT_TRUE(reloaded.Load(file));
    EXPECT_EQ(readLotteryList(reloaded), (std::vector<std::string>{"A", "C", "D"}));
    reloaded.Clear();

    // The last entry, and a listed lottery without a section.
    settings.Delete("D");
    EXPECT_EQ(deleteLottery(settings, "D").sectionDeleted, false);
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"A", "C"}));
}

TEST_F(LotteryStoreTest, deletingANameNotListedExactlyChangesNothing) {
    list({"Daily", "Lotto"});
    settings.SetString("daily", "Balls", "3");
    const std::string before = settings.serialize();
    const LotteryDeletion deletion = deleteLottery(settings, "daily");
    EXPECT_FALSE(deletion.listed);
    EXPECT_FALSE(deletion.sectionDeleted);
    EXPECT_FALSE(deletion.saved);
    EXPECT_EQ(settings.serialize(), before);
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(LotteryList, findPrefersAnEqualNameOverALongerOneThatBeginsWithIt) {
    const std::vector<std::string> items{"Daily Plus", "Daily", "Lotto"};
    EXPECT_EQ(findLotteryInList(items, "Daily"), 1u);
    EXPECT_EQ(findLotteryInList(items, "dAILY"), 1u);
    EXPECT_EQ(findLotteryInList({"DAILY", "Daily"}, "Daily"), 1u);
    EXPECT_EQ(findLotteryInList({"DAILY", "Daily"}, "daily"), 0u);
}

TEST(LotteryList, findByPrefixLooksFromTheSecondItemAndThenAtTheFirst) {
    EXPECT_EQ(findLotteryInList({"Daily 3", "Daily 4", "Lotto"}, "dai"), 1u);
    EXPECT_EQ(findLotteryInList({"Daily 3", "Lotto", "Keno"}, "DAI"), 0u);
    EXPECT_EQ(findLotteryInList({"Daily 3", "Lotto"}, "Mega"), std::nullopt);
    EXPECT_EQ(findLotteryInList({}, "Mega"), std::nullopt);
    EXPECT_EQ(findLotteryInList({"Only"}, "On"), 0u);
}

TEST(LotteryName, acceptsOrdinaryNamesUpToTwentyCharacters) {
    for (const char* name : {"Lotto 649", "Euro-Jackpot (FR)", "Loter\xC3\xAD" "a", "A", "12345678901234567890",
                             "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                             "Con Fuoco", "Mega.Millions", "[Bracket", "a=b;c"}) {
        EXPECT_EQ(lotteryNameProblem(name), std::nullopt) << name;
    }
}

TEST(LotteryName, refusesNamesThatCannotBeASectionAndAFileNameWithTheReason) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "A lottery name cannot be empty."},
        {"123456789012345678901", "A lottery name can have at most 20 characters."},
        {"a/b", "A lottery name cannot contain the character \"/\"."},
        {"a\\b", "A lottery name cannot contain the character \"\\\"."},
        {"Lotto]", "A lottery name cannot contain the character \"]\"."},
        {"Pick?", "A lottery name cannot contain the character \"?\"."},
        {"C:", "A lottery name cannot contain the character \":\"."},
        {"a*b", "A lottery name cannot contain the character \"*\"."},
        {"a\"b", "A lottery name cannot contain the character \"\"\"."},
        {"a<b>", "A lottery name cannot contain the character \"<\"."},
        {"a|b", "A lottery name cannot contain the character \"|\"."},
        {"..", "A lottery name cannot contain \"..\"."},
        {"x..y", "A lottery name cannot contain \"..\"."},
        {"Tab\there", "A lottery name cannot contain control characters."},
        {"Line\nend", "A lottery name cannot contain control characters."},
        {" Lotto", "A lottery name cannot begin or end with a space."},
        {"Lotto ", "A lottery name cannot begin or end with a space."},
        {"Lotto.", "A lottery name cannot end with a dot."},
        {"con", "A lottery name cannot be a device name such as CON, NUL, COM1 or LPT1."},
        {"Lpt1.old", "A lottery name cannot be a device name such as CON, NUL, COM1 or LPT1."},
        {"Caf\xE9", "A lottery name must be UTF-8 text."},
    };
    for (const auto& [name, reason] : cases) {
        EXPECT_EQ(lotteryNameProblem(name), reason) << name;
    }
}

}  // namespace
}  // namespace numora
