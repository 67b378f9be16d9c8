#include "platform/DevicePaths.h"

#include <utility>

namespace numora {

DevicePaths::DevicePaths(std::filesystem::path root) : root_(std::move(root)) {}

std::optional<std::filesystem::path> DevicePaths::toHost(std::string_view devicePath) const {
    if (devicePath.find('\0') != std::string_view::npos) return std::nullopt;
    if (devicePath.size() >= 2 && devicePath[1] == ':') return std::nullopt;
    std::filesystem::path host = root_;
    std::size_t start = 0;
    while (start <= devicePath.size()) {
        std::size_t end = devicePath.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = devicePath.size();
        const std::string_view part = devicePath.substr(start, end - start);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") host /= std::string(part);
        start = end + 1;
    }
    return host;
}

std::optional<std::filesystem::path> DevicePaths::hostPathOf(std::string_view chosen) const {
    if (chosen.find('\0') == std::string_view::npos) {
        std::filesystem::path host{std::string(chosen)};
        if (host.is_absolute()) return host;
    }
    return toHost(chosen);
}

std::string DevicePaths::join(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (path.empty() || path.back() != '\\') path.push_back('\\');
    path.append(name);
    return path;
}

}  // namespace numora
