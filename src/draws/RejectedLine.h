#pragma once

#include <string>

namespace numora {

// A line of an imported file that gives no draw, and why, with its number
// from 1: "line 12: 5 numbers where the lottery has 6".
struct RejectedLine {
    int line = 0;
    std::string reason;
};

}  // namespace numora
