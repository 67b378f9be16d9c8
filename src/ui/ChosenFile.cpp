#include "ui/ChosenFile.h"

#include "platform/DevicePaths.h"

namespace numora {

std::filesystem::path chosenHostFile(const DevicePaths& device, const std::string& answer) {
    if (answer.starts_with('/')) return answer;
    return device.toHost(answer).value_or(std::filesystem::path());
}

}  // namespace numora
