#include <gtest/gtest.h>

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

}  // namespace numora
