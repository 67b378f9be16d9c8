#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// Lets the user choose one file matching a filter such as "*.csv". The answer
// is a device path ("\My Documents\draws.csv": the chooser's folder path
// followed by the file name) or, for a file picked outside the device root, an
// absolute host path; nothing when the user cancels. Windows take one of these
// so that tests can answer without a modal chooser.
using ChooseFile = std::function<std::optional<std::string>(std::string_view filter)>;

}  // namespace numora
