#pragma once

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "platform/CrtRandom.h"
#include "platform/DevicePaths.h"

namespace numora {

// What each writer that scripts/kill-test kills is given, "ROOT SEED": the
// device root it writes in, and the generator of what it writes.
struct WriterArguments {
    DevicePaths device;
    CrtRandom random;
};

// The arguments, or none after the usage was told on the error stream.
inline std::optional<WriterArguments> writerArguments(int argc, char** argv, const char* usage) {
    if (argc != 3) {
        std::cerr << usage << '\n';
        return std::nullopt;
    }
    return WriterArguments{DevicePaths(argv[1]), CrtRandom(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)))};
}

}  // namespace numora
