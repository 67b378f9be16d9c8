#include <gtest/gtest.h>

#include "platform/PrintableText.h"

namespace numora {

TEST(PrintableText, controlCharactersAreEscapedWhileLineEndsTabsAndOtherTextStay) {
    EXPECT_EQ(printableText("\x1B]0;title\x07\x1B[2J\r\x7F"), "\\x1B]0;title\\x07\\x1B[2J\\x0D\\x7F");
    EXPECT_EQ(printableText("line 1\nline\t2"), "line 1\nline\t2");
    // C1 controls, such as the one-character CSI, and bytes that are not UTF-8.
    EXPECT_EQ(printableText("\xC2\x9B" "2J \xC2\xA0\xC3\xA9\xE2\x82\xAC \x9B\xFF"),
              "\\u009B2J \xC2\xA0\xC3\xA9\xE2\x82\xAC \xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(printableText(std::string("a\0b", 3)), "a\\x00b");
}

}  // namespace numora
