#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "Gallery.h"
#include "draws/table/TableAnalysis.h"
#include "platform/LocalTime.h"
#include "settings/BallSlots.h"
#include "ui/preview/ImportPreviewDialog.h"

namespace numora::gallery {

namespace {

// Real draw histories as their lotteries publish them, each with a lottery
// that fits it, shown on a device screen of each shape.
struct PreviewShot {
    const char* name;
    const char* file;  // in the real draws, or in those of games with a second drum
    LotteryProfile lottery;
    ScreenSize screen;
    int page;  // 0: the rows, 1: the rejected lines
};

LotteryProfile withSecondDrum(LotteryProfile profile, int numbers, int lowest, int highest) {
    profile.drum2 = numbers;
    profile.drum2Min = lowest;
    profile.drum2Max = highest;
    return profile;
}

const PreviewShot kShots[] = {
    {"import-preview-canada-portrait", "canada-lotto649.csv", {"Lotto 649", 6, 1, 49, 49}, {240, 320}, 0},
    {"import-preview-israel-landscape", "israel-lotto_cp1255.csv", {"Israel Lotto", 6, 1, 49, 49}, {320, 240}, 0},
    {"import-preview-powerball-square", "us-powerball_ny-open-data.csv", {"Powerball", 5, 1, 69, 26}, {240, 240}, 0},
    {"import-preview-powerball-rejected", "us-powerball_ny-open-data.csv", {"Powerball", 5, 1, 69, 26}, {240, 320}, 1},
    {"import-preview-euromillions-portrait",
     "euromillions-2004-2023.csv",
     withSecondDrum({"EuroMillions", 5, 1, 50, 0}, 2, 1, 12),
     {240, 320},
     0},
    {"import-preview-eurojackpot-landscape",
     "pl-eurojackpot-2012-2026.csv",
     withSecondDrum({"EuroJackpot", 5, 1, 50, 0}, 2, 1, 12),
     {320, 240},
     0},
    {"import-preview-6aus49-square",
     "de-lotto6aus49-superzahl-1991-2026.csv",
     withSecondDrum({"6aus49", 6, 1, 49, 0}, 1, 0, 9),
     {240, 240},
     0},
};

std::filesystem::path drawFile(const PreviewShot& shot) {
    const std::filesystem::path realDraws(NUMORA_REAL_DRAWS);
    if (!hasSecondDrum(shot.lottery)) return realDraws / shot.file;
    return realDraws.parent_path() / "real-draws-second-drum" / shot.file;
}

std::string fileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

void shootImportPreview(Gallery& gallery) {
    const SystemLocalTime time;
    const DrawList noDraws;
    for (const PreviewShot& shot : kShots) {
        const std::string bytes = fileBytes(drawFile(shot));
        ImportPreviewDialog preview(analyseTable(bytes, shot.lottery, DateOrder::MonthDayYear), shot.lottery, noDraws,
                                    time, shot.screen);
        preview.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(shot.page);
        gallery.saveWidget(QString::fromLatin1(shot.name), preview);
    }
}

}  // namespace numora::gallery
