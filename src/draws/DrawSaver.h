#pragma once

#include <functional>

#include "draws/DrawFile.h"

namespace numora {

// Saves a lottery's draws to its draw file; the window or command that owns
// the draws supplies it (DrawFile::save for the current lottery).
using DrawSaver = std::function<DrawFileResult(const DrawList&)>;

}  // namespace numora
