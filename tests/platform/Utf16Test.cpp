#include <gtest/gtest.h>

#include "platform/Utf16.h"

namespace numora {

TEST(Utf16, convertsEveryPlaneAndKeepsLoneSurrogates) {
    const std::u16string text = u"Lotto 6/49 \u00e9\u20ac \U0001F3B1";
    EXPECT_EQ(toUtf16(fromUtf16(text)), text);
    EXPECT_EQ(fromUtf16(u"\u00e9"), "\xC3\xA9");
    const std::u16string lone = {u'a', char16_t{0xD800}, u'b', char16_t{0xDC00}};
    EXPECT_EQ(toUtf16(fromUtf16(lone)), lone);
    EXPECT_EQ(toUtf16("a\xFF" "b"), u"a\uFFFDb");
}

}  // namespace numora
