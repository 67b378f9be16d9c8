#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace numora {

// Colours that differ by less than `tolerance`, summed over red, green and
// blue: for JPEG pictures and antialiased edges.
inline bool nearColour(const QColor& a, const QColor& b, int tolerance = 40) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <
           tolerance;
}

// JPEG pictures of one plain colour each, a different one per file, so a
// shown picture tells which file it was read from.
class PlainPictures {
public:
    void write(const std::filesystem::path& file) {
        const QColor colour = QColor::fromHsv(static_cast<int>(written_.size() * 47 % 360), 255, 230);
        QImage picture(12, 10, QImage::Format_RGB32);
        picture.fill(colour);
        ASSERT_TRUE(picture.save(QString::fromStdString(file.string()), "JPG", 100)) << file;
        written_.emplace_back(file.filename().string(), colour);
    }

    // The name of the file of this colour, or of the picture's centre; empty for none.
    std::string nameOf(const QColor& colour) const {
        for (const auto& [name, written] : written_)
            if (nearColour(colour, written)) return name;
        return {};
    }
    std::string nameOf(const QPixmap& picture) const {
        return picture.isNull() ? std::string()
                                : nameOf(picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2));
    }

private:
    std::vector<std::pair<std::string, QColor>> written_;
};

}  // namespace numora
