#include <gtest/gtest.h>

#include <cerrno>

#include "platform/FileProblem.h"

namespace numora {

TEST(FileProblem, aCauseFollowsTheMessageOnALineOfItsOwnAndSizesReadInTheirLargestWholeUnit) {
    EXPECT_EQ(withCause("Error 201, CSV file read error\nUnable to open.", "it is a pipe, not a file"),
              "Error 201, CSV file read error\nUnable to open.\n(it is a pipe, not a file)");
    EXPECT_EQ(withCause("Error 208, Data File creation Error\n", systemErrorCause(ENOSPC)),
              "Error 208, Data File creation Error\n(no space left on device)");
    EXPECT_EQ(withCause("ERROR 1003! Unable to open Export File", ""), "ERROR 1003! Unable to open Export File");
    EXPECT_EQ(tooLargeCause(std::uint64_t{32} << 20), "it is larger than 32 MB");
    EXPECT_EQ(tooLargeCause(64 * 1024), "it is larger than 64 KB");
    EXPECT_EQ(tooLargeCause(1000), "it is larger than 1000 bytes");
}

}  // namespace numora
