#include <gtest/gtest.h>

TEST(QtAdapters, build) { SUCCEED(); }
