#include <gtest/gtest.h>

#include "platform/DevicePaths.h"

namespace numora {

TEST(DevicePaths, mapsDevicePathsUnderTheRootRefusesThoseThatLeaveItAndTakesAbsoluteHostPathsAsTheyAre) {
    const DevicePaths device("/r");
    EXPECT_EQ(device.toHost("\\Program Files\\Numora\\Numora.ini"), std::filesystem::path("/r/Program Files/Numora/Numora.ini"));
    EXPECT_EQ(device.toHost("\\"), std::filesystem::path("/r"));
    EXPECT_EQ(device.toHost("My Documents\\.\\a b.csv"), std::filesystem::path("/r/My Documents/a b.csv"));
    EXPECT_EQ(DevicePaths::join("\\Program Files\\Numora", "Lotto.dat"), "\\Program Files\\Numora\\Lotto.dat");
    EXPECT_EQ(DevicePaths::join("\\", "x"), "\\x");

    EXPECT_FALSE(device.toHost("\\Program Files\\..\\..\\etc\\passwd").has_value());
    EXPECT_FALSE(device.toHost("../x").has_value());
    EXPECT_FALSE(device.toHost("C:\\Windows").has_value());
    EXPECT_FALSE(device.toHost(std::string("\\a\0b", 4)).has_value());

    EXPECT_EQ(device.hostPathOf("/home/me/bell.wav"), std::filesystem::path("/home/me/bell.wav"));
    EXPECT_EQ(device.hostPathOf("\\My Documents\\a.wav"), std::filesystem::path("/r/My Documents/a.wav"));
    EXPECT_FALSE(device.hostPathOf("\\..\\outside.wav").has_value());
    EXPECT_FALSE(device.hostPathOf(std::string("/a\0b", 4)).has_value());
}

}  // namespace numora
