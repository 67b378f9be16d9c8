#include <gtest/gtest.h>

#include <climits>

#include "settings/SettingsFile.h"
#include "support/ScratchFolder.h"

namespace numora {
namespace {

using testing::ScratchFolder;

// The bytes of a UTF-16LE file with the mark, for text of any code units.
std::string markedFile(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

std::string valueOf(const SettingsFile& settings, std::string_view section, std::string_view key) {
    std::string value = "<absent>";
    settings.GetString(section, key, value);
    return value;
}

std::vector<std::string> keysOf(const SettingsFile& settings, std::string_view section) {
    const SettingsSection* found = settings.section(section);
    return found ? found->keys() : std::vector<std::string>{};
}

TEST(SettingsFile, writesTheTwoSectionExampleByteForByte) {
    SettingsFile settings;
    settings.SetString("LotteryList", "Game0", "Lotto 649");
    settings.SetInt("Lotto 649", "Balls", 6);
    settings.SetInt("Lotto 649", "Min", 1);

    // Seven lines, each ended by CR LF, after the mark FF FE; every ASCII
    // character is followed by its zero high byte.
    std::string expected = "\xFF\xFE";
    for (const char c : std::string_view("\r\n[LotteryList]\r\nGame0=Lotto 649\r\n\r\n[Lotto 649]\r\nBalls=6\r\nMin=1\r\n")) {
        expected.push_back(c);
        expected.push_back('\0');
    }
    EXPECT_EQ(settings.serialize(), expected);

    ScratchFolder folder;
    const auto file = folder / "Numora.ini";
    ASSERT_TRUE(settings.Save(file));
    EXPECT_EQ(testing::readBytes(file), expected);

    SettingsFile loaded;
    ASSERT_TRUE(loaded.Load(file));
    EXPECT_EQ(loaded.sections(), (std::vector<std::string>{"LotteryList", "Lotto 649"}));
    EXPECT_EQ(keysOf(loaded, "Lotto 649"), (std::vector<std::string>{"Balls", "Min"}));
    EXPECT_EQ(valueOf(loaded, "LotteryList", "Game0"), "Lotto 649");
    loaded.Clear();
}

TEST(SettingsFile, fileLoadedAndSavedAgainIsByteForByteTheSame) {
    // Unsorted orders, characters beyond ASCII, a pair of surrogates and a
    // lone surrogate, punctuation in names and values.
    const std::u16string text =
        u"\r\n[Zeta]\r\nSort=No\r\nBalls=6\r\n"
        u"\r\n[Lotto \u00C9t\u00E9 \u20AC=;]\r\nValue=a [b] = c; \U0001F3B1 \xD800 end  \r\n"
        u"\r\n[LotteryList]\r\nGame1=Zeta\r\nGame0=Lotto \u00C9t\u00E9 \u20AC=;\r\n";
    ScratchFolder folder;
    const auto file = folder / "Numora.ini";
    testing::writeBytes(file, markedFile(text));

    SettingsFile settings;
    ASSERT_TRUE(settings.Load(file));
    EXPECT_EQ(valueOf(settings, "LotteryList", "Game0"), "Lotto \u00C9t\u00E9 \u20AC=;");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testing::readBytes(file), markedFile(text));
    settings.Clear();
}

TEST(SettingsFile, readerSkipsTextBeforeTheFirstHeaderAndBetweenEntries) {
    SettingsFile settings;
    settings.parse(markedFile(u"Lost=1\r\n[]\r\n[A]\r\n\r\n   \t\r\n  Balls=6\r\n;Min=1\r\n\r\n-#Max=9\r\n"));
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"", "A"}));
    EXPECT_EQ(keysOf(settings, ""), (std::vector<std::string>{}));
    EXPECT_EQ(keysOf(settings, "A"), (std::vector<std::string>{"Balls", "Min", "Max"}));
    EXPECT_EQ(valueOf(settings, "A", "Min"), "1");

    settings.parse(markedFile(u"Balls=6\r\nno header at all\r\n"));
    EXPECT_TRUE(settings.sections().empty());
}

TEST(SettingsFile, readerKeepsSpacesBeforeTheEqualsSignAndAtTheEndOfTheValue) {
    SettingsFile settings;
    settings.parse(markedFile(u"[A]\r\nBalls  = \t 6 x  \r\nMax=[=;]\n"));
    EXPECT_EQ(keysOf(settings, "A"), (std::vector<std::string>{"Balls  ", "Max"}));
    EXPECT_EQ(valueOf(settings, "A", "Balls  "), "6 x  ");
    EXPECT_EQ(valueOf(settings, "A", "Max"), "[=;]");
}

TEST(SettingsFile, readerStoresEmptyValuesAndDropsWhatTheTextEndsInside) {
    SettingsFile settings;
    settings.parse(markedFile(u"[A]\r\nEmpty=\r\nSpaces=   \nLast=6"));
    EXPECT_EQ(valueOf(settings, "A", "Empty"), "");
    EXPECT_EQ(valueOf(settings, "A", "Spaces"), "");
    EXPECT_EQ(valueOf(settings, "A", "Last"), "6");

    settings.parse(markedFile(u"[A]\r\nBalls=6\r\nMin= "));
    EXPECT_EQ(keysOf(settings, "A"), (std::vector<std::string>{"Balls"}));
    settings.parse(markedFile(u"[A]\r\nBalls"));
    EXPECT_EQ(keysOf(settings, "A"), (std::vector<std::string>{}));
    settings.parse(markedFile(u"[A]\r\n[Unfinished"));
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"A"}));

    // A trailing odd byte is not half a character.
    settings.parse(markedFile(u"[A]\r\nBalls=6") + "7");
    EXPECT_EQ(valueOf(settings, "A", "Balls"), "6");
}

TEST(SettingsFile, keysRunAcrossLinesAndHeaderNamesTakeEverythingUpToTheBracket) {
    SettingsFile settings;
    settings.parse(markedFile(u"[Two\r\nLines]\r\nBalls\r\nMin=1\r\n"));
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"Two\r\nLines"}));
    EXPECT_EQ(valueOf(settings, "Two\r\nLines", "Balls\r\nMin"), "1");
}

TEST(SettingsFile, repeatedHeaderContinuesItsSectionAtItsFirstPlace) {
    SettingsFile settings;
    settings.parse(markedFile(u"[A]\r\nBalls=6\r\nMin=1\r\n[B]\r\nX=1\r\n[A]\r\nMax=49\r\nBalls=7\r\n"));
    EXPECT_EQ(settings.sections(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(keysOf(settings, "A"), (std::vector<std::string>{"Balls", "Min", "Max"}));
    EXPECT_EQ(valueOf(settings, "A", "Balls"), "7");
    EXPECT_EQ(settings.serialize(), markedFile(u"\r\n[A]\r\nBalls=7\r\nMin=1\r\nMax=49\r\n\r\n[B]\r\nX=1\r\n"));
}

TEST(SettingsFile, lookupsAreCaseSensitiveAndAbsentEntriesLeaveTheOutputAlone) {
    SettingsFile settings;
    settings.SetString("Lotto", "Balls", "6");
    settings.SetString("lotto", "Balls", "7");
    EXPECT_EQ(settings.sections().size(), 2u);
    EXPECT_EQ(valueOf(settings, "Lotto", "Balls"), "6");
    EXPECT_EQ(valueOf(settings, "lotto", "Balls"), "7");
    EXPECT_EQ(valueOf(settings, "Lotto", "balls"), "<absent>");
    EXPECT_EQ(valueOf(settings, "LOTTO", "Balls"), "<absent>");
    int number = 42;
    EXPECT_FALSE(settings.GetInt("Lotto", "BALLS", number));
    EXPECT_EQ(number, 42);
}

TEST(SettingsFile, getIntReadsLikeTheRuntimesWideTextToLong) {
    SettingsFile settings;
    const std::vector<std::pair<std::string, int>> cases = {
        {"07", 7},         {"12abc", 12},          {"abc", 0},   {"", 0},          {" \t-3", -3},
        {"+5", 5},         {"- 5", 0},             {"4 9", 4},   {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN}, {"-2147483648", INT_MIN},
    };
    for (const auto& [text, expected] : cases) {
        settings.SetString("A", "N", text);
        int number = -1;
        EXPECT_TRUE(settings.GetInt("A", "N", number));
        EXPECT_EQ(number, expected) << '"' << text << '"';
    }

    settings.SetInt("A", "N", 49);
    EXPECT_EQ(valueOf(settings, "A", "N"), "49");
    settings.SetInt("A", "N", 0);
    EXPECT_EQ(valueOf(settings, "A", "N"), "0");
    settings.SetInt("A", "N", -5);
    EXPECT_EQ(valueOf(settings, "A", "N"), "-5");
}

TEST(SettingsFile, deleteRemovesEntriesAndWholeSectionsAndReportsWhatIsAbsent) {
    SettingsFile settings;
    settings.parse(markedFile(u"\r\n[A]\r\nX=1\r\nY=2\r\n\r\n[B]\r\nZ=3\r\n"));
    EXPECT_FALSE(settings.Delete("A", "Q"));
    EXPECT_FALSE(settings.Delete("C"));
    EXPECT_FALSE(settings.Delete("C", "X"));
    EXPECT_TRUE(settings.Delete("A", "X"));
    EXPECT_TRUE(settings.Delete("B"));
    EXPECT_EQ(settings.serialize(), markedFile(u"\r\n[A]\r\nY=2\r\n"));

    // A section that comes back is new: it goes to the end of the order.
    settings.SetString("B", "Z", "4");
    settings.SetString("A", "X", "5");
    EXPECT_EQ(settings.serialize(), markedFile(u"\r\n[A]\r\nY=2\r\nX=5\r\n\r\n[B]\r\nZ=4\r\n"));
}

TEST(SettingsFile, loadOfAMissingFileFailsButKeepsTheNameForTheFirstSave) {
    ScratchFolder folder;
    const auto file = folder / "Numora.ini";
    {
        SettingsFile settings;
        EXPECT_FALSE(settings.Load(file));
        EXPECT_EQ(settings.fileName(), file);
        EXPECT_TRUE(settings.sections().empty());
        settings.SetString("LotteryList", "Game0", "Daily");
    }  // a named store saves itself when destroyed
    SettingsFile reloaded;
    EXPECT_TRUE(reloaded.Load(file));
    EXPECT_EQ(valueOf(reloaded, "LotteryList", "Game0"), "Daily");

    testing::writeBytes(file, "");
    EXPECT_TRUE(reloaded.Load(file));
    EXPECT_TRUE(reloaded.sections().empty());
    reloaded.Clear();
    EXPECT_TRUE(reloaded.fileName().empty());
}

TEST(SettingsFile, fileWithoutTheMarkIsReadAsEightBitTextAndWrittenBackAsUtf16) {
    ScratchFolder folder;
    const auto file = folder / "Numora.ini";
    testing::writeBytes(file, "[LotteryList]\nGame0=Caf\xC3\xA9 \xE2\x82\xAC\n\n[Caf\xC3\xA9 \xE2\x82\xAC]\r\nBalls = 6\r\n");
    SettingsFile settings;
    ASSERT_TRUE(settings.Load(file));
    EXPECT_EQ(valueOf(settings, "LotteryList", "Game0"), "Caf\u00E9 \u20AC");
    EXPECT_EQ(valueOf(settings, "Caf\u00E9 \u20AC", "Balls "), "6");
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testing::readBytes(file),
              markedFile(u"\r\n[LotteryList]\r\nGame0=Caf\u00E9 \u20AC\r\n\r\n[Caf\u00E9 \u20AC]\r\nBalls =6\r\n"));

    // Bytes that are not UTF-8 are one character each.
    settings.parse("[Caf\xE9]\nName=\xC0\xFF");
    EXPECT_EQ(valueOf(settings, "Caf\u00E9", "Name"), "\u00C0\u00FF");
    settings.Clear();
}

TEST(SettingsFile, failedSaveReportsFalseAndLeavesTheDiskAsItWas) {
    ScratchFolder folder;
    SettingsFile settings;
    settings.SetString("A", "X", "1");
    EXPECT_FALSE(settings.Save());

    const auto inMissingFolder = folder / "missing" / "Numora.ini";
    EXPECT_FALSE(settings.Save(inMissingFolder));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));

    // A folder where the file should be stays a folder, with nothing left beside it.
    const auto occupied = folder / "Numora.ini";
    std::filesystem::create_directory(occupied);
    testing::writeBytes(occupied / "keep.txt", "kept");
    EXPECT_FALSE(settings.Save(occupied));
    EXPECT_EQ(testing::readBytes(occupied / "keep.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    EXPECT_FALSE(settings.Load(occupied));
    settings.Clear();
}

}  // namespace
}  // namespace numora
