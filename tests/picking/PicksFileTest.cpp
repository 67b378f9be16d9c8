#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/DevicePaths.h"
#include "picking/PicksFile.h"
#include "support/TestFiles.h"

namespace numora {

TEST(PicksFile, headingAndLinesEndInCrLfWithOneBytePerCharacter) {
    EXPECT_EQ(PicksFile::encode({"A", "B"}), "Your lucky lotto numbers for this draw!\r\nA\r\nB\r\n");
    // U+00E9 stays 0xE9; U+20AC becomes 0xAC; U+1F600 is two code units.
    const std::string bytes = PicksFile::encode({"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"});
    EXPECT_EQ(bytes.substr(bytes.size() - 6), std::string("\xE9\xAC\x3D\x00\r\n", 6));
}

TEST(PicksFile, saveReplacesTheFileOrReportsTheExportError) {
    const testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const std::filesystem::path host = root / "Data" / "LottoExport.txt";
    testing::writeBytes(host, "an older and much longer export that must not survive");

    const PicksExportResult saved = PicksFile::save(device, "\\Data", {"03  09  17 "});
    EXPECT_EQ(saved.message, "Your Predicted numbers have been exported to\r \\Data\\LottoExport.txt on your "
                             "Pocket PC., \rGOOD LUCK!");
    EXPECT_EQ(testing::readBytes(host), "Your lucky lotto numbers for this draw!\r\n03  09  17 \r\n");

    const PicksExportResult missing = PicksFile::save(device, "\\No Such Folder", {"A"});
    EXPECT_EQ(missing.ok, false);
    EXPECT_EQ(missing.message, "ERROR 1003! Unable to open Export File\n(its folder does not exist)");
    EXPECT_EQ(PicksFile::save(device, "\\..\\outside", {"A"}).message, PicksFile::kErrorCannotOpen);
}

TEST(PicksFile, loadGivesTheExportedLinesBackWithoutTheHeading) {
    const testing::ScratchFolder root;
    const DevicePaths device(root.path());
    EXPECT_TRUE(PicksFile::load(device, "\\Data").missing);
    std::filesystem::create_directories(root / "Data");
    const std::vector<std::string> lines{"03  09  17 ", "", "caf\xC3\xA9"};
    ASSERT_TRUE(PicksFile::save(device, "\\Data", lines).ok);
    EXPECT_EQ(PicksFile::load(device, "\\Data").lines, lines);
    // A file edited by hand: LF line ends, no heading, no end to the last line.
    EXPECT_EQ(PicksFile::decode("1 2 3\n4 5 6"), (std::vector<std::string>{"1 2 3", "4 5 6"}));
    std::filesystem::remove(root / "Data" / "LottoExport.txt");
    ::mkfifo((root / "Data" / "LottoExport.txt").c_str(), 0600);  // no writer: opening it to read would wait
    const PicksFileLines pipe = PicksFile::load(device, "\\Data");
    EXPECT_EQ(std::tuple(pipe.lines, pipe.missing), std::tuple(std::nullopt, false));
}

}  // namespace numora
