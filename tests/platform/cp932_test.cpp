// Shift-JIS conversion: the round trip of valid text, and bad bytes replaced without losing the rest.
#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

using platform::Cp932ToUtf8;
using platform::Utf8ToCp932;

TEST(Cp932, RoundTripsTheGamesText)
{
    struct Case { std::string utf8; std::string cp932; };
    const Case cases[] = {
        // The Windows mappings of the wave dash and minus, which plain Shift-JIS lacks.
        {"ＭＳ Ｐ明朝～－", "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9\x81\x60\x81\x7C"},
        {"ｼｮｯﾄ", "\xBC\xAE\xAF\xC4"},
        {"Velkaro Ver1.20", "Velkaro Ver1.20"},
        {"①Ⅰ㈱", "\x87\x40\x87\x54\x87\x8A"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp932(c.utf8), c.cp932) << c.utf8;
        EXPECT_EQ(Cp932ToUtf8(c.cp932), c.utf8) << c.utf8;
    }
    // Long enough to need more than one pass of the output buffer.
    std::string longText;
    for (int i = 0; i < 400; ++i)
        longText += "持ちカード";
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(longText)), longText);
}

TEST(Cp932, BadInputIsReplacedAndTheRestKept)
{
    struct Case { std::string input; std::string output; bool toUtf8; };
    const Case cases[] = {
        {"A\x80" "B", "A\xEF\xBF\xBD" "B", true},            // a byte that starts nothing
        {"\x82\x6C\xFF\x82\x72", "Ｍ\xEF\xBF\xBDＳ", true},    // between two good characters
        {"OK\x82", "OK\xEF\xBF\xBD", true},                  // a lead byte cut off at the end
        {"a\xC3(b", "a?(b", false},                          // broken UTF-8
        {"x😀y", "x?y", false},                              // not in the code page
        {"末尾\xE6\x97", "\x96\x96\x94\xF6?", false},         // UTF-8 cut off at the end
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.toUtf8 ? Cp932ToUtf8(c.input) : Utf8ToCp932(c.input), c.output);
}

} // namespace
