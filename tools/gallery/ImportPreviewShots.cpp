#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Gallery.h"
#include "draws/table/TableAnalysis.h"
#include "platform/LocalTime.h"
#include "ui/preview/ImportPreviewDialog.h"

namespace numora::gallery {

namespace {

// Real draw histories as their lotteries publish them, each with a lottery
// that fits it, shown on a device screen of each shape.
struct PreviewShot {
    const char* name;
    const char* file;
    LotteryProfile lottery;
    ScreenSize screen;
    int page;  // 0: the rows, 1: the rejected lines
};

const PreviewShot kShots[] = {
    {"import-preview-canada-portrait", "canada-lotto649.csv", {"Lotto 649", 6, 1, 49, 49}, {240, 320}, 0},
    {"import-preview-israel-landscape", "israel-lotto_cp1255.csv", {"Israel Lotto", 6, 1, 49, 49}, {320, 240}, 0},
    {"import-preview-powerball-square", "us-powerball_ny-open-data.csv", {"Powerball", 5, 1, 69, 26}, {240, 240}, 0},
    {"import-preview-powerball-rejected", "us-powerball_ny-open-data.csv", {"Powerball", 5, 1, 69, 26}, {240, 320}, 1},
};

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void shootImportPreview(Gallery& gallery) {
    const SystemLocalTime time;
    const DrawList noDraws;
    for (const PreviewShot& shot : kShots) {
        const std::string bytes = fileBytes(std::filesystem::path(NUMORA_REAL_DRAWS) / shot.file);
        ImportPreviewDialog preview(analyseTable(bytes, shot.lottery, DateOrder::MonthDayYear), shot.lottery, noDraws,
                                    time, shot.screen);
        preview.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(shot.page);
        gallery.saveWidget(QString::fromLatin1(shot.name), preview);
    }
}

}  // namespace numora::gallery
