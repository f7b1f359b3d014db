#include "print/device/printable_text.h"

#include <gtest/gtest.h>

#include <string>

namespace calvex {
namespace {

using namespace std::string_literals;

TEST(PrintableText, EveryCharacterXmlForbidsBecomesOneMark) {
    for (char control = 0; control < 0x20; ++control) {
        if (control == '\t' || control == '\n' || control == '\r') continue;
        EXPECT_EQ(printableText("a"s + control + "b"), "a?b") << int(control);
    }
    EXPECT_EQ(printableText("\xEF\xBF\xBE|\xEF\xBF\xBF"), "?|?"); // U+FFFE, U+FFFF
    // Bytes that are not UTF-8: a stray continuation byte, a cut sequence,
    // an overlong form, a surrogate half, a code point past U+10FFFF, a
    // byte no sequence starts with.
    EXPECT_EQ(printableText("\x80|\xE2\x82|\xC0\xAF|\xED\xA0\x80|\xF4\x90\x80\x80|\xFF"), "?|?|?|?|?|?");
    EXPECT_EQ(printableText("fine\xE2\x82"), "fine?");
}

TEST(PrintableText, ANulEndsNothing) {
    EXPECT_EQ(printableText("Casa\0Rossi\0"s), "Casa?Rossi?");
    EXPECT_EQ(printableText("\0"s), "?");
}

TEST(PrintableText, EverythingElseStaysAsItIs) {
    // Tab, line ends, accents, the euro, U+FFFD itself, a character beyond
    // the first plane, DEL and a C1 control, which XML 1.0 allows.
    const std::string kept =
        "a\tb\nc\r\n\xC3\xA0\xC3\xA8 \xE2\x82\xAC \xEF\xBF\xBD \xF0\x9F\x8F\xA0 \x7F\xC2\x85 <&>\"";
    EXPECT_EQ(printableText(kept), kept);
    EXPECT_EQ(printableText(""), "");
}

} // namespace
} // namespace calvex
