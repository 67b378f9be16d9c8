#include <gtest/gtest.h>

#include "app/FileChooserRules.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"

namespace numora {
namespace {

// Sorts the files by the key and gives their names in the new order.
std::vector<std::string> resort(std::vector<ListedFile>& files, int sortKey) {
    std::vector<ListedFile> sorted;
    for (const std::size_t row : sortedRows(files, sortKey)) sorted.push_back(files[row]);
    files = sorted;
    std::vector<std::string> names;
    for (const ListedFile& file : files) names.push_back(file.name);
    return names;
}

TEST(FileChooserRules, sizeTextsSwitchUnitsOnlyAboveAWholeKilobyteOrMegabyte) {
    for (const auto& [size, text] : std::vector<std::pair<std::uint32_t, std::string>>{
             {0, "0"}, {1024, "1024"}, {1025, "1K"}, {1048576, "1024K"}, {1048577, "1M"}, {0xFFFFFFFF, "4095M"}}) {
        EXPECT_EQ(fileSizeText(size), text) << size;
    }
}

TEST(FileChooserRules, filtersMatchWildcardsIgnoringCase) {
    for (const char* name : {"a.wav", "b.WAV", ".wav", "x.y.Wav"}) EXPECT_TRUE(matchesFileFilter(name, "*.wav")) << name;
    for (const char* name : {"c.txt", "a.wav.txt", "a.wa", "wav"}) EXPECT_FALSE(matchesFileFilter(name, "*.wav")) << name;
    EXPECT_TRUE(matchesFileFilter("anything at all", "*"));
    EXPECT_TRUE(matchesFileFilter("draws 2024.CSV", "*20??.csv"));
    EXPECT_FALSE(matchesFileFilter("draws 204.csv", "*20??.csv"));
    EXPECT_TRUE(matchesFileFilter("abcabd", "*ab*d"));
}

TEST(FileChooserRules, headerTapsSortAscendingThenReverseAndANewColumnStartsAscending) {
    std::vector<ListedFile> files{
        {"b.wav", 3000, 300}, {"A.wav", 10, 200}, {"c.wav", 10, 100}, {"a2.wav", 2000000, 200}};
    int key = kFirstSortKey;
    EXPECT_EQ(resort(files, key), (std::vector<std::string>{"A.wav", "a2.wav", "b.wav", "c.wav"}));
    key = nextSortKey(key, kNameColumn);
    EXPECT_EQ(key, -kNameColumn);
    EXPECT_EQ(resort(files, key), (std::vector<std::string>{"c.wav", "b.wav", "a2.wav", "A.wav"}));

    key = nextSortKey(key, kSizeColumn);
    // equal sizes keep the order they had
    EXPECT_EQ(resort(files, key), (std::vector<std::string>{"c.wav", "A.wav", "b.wav", "a2.wav"}));
    key = nextSortKey(key, kSizeColumn);
    EXPECT_EQ(resort(files, key), (std::vector<std::string>{"a2.wav", "b.wav", "c.wav", "A.wav"}));

    key = nextSortKey(key, kDateColumn);
    EXPECT_EQ(key, kDateColumn);
    EXPECT_EQ(resort(files, key), (std::vector<std::string>{"c.wav", "a2.wav", "A.wav", "b.wav"}));
    EXPECT_EQ(resort(files, 4), (std::vector<std::string>{"c.wav", "a2.wav", "A.wav", "b.wav"}));
}

TEST(FileChooserRules, datesAreWrittenByTheLocalePictureCutTo63Characters) {
    const FixedOffsetLocalTime time(3600);
    const std::int64_t lateOnTheThird = 1136332799;  // 2006-01-03 23:59:59 UTC, the 4th at 00:59:59 local
    EXPECT_EQ(FileDateText(FixedLocaleInfo(DateOrder::DayMonthYear, "."), time)(lateOnTheThird), "4.1.2006");
    const std::string dashes(70, '-');
    EXPECT_EQ(FileDateText(FixedLocaleInfo(DateOrder::MonthDayYear, dashes), time)(lateOnTheThird),
              "1" + std::string(62, '-'));
}

}  // namespace
}  // namespace numora
