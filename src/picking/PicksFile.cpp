#include "picking/PicksFile.h"

#include <algorithm>
#include <cstdint>

#include "platform/DevicePaths.h"
#include "platform/AtomicFile.h"
#include "platform/FileProblem.h"
#include "platform/Utf16.h"
#include "platform/WholeFile.h"

namespace numora::PicksFile {

namespace {

// A pick list of a few thousand lines is far smaller; a larger file is taken for something else.
constexpr std::uint64_t kLargestFile = std::uint64_t{16} << 20;

void appendLine(std::string& bytes, std::string_view text) {
    for (const char16_t unit : toUtf16(text)) bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.append(kLineEnd);
}

std::string exportedMessage(std::string_view fileName) {
    const std::string_view text = kExported;
    const std::string_view placeholder = "%s";
    const std::size_t at = text.find(placeholder);
    std::string message(text.substr(0, at));
    message.append(fileName);
    message.append(text.substr(at + placeholder.size()));
    return message;
}

}  // namespace

std::string deviceName(std::string_view dataFolder) { return DevicePaths::join(dataFolder, kFileName); }

std::string encode(const std::vector<std::string>& lines) {
    std::string bytes;
    appendLine(bytes, kHeading);
    for (const std::string& line : lines) appendLine(bytes, line);
    return bytes;
}

std::vector<std::string> decode(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::u16string wide;
        for (const char byte : line) wide.push_back(static_cast<unsigned char>(byte));
        lines.push_back(fromUtf16(wide));
        start = end + 1;
    }
    if (!lines.empty() && lines.front() == kHeading) lines.erase(lines.begin());
    return lines;
}

PicksExportResult save(const DevicePaths& device, std::string_view dataFolder, const std::vector<std::string>& lines) {
    const std::string name = deviceName(dataFolder);
    const auto host = device.toHost(name);
    const FileWriteResult written = writeFileAtomically(host, encode(lines));
    if (!written) return {false, withCause(kErrorCannotOpen, written.cause)};
    return {true, exportedMessage(name)};
}

PicksFileLines load(const DevicePaths& device, std::string_view dataFolder) {
    const auto host = device.toHost(deviceName(dataFolder));
    if (!host) return {std::nullopt, true, {}};
    const WholeFile file = readWholeFile(*host, kLargestFile);
    if (!file.read()) return {std::nullopt, file.status == WholeFileStatus::Missing, file.cause};
    return {decode(file.bytes), false, {}};
}

}  // namespace numora::PicksFile
