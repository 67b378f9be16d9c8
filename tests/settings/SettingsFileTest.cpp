#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>

#include "platform/Utf16.h"
#include "settings/SettingsFile.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

using testing::ScratchFolder;
using testing::utf16Bytes;
using testing::utf16WithMark;

std::string valueOf(const SettingsFile& settings, std::string_view section, std::string_view key) {
    std::string value = "<absent>";
    settings.GetString(section, key, value);
    return value;
}

TEST(SettingsFile, writesTheTwoSectionExampleByteForByteAndReadsItBack) {
    ScratchFolder folder;
    SettingsFile settings;
    settings.SetString("LotteryList", "Game0", "Lotto 649");
    settings.SetInt("Lotto 649", "Balls", 6);
    settings.SetInt("Lotto 649", "Min", 1);
    ASSERT_EQ(settings.Save(folder / "Numora.ini"), true);

    // Seven lines ended by CR LF after FF FE; each ASCII character is followed by a zero byte.
    const std::string bytes = testing::readBytes(folder / "Numora.ini");
    EXPECT_EQ(bytes.substr(0, 10), std::string("\xFF\xFE\r\0\n\0[\0L\0", 10));
    EXPECT_EQ(bytes, utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Lotto 649\r\n\r\n[Lotto 649]\r\nBalls=6\r\nMin=1\r\n"));
    SettingsFile loaded;
    ASSERT_EQ(loaded.Load(folder / "Numora.ini"), true);
    EXPECT_EQ(loaded.section("Lotto 649")->keys(), (std::vector<std::string>{"Balls", "Min"}));
    EXPECT_EQ(valueOf(loaded, "LotteryList", "Game0"), "Lotto 649");
}

TEST(SettingsFile, fileLoadedAndSavedAgainIsByteForByteTheSame) {
    // Unsorted orders, characters beyond ASCII, a surrogate pair and a lone surrogate.
    const std::string bytes = utf16WithMark(
        u"\r\n[Zeta]\r\nSort=No\r\nBalls=6\r\n"
        u"\r\n[Lotto \u00C9t\u00E9 \u20AC=;]\r\nValue=a [b] = c; \U0001F3B1 \xD800 end  \r\n"
        u"\r\n[LotteryList]\r\nGame1=Zeta\r\nGame0=Lotto \u00C9t\u00E9 \u20AC=;\r\n");
    ScratchFolder folder;
    testing::writeBytes(folder / "Numora.ini", bytes);
    {
        SettingsFile settings;
        ASSERT_TRUE(settings.Load(folder / "Numora.ini"));
        EXPECT_EQ(valueOf(settings, "LotteryList", "Game0"), "Lotto \u00C9t\u00E9 \u20AC=;");
        testing::writeBytes(folder / "Numora.ini", "");
    }  // a named store saves itself when destroyed
    EXPECT_EQ(testing::readBytes(folder / "Numora.ini"), bytes);
}

TEST(SettingsFile, readerFollowsTheFileRulesForHeadersKeysAndValues) {
    const std::vector<std::pair<std::u16string, std::u16string>> fileAndRewrite = {
        // Text before the first header, blank lines, and non-alphanumerics before a key are skipped.
        {u"Lost=1\r\n[A]\r\n\r\n  \t Balls=6\r\n;Min=1\r\n-#Max=9\r\n", u"\r\n[A]\r\nBalls=6\r\nMin=1\r\nMax=9\r\n"},
        {u"Balls=6\r\nno header\r\n", u""},
        // Spaces before "=" belong to the key; the value keeps its trailing spaces, not its leading ones.
        {u"[A]\r\nBalls  = \t 6 x  \r\nMax=[=;]\n", u"\r\n[A]\r\nBalls  =6 x  \r\nMax=[=;]\r\n"},
        // Empty values; a last line without a line end; entries and headers the text ends inside.
        {u"[A]\r\nEmpty=\r\nSpaces=   \nLast=6", u"\r\n[A]\r\nEmpty=\r\nSpaces=\r\nLast=6\r\n"},
        {u"[A]\r\nBalls=6\r\nMin= ", u"\r\n[A]\r\nBalls=6\r\n"},
        {u"[A]\r\nBalls\r\n[Unfinished", u"\r\n[A]\r\n"},
        // A key runs across lines to the next "="; a header name takes everything up to "]".
        {u"[Two\r\nLines]\r\nBalls\r\nMin=1", u"\r\n[Two\r\nLines]\r\nBalls\r\nMin=1\r\n"},
        // A repeated header continues its section, in its first place; a repeated key takes the later value.
        {u"[A]\r\nBalls=6\r\nMin=1\r\n[B]\r\nX=1\r\n[A]\r\nMax=49\r\nBalls=7\r\n",
         u"\r\n[A]\r\nBalls=7\r\nMin=1\r\nMax=49\r\n\r\n[B]\r\nX=1\r\n"},
    };
    SettingsFile settings;
    for (const auto& [file, rewrite] : fileAndRewrite) {
        settings.parse(utf16WithMark(file));
        EXPECT_EQ(settings.serialize(), utf16WithMark(rewrite)) << fromUtf16(file);
    }
}

TEST(SettingsFile, lookupsAreCaseSensitiveAndNumbersReadLikeWideTextToLong) {
    SettingsFile settings;
    settings.SetString("Lotto", "Balls", "6");
    settings.SetString("lotto", "Balls", "7");
    EXPECT_EQ(valueOf(settings, "lotto", "Balls"), "7");
    EXPECT_EQ(valueOf(settings, "Lotto", "balls"), "<absent>");
    int number = 42;
    EXPECT_FALSE(settings.GetInt("LOTTO", "Balls", number));
    EXPECT_EQ(number, 42);

    for (const auto& [text, expected] : std::vector<std::pair<std::string, int>>{
             {"07", 7}, {"12abc", 12}, {"abc", 0}, {"", 0}, {" \t-3", -3}, {"+5", 5}, {"- 5", 0},
             {"99999999999", INT_MAX}, {"-99999999999", INT_MIN}}) {
        settings.SetString("A", "N", text);
        EXPECT_EQ(settings.GetInt("A", "N", number) ? number : 42, expected) << '"' << text << '"';
    }
    settings.SetInt("A", "N", -5);
    EXPECT_EQ(valueOf(settings, "A", "N"), "-5");
}

TEST(SettingsFile, deleteRemovesEntriesAndSectionsAndReportsWhatIsAbsent) {
    SettingsFile settings;
    settings.parse(utf16WithMark(u"[A]\r\nX=1\r\nY=2\r\n[B]\r\nZ=3\r\n"));
    EXPECT_EQ((std::array{settings.Delete("A", "Q"), settings.Delete("C"), settings.Delete("A", "X"),
                          settings.Delete("B")}),
              (std::array{false, false, true, true}));
    settings.SetString("B", "Z", "4");  // back, but as a new section at the end
    settings.SetString("A", "X", "5");
    EXPECT_EQ(settings.serialize(), utf16WithMark(u"\r\n[A]\r\nY=2\r\nX=5\r\n\r\n[B]\r\nZ=4\r\n"));
}

TEST(SettingsFile, fileWithoutTheMarkIsReadAsEightBitTextAndWrittenBackAsUtf16) {
    ScratchFolder folder;
    testing::writeBytes(folder / "Numora.ini",
                        "[LotteryList]\nGame0=Caf\xC3\xA9 \xE2\x82\xAC\n[Caf\xC3\xA9 \xE2\x82\xAC]\r\nBalls = 6");
    SettingsFile settings;
    ASSERT_TRUE(settings.Load(folder / "Numora.ini"));
    ASSERT_TRUE(settings.Save());
    EXPECT_EQ(testing::readBytes(folder / "Numora.ini"),
              utf16WithMark(u"\r\n[LotteryList]\r\nGame0=Caf\u00E9 \u20AC\r\n\r\n[Caf\u00E9 \u20AC]\r\nBalls =6\r\n"));

    settings.parse("[Caf\xE9]\nName=\xC0\xFF");  // not UTF-8: one character a byte
    EXPECT_EQ(valueOf(settings, "Caf\u00E9", "Name"), "\u00C0\u00FF");
    EXPECT_TRUE(settings.parse("[A]\nX=1"));  // an odd number of bytes is whole 8-bit text
    EXPECT_EQ(valueOf(settings, "A", "X"), "1");
}

TEST(SettingsFile, utf16WithoutItsMarkOrBigEndianIsReadAsUtf16AndAZeroUnitEndsTheText) {
    // A name of characters whose code units have a zero low byte or none at all.
    const std::u16string text = u"\r\n[LotteryList]\r\nGame0=\u4E00\u0100\u5B57 649\r\n\r\n[\u4E00\u0100\u5B57 649]\r\nBalls=6\r\n";
    const std::string bigEndian = utf16Bytes(text, true);
    ScratchFolder folder;
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"little-endian", utf16Bytes(text, false)},
             {"big-endian", bigEndian},
             {"big-endian marked", "\xFE\xFF" + bigEndian},
             {"marked, then a zero unit", utf16WithMark(text) + std::string(2, '\0') + utf16Bytes(u"[B]\r\nX=1", false)}}) {
        testing::writeBytes(folder / "Numora.ini", bytes);
        SettingsFile settings;
        ASSERT_TRUE(settings.Load(folder / "Numora.ini")) << name;
        EXPECT_EQ(valueOf(settings, "LotteryList", "Game0"), "\u4E00\u0100\u5B57 649") << name;
        EXPECT_TRUE(settings.Save()) << name;
        EXPECT_EQ(testing::readBytes(folder / "Numora.ini"), utf16WithMark(text)) << name;
    }
}

// Whatever stands in the settings file's place and cannot be read whole
// leaves a store without a name, so nothing is saved over it.
TEST(SettingsFile, aFileThatCannotBeReadOrDecodedIsNeverSavedOver) {
    ScratchFolder folder;
    ::mkfifo((folder / "Pipe.ini").c_str(), 0600);  // no writer: opening it to read would wait
    testing::writeBytes(folder / "Stray.ini", std::string("[LotteryList]\r\nGame0=Lotto\0 649\r\n", 32));
    testing::writeBytes(folder / "Binary.ini", std::string("\x01\x02\0\0\x03", 5));
    // UTF-16 cut short: half a character at the end, so the rest of the text is gone too.
    const std::u16string whole = u"\r\n[LotteryList]\r\nGame0=Lotto\r\n\r\n[Lotto]\r\nBalls=6\r\n";
    testing::writeBytes(folder / "Cut.ini", utf16WithMark(whole).substr(0, 31));
    testing::writeBytes(folder / "CutUnmarked.ini", utf16Bytes(whole) + "\n");
    for (const std::string name : {"Pipe.ini", "Stray.ini", "Binary.ini", "Cut.ini", "CutUnmarked.ini"}) {
        const auto before = std::filesystem::symlink_status(folder / name).type();
        const std::string bytes =
            before == std::filesystem::file_type::regular ? testing::readBytes(folder / name) : "";
        SettingsFile settings;
        EXPECT_FALSE(settings.Load(folder / name)) << name;
        EXPECT_TRUE(settings.sections().empty()) << name;
        EXPECT_TRUE(settings.fileName().empty()) << name;
        settings.SetString("A", "X", "1");
        EXPECT_FALSE(settings.Save()) << name;
        EXPECT_EQ(std::filesystem::symlink_status(folder / name).type(), before) << name;
        if (!bytes.empty()) {
            EXPECT_EQ(testing::readBytes(folder / name), bytes) << name;
        }
    }
}

TEST(SettingsFile, failedLoadKeepsTheNameForTheFirstSaveAndFailedSaveLeavesTheDiskAsItWas) {
    ScratchFolder folder;
    SettingsFile settings;
    settings.SetString("A", "X", "1");
    EXPECT_FALSE(settings.Save());  // no name yet
    testing::writeBytes(folder / "Empty.ini", "");
    EXPECT_TRUE(settings.Load(folder / "Empty.ini"));
    EXPECT_TRUE(settings.sections().empty());
    EXPECT_FALSE(settings.Load(folder / "Missing.ini"));
    settings.SetString("A", "X", "1");
    EXPECT_TRUE(settings.Save());
    EXPECT_EQ(testing::readBytes(folder / "Missing.ini"), utf16WithMark(u"\r\n[A]\r\nX=1\r\n"));

    EXPECT_FALSE(settings.Save(folder / "missing" / "Numora.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
    std::filesystem::create_directory(folder / "Numora.ini");  // a folder where the file should be
    EXPECT_FALSE(settings.Save(folder / "Numora.ini"));
    EXPECT_FALSE(settings.Load(folder / "Numora.ini"));
    EXPECT_TRUE(settings.fileName().empty());  // something unreadable is there: never saved over
    EXPECT_FALSE(settings.Save());
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Numora.ini"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3);
}

}  // namespace
}  // namespace numora
