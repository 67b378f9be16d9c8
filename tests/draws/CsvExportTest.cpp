#include <gtest/gtest.h>

#include "platform/DevicePaths.h"
#include "draws/CsvExport.h"
#include "support/TestFiles.h"

namespace numora {

namespace {

const LotteryProfile kLotto649{.name = "Lotto 649"};  // 6 balls from 1 to 49, bonus up to 49
const DrawRecord kDraw{0, 1, 2, 3, 4, 5, 6, 0, 7};

}  // namespace

TEST(CsvExport, writesTwoDigitFieldsInUtf16IntoMyDocumentsOrReportsWhyNot) {
    DrawRecord emptyBonus = kDraw;
    emptyBonus.bonus = -1;
    EXPECT_EQ(csvExportText({kDraw, emptyBonus}, {.name = "Lotto 7", .balls = 7}),
              "01,02,03,04,05,06,00,07\n01,02,03,04,05,06,00,-01\n");
    EXPECT_EQ(csvExportText({kDraw}, {.name = "Pick 3", .balls = 3, .bonus = 0}), "01,02,03\n");

    const testing::ScratchFolder root;
    const DevicePaths device(root.path());
    const CsvExportResult written = exportCsv(device, {kDraw}, kLotto649);
    EXPECT_EQ(written.message, "Export Complete!\nFile is located in your\nMy Documents folder.");
    EXPECT_EQ(written.hostFile, root / "My Documents" / "Lotto 649 Export.csv");
    EXPECT_EQ(testing::readBytes(written.hostFile), testing::utf16Bytes(u"01,02,03,04,05,06,07\n"));
    EXPECT_EQ(exportCsv(device, {}, kLotto649).ok, true);
    EXPECT_EQ(testing::readBytes(written.hostFile), "");

    std::filesystem::remove_all(root / "My Documents");
    testing::writeBytes(root / "My Documents", "a file where the folder belongs");
    const CsvExportResult refused = exportCsv(device, {kDraw}, kLotto649);
    EXPECT_EQ(refused.ok, false);
    EXPECT_EQ(refused.message, "Error 208, Data File creation Error\n");
}

}  // namespace numora
