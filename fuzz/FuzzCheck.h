#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace numora::fuzz {

// Stops the run with a message when a property does not hold; libFuzzer keeps
// the input that broke it.
inline void check(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

inline std::string_view bytesOf(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace numora::fuzz
