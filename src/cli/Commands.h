#pragma once

#include "CliCommand.h"

namespace numora {

// One declaration per command; each lives in its own Command*.cpp file.

}  // namespace numora
