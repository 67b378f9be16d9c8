#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>

#include "platform/CrtRandom.h"
#include "platform/DevicePaths.h"

namespace numora {

// Runs a writer that scripts/kill-test kills, given "ROOT SEED": `write`
// writes in the device root what the seeded generator makes, and says
// whether it saved. The exit status of the program.
inline int runWriter(int argc, char** argv, const char* usage,
                     const std::function<bool(const DevicePaths&, CrtRandom&)>& write) {
    if (argc != 3) {
        std::cerr << usage << '\n';
        return EXIT_FAILURE;
    }
    CrtRandom random(static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    return write(DevicePaths(argv[1]), random) ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace numora
