#include "platform/FileProblem.h"

#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstring>

#include "platform/FormatText.h"

namespace numora {

namespace {

constexpr char kNotAFile[] = "it is %s, not a file";
constexpr char kLargerThan[] = "it is larger than %s";
constexpr char kNoFolder[] = "its folder does not exist";
constexpr char kFileForFolder[] = "a file stands where its folder belongs";
constexpr std::uint64_t kKilobyte = 1024;
constexpr std::uint64_t kMegabyte = kKilobyte * kKilobyte;

const char* kindInWords(std::filesystem::file_type type) {
    using Type = std::filesystem::file_type;
    switch (type) {
    case Type::directory: return "a folder";
    case Type::fifo: return "a pipe";
    case Type::character:
    case Type::block: return "a device";
    case Type::socket: return "a socket";
    case Type::symlink: return "a symbolic link";
    default: return "something else";
    }
}

std::string sizeInWords(std::uint64_t bytes) {
    if (bytes >= kMegabyte && bytes % kMegabyte == 0) return std::to_string(bytes / kMegabyte) + " MB";
    if (bytes >= kKilobyte && bytes % kKilobyte == 0) return std::to_string(bytes / kKilobyte) + " KB";
    return std::to_string(bytes) + " bytes";
}

}  // namespace

std::string notAFileCause(std::filesystem::file_type type) { return formatText(kNotAFile, kindInWords(type)); }

std::string notAFileCauseOfMode(unsigned int mode) {
    using Type = std::filesystem::file_type;
    Type type = Type::unknown;
    if (S_ISDIR(mode)) type = Type::directory;
    if (S_ISFIFO(mode)) type = Type::fifo;
    if (S_ISCHR(mode)) type = Type::character;
    if (S_ISBLK(mode)) type = Type::block;
    if (S_ISSOCK(mode)) type = Type::socket;
    if (S_ISLNK(mode)) type = Type::symlink;
    return notAFileCause(type);
}

std::string tooLargeCause(std::uint64_t largestBytes) {
    return formatText(kLargerThan, sizeInWords(largestBytes).c_str());
}

std::string systemErrorCause(int error) {
    std::string words = std::strerror(error);
    // The system's sentence follows a colon: "No such file" reads "no such file".
    if (words.size() > 1 && std::isupper(static_cast<unsigned char>(words[0])) &&
        std::islower(static_cast<unsigned char>(words[1]))) {
        words[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0])));
    }
    return words;
}

std::string writeErrorCause(int error) {
    if (error == ENOENT) return kNoFolder;
    if (error == ENOTDIR) return kFileForFolder;
    return systemErrorCause(error);
}

std::string withCause(std::string_view message, std::string_view cause) {
    std::string text(message);
    if (cause.empty()) return text;
    if (!text.empty() && text.back() != '\n') text += '\n';
    text += '(';
    text += cause;
    text += ')';
    return text;
}

std::string withCauseAfterColon(std::string_view message, std::string_view cause) {
    std::string text(message);
    if (!cause.empty()) {
        text += ": ";
        text += cause;
    }
    return text;
}

}  // namespace numora
