#include "draws/CsvExport.h"

#include <algorithm>
#include <system_error>

#include "platform/DevicePaths.h"
#include "platform/FormatText.h"
#include "draws/NumberText.h"
#include "platform/AtomicFile.h"
#include "platform/FileProblem.h"
#include "platform/Utf16.h"
#include "settings/BallSlots.h"

namespace numora {

namespace {

constexpr char kExportFolder[] = "\\My Documents";
constexpr char kExportNameFormat[] = "%s Export.csv";
constexpr char kCannotCreate[] = "Error 208, Data File creation Error\n";
constexpr char kComplete[] = "Export Complete!\nFile is located in your\nMy Documents folder.";
constexpr char kFieldSeparator = ',';
constexpr char kLineEnd = '\n';
constexpr int kAlwaysWrittenBalls = 3;

}  // namespace

std::string exportFolderFile(const std::string& fileName) { return DevicePaths::join(kExportFolder, fileName); }

std::string csvExportDevicePath(const std::string& lotteryName) {
    return exportFolderFile(formatText(kExportNameFormat, lotteryName.c_str()));
}

int exportedBalls(const LotteryProfile& profile) {
    return std::clamp(slotsInPlay(profile), kAlwaysWrittenBalls, DrawRecord::kBallCount);
}

std::string csvExportText(const DrawList& draws, const LotteryProfile& profile) {
    std::string text;
    for (const DrawRecord& draw : draws) {
        for (int ball = 1; ball <= exportedBalls(profile); ++ball) {
            if (ball > 1) text.push_back(kFieldSeparator);
            text += twoDigitText(draw.ball(ball));
        }
        if (profile.bonus > 0) {
            text.push_back(kFieldSeparator);
            text += twoDigitText(draw.bonus);
        }
        text.push_back(kLineEnd);
    }
    return text;
}

std::string csvExportBytes(const DrawList& draws, const LotteryProfile& profile) {
    const std::u16string units = toUtf16(csvExportText(draws, profile));
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (const char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

CsvExportResult exportCsv(const DevicePaths& device, const DrawList& draws, const LotteryProfile& profile) {
    return writeExportFile(device, csvExportDevicePath(profile.name), csvExportBytes(draws, profile));
}

CsvExportResult writeExportFile(const DevicePaths& device, const std::string& deviceFile, std::string_view bytes) {
    CsvExportResult result;
    const auto folder = device.toHost(kExportFolder);
    const auto file = device.toHost(deviceFile);
    std::error_code ignored;
    if (folder) std::filesystem::create_directories(*folder, ignored);
    const FileWriteResult written = writeFileAtomically(file, bytes);
    if (!written) {
        result.message = withCause(kCannotCreate, written.cause);
        return result;
    }
    result.ok = true;
    result.message = kComplete;
    result.hostFile = *file;
    return result;
}

}  // namespace numora
