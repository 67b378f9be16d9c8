#include "platform/FileBytes.h"

#include <exception>
#include <fstream>
#include <system_error>

namespace numora {

std::optional<std::string> readWholeFile(const std::filesystem::path& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return std::nullopt;
    std::error_code error;
    const auto size = std::filesystem::file_size(fileName, error);
    if (error) return std::nullopt;
    try {
        std::string bytes(size, '\0');
        if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return std::nullopt;
        return bytes;
    } catch (const std::exception&) {  // no memory for a file of that size
        return std::nullopt;
    }
}

}  // namespace numora
