#include "picking/PicksFile.h"

#include "platform/DevicePaths.h"
#include "platform/AtomicFile.h"
#include "platform/Utf16.h"

namespace numora::PicksFile {

namespace {

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

PicksExportResult save(const DevicePaths& device, std::string_view dataFolder, const std::vector<std::string>& lines) {
    const std::string name = deviceName(dataFolder);
    const auto host = device.toHost(name);
    if (!host || !writeFileAtomically(*host, encode(lines))) return {false, kErrorCannotOpen};
    return {true, exportedMessage(name)};
}

}  // namespace numora::PicksFile
