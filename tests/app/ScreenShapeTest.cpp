#include <gtest/gtest.h>

#include "app/DesktopScale.h"
#include "app/ScreenShape.h"

namespace numora {

TEST(ScreenShape, squareThenShortLandscapeThenPortrait) {
    EXPECT_EQ(screenShapeOf({240, 240}), ScreenShape::Square);
    EXPECT_EQ(screenShapeOf({320, 240}), ScreenShape::Landscape);
    EXPECT_EQ(screenShapeOf({240, 320}), ScreenShape::Portrait);
    EXPECT_EQ(screenShapeOf({640, 480}), ScreenShape::Portrait);  // wide, but not below 320 high
    EXPECT_EQ(screenShapeOf({200, 319}), ScreenShape::Landscape);
}

TEST(ScreenShape, parsesWidthByHeight) {
    EXPECT_EQ(parseScreenSize("320x240"), (ScreenSize{320, 240}));
    EXPECT_FALSE(parseScreenSize("320").has_value());
    EXPECT_FALSE(parseScreenSize("0x240").has_value());
    EXPECT_FALSE(parseScreenSize("320x240x1").has_value());
    EXPECT_FALSE(parseScreenSize("-5x240").has_value());
}

TEST(DesktopScale, largestHalfStepThatFitsIn85PercentOfTheScreenOnTopOfTheDesktopScaling) {
    const ScreenSize portrait{240, 320};
    const struct {
        DesktopScreen screen;
        ScreenSize window;
        double scale;
    } cases[] = {
        {{1920, 1040, 1.0}, portrait, 2.0},
        {{1366, 728, 1.0}, portrait, 1.5},  // 640 does not fit in 618, 480 does
        {{1024, 565, 1.0}, portrait, 1.5},  // 480 fits in 480.25 ...
        {{1024, 564, 1.0}, portrait, 1.0},  // ... not in 479.4, and 1 is the least
        {{800, 600, 1.0}, portrait, 1.5},
        {{800, 753, 1.0}, portrait, 2.0},   // 640 just fits in 640.05
        {{800, 752, 1.0}, portrait, 1.5},
        // A desktop at 200% has half the room in its own units, whatever its pixels.
        {{3840, 2080, 2.0}, portrait, 2.0},
        {{2560, 1400, 2.0}, portrait, 1.5},
        {{2880, 1800, 1.5}, portrait, 2.0},
        {{1920, 1040, 2.0}, portrait, 1.0},
        // The width counts as well: a landscape window on a narrow portrait screen.
        {{600, 1900, 1.0}, {320, 240}, 1.5},
        {{1920, 1040, 0.0}, portrait, 2.0},  // a ratio the desktop did not report counts as 1
        {{0, 0, 1.0}, portrait, 1.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(desktopScale(c.screen, c.window), c.scale)
            << c.screen.availableWidth << "x" << c.screen.availableHeight << " at " << c.screen.devicePixelRatio;
    }
}

}  // namespace numora
