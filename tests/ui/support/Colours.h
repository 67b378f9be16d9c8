#pragma once

#include <QColor>

#include <cstdlib>

namespace numora {

// Colours that differ by less than `tolerance`, summed over red, green and
// blue: for JPEG pictures and antialiased edges.
inline bool nearColour(const QColor& a, const QColor& b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) < tolerance;
}

}  // namespace numora
