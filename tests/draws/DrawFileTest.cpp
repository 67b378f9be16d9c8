#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/DevicePaths.h"
#include "draws/DrawFile.h"
#include "support/TestFiles.h"

namespace numora {
namespace {

constexpr char kDataFolder[] = "\\Program Files\\Numora";

DrawList numberedDraws(std::size_t count) {
    DrawList draws;
    for (std::size_t i = 0; i < count; ++i) {
        const auto n = static_cast<std::int32_t>(i);
        draws.append({1000000000 + n % 10000 * 86400, n % 50, 2, 3, 4, 5, 6, -1, n % 7});
    }
    return draws;
}

std::string hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char byte : bytes) {
        if (!out.empty()) out.push_back(' ');
        out.push_back(digits[byte >> 4]);
        out.push_back(digits[byte & 15]);
    }
    return out;
}

}  // namespace

TEST(DrawFile, oneRecordIsTheClassDescriptionThenNineLittleEndianFields) {
    const DrawList draws = {{0x01020304, 1, 2, 3, 4, 5, 6, 7, -1}};
    const std::string bytes = DrawFile::encode(draws);
    EXPECT_EQ(hex(bytes),
              "01 00 FF FF 01 00 0A 00 43 4C 6F 74 74 6F 49 74 65 6D "
              "04 03 02 01 01 00 00 00 02 00 00 00 03 00 00 00 04 00 00 00 05 00 00 00 06 00 00 00 "
              "07 00 00 00 FF FF FF FF");
    EXPECT_EQ(hex(DrawFile::encode({})), "00 00");
}

TEST(DrawFile, sizesFollowTheCountAndRoundTrip) {
    for (std::size_t count : {0u, 1u, 3u, 65534u, 65535u, 70000u}) {
        const DrawList draws = numberedDraws(count);
        const std::string bytes = DrawFile::encode(draws);
        const std::size_t countSize = count < 65535 ? 2 : 6;
        const std::size_t expected = count == 0 ? 2 : countSize + 52 + 38 * (count - 1);
        EXPECT_EQ(bytes.size(), expected) << count << " records";
        if (count >= 2) {
            EXPECT_EQ(hex(bytes.substr(countSize + 52, 2)), "01 80");
        }
        if (count >= 65535) {
            EXPECT_EQ(hex(bytes.substr(0, 6)), count == 65535 ? "FF FF FF FF 00 00" : "FF FF 70 11 01 00");
        }
        DrawList loaded;
        EXPECT_TRUE(DrawFile::decode(bytes, loaded).ok()) << count << " records";
        EXPECT_EQ(loaded, draws);
    }
}

TEST(DrawFile, everyTruncatedPrefixIsDamagedAndKeepsTheWholeRecordsBeforeIt) {
    const DrawList draws = numberedDraws(3);
    const std::string bytes = DrawFile::encode(draws);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        DrawList loaded = numberedDraws(5);
        const DrawFileResult result = DrawFile::decode(std::string_view(bytes).substr(0, length), loaded);
        EXPECT_EQ(result.status, DrawFileResult::Status::Damaged) << length;
        const std::size_t whole = length < 54 ? 0 : 1 + (length - 54) / 38;
        ASSERT_EQ(loaded.size(), whole) << length;
        for (std::size_t i = 0; i < whole; ++i) EXPECT_EQ(loaded.at(i), draws.at(i));
    }
}

TEST(DrawFile, foreignTagsSchemasAndNamesAreDamage) {
    const std::string good = DrawFile::encode(numberedDraws(2));
    const std::pair<std::size_t, char> flips[] = {{2, 0x00}, {4, 0x02}, {6, 0x09}, {8, 'X'}, {54, 0x02}, {55, 0x00}};
    for (const auto& [offset, value] : flips) {
        std::string bad = good;
        bad[offset] = value;
        DrawList loaded;
        EXPECT_EQ(DrawFile::decode(bad, loaded).status, DrawFileResult::Status::Damaged) << offset;
    }
    // A count far beyond the bytes present must not be trusted for memory.
    DrawList loaded;
    EXPECT_EQ(DrawFile::decode(std::string("\xFF\xFF\xFF\xFF\xFF\xFF", 6), loaded).status,
              DrawFileResult::Status::Damaged);
    EXPECT_TRUE(loaded.empty());
}

TEST(DrawFile, loadAndSaveUseTheLotteryNameUnderTheDataFolderAndASaveThatCannotBeMadeSaysWhy) {
    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    std::filesystem::create_directories(root.path() / "Program Files" / "Numora");
    const DrawList draws = numberedDraws(4);

    EXPECT_TRUE(DrawFile::save(device, kDataFolder, "Lotto 649", draws).ok());
    EXPECT_EQ(testing::readBytes(root.path() / "Program Files" / "Numora" / "Lotto 649.dat"), DrawFile::encode(draws));
    DrawList loaded;
    EXPECT_TRUE(DrawFile::load(device, kDataFolder, "Lotto 649", loaded).ok());
    EXPECT_EQ(loaded, draws);

    const DrawFileResult missing = DrawFile::load(device, kDataFolder, "Other", loaded);
    EXPECT_EQ(missing.status, DrawFileResult::Status::Missing);
    EXPECT_TRUE(missing.message.empty());
    EXPECT_TRUE(missing.maySaveOver());
    EXPECT_TRUE(loaded.empty());

    const DrawFileResult result = DrawFile::save(device, "\\No Such Folder", "Lotto", numberedDraws(1));
    EXPECT_EQ(result.status, DrawFileResult::Status::CannotCreate);
    EXPECT_EQ(result.message,
              "ERROR 101\nUnable to Open or Create \\No Such Folder\\Lotto.dat\n(its folder does not exist)");
    EXPECT_FALSE(std::filesystem::exists(root.path() / "No Such Folder"));

    // More draws than a draw file is read with would make a file that never loads again.
    std::filesystem::create_directories(root.path() / "Data");
    DrawList tooMany;
    tooMany.records().resize(DrawFile::kMostDraws + 1);
    EXPECT_EQ(DrawFile::save(device, "\\Data", "Lotto", tooMany).message,
              "The draw file \\Data\\Lotto.dat cannot hold more than 1000000 draws; nothing was saved.");
    tooMany.records().pop_back();
    EXPECT_TRUE(DrawFile::save(device, "\\Data", "Lotto", tooMany).ok());
    EXPECT_TRUE(DrawFile::load(device, "\\Data", "Lotto", loaded).ok());
    EXPECT_EQ(loaded.size(), DrawFile::kMostDraws);
}

// Whatever stands in a draw file's place and cannot be read whole is told
// with its name, gives no draws or those before the damage, and may not be
// saved over; nothing waits on a FIFO or allocates for a huge file.
TEST(DrawFile, aFileThatCannotBeReadWholeMayNotBeSavedOver) {
    testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const auto folder = root.path() / "Program Files" / "Numora";
    std::filesystem::create_directories(folder / "Folder.dat");
    ASSERT_EQ(::mkfifo((folder / "Pipe.dat").c_str(), 0600), 0);
    testing::writeBytes(folder / "Huge.dat", "");
    std::filesystem::resize_file(folder / "Huge.dat", std::uintmax_t{100} << 30);
    const std::string two = DrawFile::encode(numberedDraws(2));
    testing::writeBytes(folder / "Longer.dat", two + "x");
    testing::writeBytes(folder / "Cut.dat", two.substr(0, two.size() - 1));
    const std::string notAFile = " is not a regular file; Numora leaves it as it is.";
    for (const auto& [lottery, status, message, draws] :
         std::vector<std::tuple<std::string, DrawFileResult::Status, std::string, std::size_t>>{
             {"Folder", DrawFileResult::Status::Unreadable, notAFile, 0},
             {"Pipe", DrawFileResult::Status::Unreadable, notAFile, 0},
             {"Huge", DrawFileResult::Status::Unreadable, " is larger than a draw file can be; Numora leaves it as it is.",
              0},
             {"Longer", DrawFileResult::Status::Damaged, " is damaged: only its first 2 draws could be read.", 2},
             {"Cut", DrawFileResult::Status::Damaged, " is damaged: only its first 1 draws could be read.", 1}}) {
        DrawList loaded = numberedDraws(1);
        const DrawFileResult result = DrawFile::load(device, kDataFolder, lottery, loaded);
        EXPECT_EQ(result.status, status) << lottery;
        EXPECT_EQ(result.message, "The draw file \\Program Files\\Numora\\" + lottery + ".dat" + message);
        EXPECT_FALSE(result.maySaveOver()) << lottery;
        EXPECT_EQ(loaded.size(), draws) << lottery;
    }
    if (::geteuid() != 0) {  // the superuser reads every file
        testing::writeBytes(folder / "Closed.dat", DrawFile::encode(numberedDraws(2)));
        ::chmod((folder / "Closed.dat").c_str(), 0);
        DrawList loaded;
        const DrawFileResult closed = DrawFile::load(device, kDataFolder, "Closed", loaded);
        EXPECT_EQ(closed.message, "The draw file \\Program Files\\Numora\\Closed.dat cannot be read; Numora leaves it as it is.");
        EXPECT_FALSE(closed.maySaveOver());
    }
}

}  // namespace numora
