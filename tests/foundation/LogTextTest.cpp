#include "foundation/LogText.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

using namespace std::string_literals;

// Line breaks of every kind, NUL, other controls and malformed UTF-8 are escaped; text without
// them, backslashes and multibyte letters included, is returned byte for byte.
TEST(LogText, EscapesWhatCouldBreakALineOnly) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/a\\b/Ré 🎹.mid", "/home/a\\b/Ré 🎹.mid"},
        {"a\nb\rc\td\0e\x1B\x7F"s, "a\\nb\\rc\\td\\x00e\\x1B\\x7F"},
        {"\u0085\u2028\u2029\u00A0", "\\u0085\\u2028\\u2029\u00A0"},
        {"\xC3(\xE2\x82\xFF\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80\xFC\x84\x80\x80\x80\x80\xC3",
         "\\xC3(\\xE2\\x82\\xFF\\xC0\\xAF\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xFC\\x84\\x80\\x80"
         "\\x80\\x80\\xC3"},
    };
    for (const auto& [text, escaped] : cases) {
        EXPECT_EQ(escapedForLog(text), escaped);
    }
}

} // namespace
} // namespace tinkella
