#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/DevicePaths.h"
#include "draws/CsvExport.h"

namespace numora {

namespace {

std::string utf16(std::string_view ascii) {
    std::string bytes;
    for (const char c : ascii) bytes += {c, '\0'};
    return bytes;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

LotteryProfile lotto649() {
    LotteryProfile profile;
    profile.name = "Lotto 649";
    return profile;
}

const DrawRecord kDraw{0, 1, 2, 3, 4, 5, 6, 0, 7};

}  // namespace

TEST(CsvExport, writesEachDrawAsTwoDigitFieldsInUtf16WithLineFeeds) {
    LotteryProfile profile = lotto649();
    EXPECT_EQ(csvExportBytes({kDraw}, profile), utf16("01,02,03,04,05,06,07\n"));
    EXPECT_EQ(csvExportBytes({kDraw}, profile).size(), 42u);

    DrawRecord emptyBonus = kDraw;
    emptyBonus.bonus = -1;
    profile.balls = 7;
    EXPECT_EQ(csvExportText({kDraw, emptyBonus}, profile), "01,02,03,04,05,06,00,07\n01,02,03,04,05,06,00,-01\n");
    profile.balls = 3;
    profile.bonus = 0;
    EXPECT_EQ(csvExportText({kDraw}, profile), "01,02,03\n");
}

TEST(CsvExport, createsMyDocumentsAndReportsWhenTheFileCannotBeWritten) {
    const auto root = std::filesystem::temp_directory_path() / "numora-export-test";
    std::filesystem::remove_all(root);
    const DevicePaths device(root);

    EXPECT_EQ(csvExportDevicePath("Lotto 649"), "\\My Documents\\Lotto 649 Export.csv");
    const CsvExportResult written = exportCsv(device, {kDraw}, lotto649());
    EXPECT_EQ(written.message, "Export Complete!\nFile is located in your\nMy Documents folder.");
    EXPECT_EQ(written.hostFile, root / "My Documents" / "Lotto 649 Export.csv");
    EXPECT_EQ(fileBytes(written.hostFile), utf16("01,02,03,04,05,06,07\n"));
    EXPECT_EQ(exportCsv(device, {}, lotto649()).ok, true);
    EXPECT_EQ(fileBytes(written.hostFile), "");

    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    std::ofstream(root / "My Documents") << "a file where the folder belongs";
    const CsvExportResult refused = exportCsv(device, {kDraw}, lotto649());
    EXPECT_EQ(refused.ok, false);
    EXPECT_EQ(refused.message, "Error 208, Data File creation Error\n");
    std::filesystem::remove_all(root);
}

}  // namespace numora
