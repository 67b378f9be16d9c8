#pragma once

#include <string>

namespace numora {

// A ball number, frequency or other count as the program writes it in lists,
// lines and files: at least two digits with leading zeros ("07", "49", "120");
// a negative value keeps its sign before the digits ("-01").
std::string twoDigitText(int value);

}  // namespace numora
