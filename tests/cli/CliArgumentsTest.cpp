#include <gtest/gtest.h>

#include "CliCommand.h"

namespace numora {

TEST(CliArguments, splitsPositionalWordsValuedOptionsAndFlags) {
    std::string error;
    const auto arguments =
        CliArguments::parse({"Lotto", "--balls", "6", "--sort", "extra"}, {"--balls"}, {"--sort"}, error);
    ASSERT_TRUE(arguments.has_value()) << error;
    EXPECT_EQ(arguments->positional(), (std::vector<std::string>{"Lotto", "extra"}));
    EXPECT_TRUE(arguments->has("--sort"));
    EXPECT_EQ(arguments->intValue("--balls", 0, error), 6);
    EXPECT_EQ(arguments->intValue("--min", 1, error), 1);
}

TEST(CliArguments, refusesUnknownOptionsMissingValuesAndNonNumbers) {
    std::string error;
    EXPECT_FALSE(CliArguments::parse({"--colour", "red"}, {"--balls"}, {}, error).has_value());
    EXPECT_EQ(error, "unknown option --colour");
    EXPECT_FALSE(CliArguments::parse({"--balls"}, {"--balls"}, {}, error).has_value());
    EXPECT_EQ(error, "option --balls needs a value");
    const auto arguments = CliArguments::parse({"--balls", "6x"}, {"--balls"}, {}, error);
    ASSERT_TRUE(arguments.has_value());
    EXPECT_FALSE(arguments->intValue("--balls", 0, error).has_value());
    EXPECT_EQ(error, "option --balls needs a whole number, not \"6x\"");
}

}  // namespace numora
