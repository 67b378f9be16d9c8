#include <gtest/gtest.h>

#include "settings/LotteryStore.h"
#include "settings/ProfileFields.h"
#include "settings/SettingsFile.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::utf16WithMark;

// A store read from a settings file in a scratch folder.
class LotteryStore : public ::testing::Test {
protected:
    void load(std::u16string_view text) {
        testing::writeBytes(file, utf16WithMark(text));
        settings.Load(file);
    }
    testing::ScratchFolder folder;
    std::filesystem::path file = folder / "Numora.ini";
    SettingsFile settings;
};

TEST_F(LotteryStore, listSkipsEmptyEntriesAndEndsAtTheFirstMissingIndex) {
    load(u"[LotteryList]\r\nGame0=Daily\r\nGame1=\r\nGame2=Lotto\r\nGame4=Hidden\r\n");
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Lotto"}));
    EXPECT_EQ(addLotteryName(settings, "Keno"), 1);
    EXPECT_EQ(addLotteryName(settings, "Pick"), 3);
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Keno", "Lotto", "Pick", "Hidden"}));
}

TEST_F(LotteryStore, profileReadKeepsMissingNumbersAndClearsMissingFlags) {
    load(u"[Lotto]\r\nMin=0\r\nMax=36\r\nRepeat=Oh Yes!\r\nSort=yes\r\nPowerBall=Yes\r\n");
    LotteryProfile profile{"Previous", 7, 1, 49, 20, true, true, true, true};
    readLotteryProfile(settings, "Lotto", profile);
    EXPECT_EQ(profile, (LotteryProfile{"Lotto", 7, 0, 36, 20, true, false, true, false}));
    readLotteryProfile(settings, "lotto", profile);
    EXPECT_EQ(profile, (LotteryProfile{"lotto", 7, 0, 36, 20, false, false, false, false}));
}

TEST_F(LotteryStore, savingWritesTheEightKeysInOrderRefusesBothBonusKindsAndANameListedInOtherCapitalsChangesTheListedLottery) {
    load(u"[LotteryList]\r\nGame0=Daily\r\n[Daily]\r\nSort=Yes\r\nNote=kept\r\n");
    const auto saved = [&](const LotteryProfile& profile) {
        const LotterySave save = saveLottery(settings, profile);
        return save.name + (save.saved ? " saved" : " not saved");
    };
    EXPECT_EQ(saved(LotteryProfile{"DAILY", 5, 0, 35, 0, true, false, false, true}), "Daily saved");
    EXPECT_EQ(saved(LotteryProfile{"Keno", 7, 1, 80, 0, false, true}), "Keno saved");
    EXPECT_EQ(testing::readBytes(file),
              utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Daily\r\nGame1=Keno\r\n"
                            u"\r\n[Daily]\r\nSort=No\r\nNote=kept\r\nBalls=5\r\nMin=0\r\nMax=35\r\nBonus=0\r\n"
                            u"Repeat=Yes\r\nPowerBall=No\r\nShowBonus=Yes\r\n"
                            u"\r\n[Keno]\r\nBalls=7\r\nMin=1\r\nMax=80\r\nBonus=0\r\nRepeat=No\r\nSort=Yes\r\n"
                            u"PowerBall=No\r\nShowBonus=No\r\n"));

    // A lottery shows a PowerBall or a bonus number, never both.
    const std::string before = settings.serialize();
    EXPECT_EQ(saveLottery(settings, LotteryProfile{"Keno", 7, 1, 80, 9, false, true, true, true}).refusal,
              kPowerBallWithShowBonus);
    EXPECT_EQ(settings.serialize(), before);

    // Two entries that differ only in capitals: the one spelled exactly wins.
    addLotteryName(settings, "KENO");
    EXPECT_EQ(saved(LotteryProfile{"KENO", 3, 0, 9, 0}), "KENO saved");
    EXPECT_EQ(saved(LotteryProfile{"keno", 4, 0, 9, 0}), "Keno saved");
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"Daily", "Keno", "KENO"}));
}

TEST_F(LotteryStore, aSecondDrumIsWrittenAfterTheEightKeysReadBackAndRemovedWithTheDrum) {
    load(u"[LotteryList]\r\nGame0=Lotto\r\n[Lotto]\r\nBalls=6\r\nNote=kept\r\n");
    LotteryProfile euro{"EuroMillions", 5, 1, 50, 0, false, true, false, false, 2, 1, 12};
    EXPECT_TRUE(saveLottery(settings, euro).saved);
    LotteryProfile lotto{"Lotto", 6, 1, 49, 0, false, true, false, false, 1, 0, 9};
    EXPECT_TRUE(saveLottery(settings, lotto).saved);
    EXPECT_EQ(testing::readBytes(file),
              utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Lotto\r\nGame1=EuroMillions\r\n"
                            u"\r\n[Lotto]\r\nBalls=6\r\nNote=kept\r\nMin=1\r\nMax=49\r\nBonus=0\r\nRepeat=No\r\n"
                            u"Sort=Yes\r\nPowerBall=No\r\nShowBonus=No\r\nDrum2=1\r\nDrum2Min=0\r\nDrum2Max=9\r\n"
                            u"\r\n[EuroMillions]\r\nBalls=5\r\nMin=1\r\nMax=50\r\nBonus=0\r\nRepeat=No\r\n"
                            u"Sort=Yes\r\nPowerBall=No\r\nShowBonus=No\r\nDrum2=2\r\nDrum2Min=1\r\nDrum2Max=12\r\n"));

    // Read back; a lottery without the keys has no second drum, whatever was read before it.
    LotteryProfile read;
    readLotteryProfile(settings, "EuroMillions", read);
    EXPECT_EQ(read, euro);

    // Saved without its drum, a lottery loses the keys and is written as before drums existed.
    lotto.drum2 = 0;
    EXPECT_TRUE(saveLottery(settings, lotto).saved);
    std::string value;
    for (const char* key : {"Drum2", "Drum2Min", "Drum2Max"}) EXPECT_FALSE(settings.GetString("Lotto", key, value));
    EXPECT_TRUE(settings.GetString("EuroMillions", "Drum2", value));
    load(u"[Euro]\r\nBalls=5\r\nDrum2=2\r\nDrum2Max=10\r\n[Plain]\r\nMax=39\r\n");
    readLotteryProfile(settings, "Euro", read);
    EXPECT_EQ(std::tuple(read.drum2, read.drum2Min, read.drum2Max), std::tuple(2, 1, 10));
    readLotteryProfile(settings, "Plain", read);
    EXPECT_EQ(read, (LotteryProfile{"Plain", 5, 1, 39, 0}));

}

TEST_F(LotteryStore, aSecondDrumThatDoesNotFitIsRefusedWithTheBoxToChange) {
    load(u"");
    const std::string before = settings.serialize();
    for (const auto& [profile, refusal] : std::vector<std::pair<LotteryProfile, std::string>>{
             {{"A", 6, 1, 49, 0, false, false, false, false, 2, 1, 12},
              "Second Drum Balls: Please enter an integer between 1 and 1."},
             {{"A", 7, 1, 49, 0, false, false, false, false, 1, 0, 9}, kNoSlotForSecondDrum}}) {
        EXPECT_EQ(saveLottery(settings, profile).refusal, refusal);
        EXPECT_FALSE(profileWithinLimits(profile)) << refusal;
    }
    EXPECT_EQ(settings.serialize(), before);
}

TEST_F(LotteryStore, deletingMovesTheLaterEntriesDownKeepsTheLastAndANameNotListedExactlyChangesNothing) {
    load(u"[LotteryList]\r\nGame0=A\r\nGame1=B\r\nGame2=C\r\nGame3=D\r\n[A]\r\nBalls=6\r\n[B]\r\nBalls=6\r\n"
         u"[C]\r\nBalls=6\r\n[c]\r\nBalls=6\r\n");
    const auto deleted = [&](const std::string& name) {
        const LotteryDeletion deletion = deleteLottery(settings, name);
        return std::array{deletion.listed, deletion.entryDeleted, deletion.sectionDeleted, deletion.saved};
    };
    const std::string before = settings.serialize();
    EXPECT_EQ(deleted("c"), (std::array{false, false, false, false}));
    EXPECT_EQ(settings.serialize(), before);

    EXPECT_EQ(deleted("B"), (std::array{true, true, true, true}));
    EXPECT_EQ(testing::readBytes(file),
              utf16WithMark(u"\r\n[LotteryList]\r\nGame0=A\r\nGame1=C\r\nGame2=D\r\n\r\n[A]\r\nBalls=6\r\n"
                            u"\r\n[C]\r\nBalls=6\r\n\r\n[c]\r\nBalls=6\r\n"));
    EXPECT_EQ(deleted("D"), (std::array{true, true, false, true}));
    EXPECT_EQ(readLotteryList(settings), (std::vector<std::string>{"A", "C"}));
    // The last lottery stays.
    deleteLottery(settings, "A");
    EXPECT_EQ(deleteLottery(settings, "C").refusal, kLastLotteryKept);
    EXPECT_EQ(readLotteryList(settings), std::vector<std::string>{"C"});
}

TEST(LotteryList, findPrefersAnEqualNameThenLooksForAPrefixFromTheSecondItem) {
    EXPECT_EQ(findLotteryInList({"Daily Plus", "Daily", "Lotto"}, "dAILY"), 1u);
    EXPECT_EQ(findLotteryInList({"DAILY", "Daily"}, "Daily"), 1u);
    EXPECT_EQ(findLotteryInList({"Daily 3", "Daily 4", "Lotto"}, "dai"), 1u);
    EXPECT_EQ(findLotteryInList({"Daily 3", "Lotto", "Keno"}, "DAI"), 0u);
    EXPECT_EQ(findLotteryInList({"Daily 3", "Lotto"}, "Mega"), std::nullopt);
    EXPECT_EQ(findLotteryInList({}, "Mega"), std::nullopt);
}

TEST(LotteryName, acceptsOrdinaryNamesAndRefusesUnsafeOnesWithTheReason) {
    std::string twentyAccents;
    for (int i = 0; i < 20; ++i) twentyAccents += "\xC3\xA9";
    for (const std::string name : {"Lotto 649", "Euro-Jackpot (FR)", "Mega.Millions", "[Bracket", "a=b;c",
                                   "12345678901234567890", twentyAccents.c_str()}) {
        EXPECT_EQ(lotteryNameProblem(name), std::nullopt) << name;
    }
    for (const auto& [name, reason] : std::vector<std::pair<std::string, std::string>>{
             {"", "A lottery name cannot be empty."},
             {"123456789012345678901", "A lottery name can have at most 20 characters."},
             {"a/b", "A lottery name cannot contain the character \"/\"."},
             {"..\\Lotto", "A lottery name cannot contain the character \"\\\"."},
             {"Lotto]", "A lottery name cannot contain the character \"]\"."},
             {"a|b", "A lottery name cannot contain the character \"|\"."},
             {"x..y", "A lottery name cannot contain \"..\"."},
             {"Line\nend", "A lottery name cannot contain control characters."},
             {" Lotto", "A lottery name cannot begin or end with a space."},
             {"Lotto.", "A lottery name cannot end with a dot."},
             {"Lpt1.old", "A lottery name cannot be a device name such as CON, NUL, COM1 or LPT1."},
             {"Caf\xE9", "A lottery name must be UTF-8 text."}}) {
        EXPECT_EQ(lotteryNameProblem(name), reason) << name;
    }
}

}  // namespace
}  // namespace numora
