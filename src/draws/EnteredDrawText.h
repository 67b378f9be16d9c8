#pragma once

#include <array>
#include <string>
#include <variant>

#include "draws/DrawCheck.h"

namespace numora {

// The texts of the Past Draws window's eight number boxes, in the order of
// EnteredDraw.
using EnteredDrawTexts = std::array<std::string, std::tuple_size_v<EnteredDraw>>;

// The numbers the boxes hold. The first box that does not hold a whole
// number (digits only, at most 2147483647), an empty box among them, is
// refused with a message naming it; its text is kept for the user to mend.
std::variant<EnteredDraw, DrawCheckFailure> readEnteredDraw(const EnteredDrawTexts& texts);

}  // namespace numora
