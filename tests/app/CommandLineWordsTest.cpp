// Command-line words: which are refused, where the options end, and how refused words are echoed.
#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace tinkella::app {
namespace {

// Options take their value in either form; unknown names are refused with the choices; the
// toolkit's own options pass through; "--" ends the options.
TEST(CommandLineWords, OnlyKnownOptionsPassAndDoubleDashEndsThem) {
    const struct {
        std::vector<std::string> words;
        std::string error; // a part of it; empty: accepted
        std::string midi;
    } cases[] = {
        {{"--midi=jack", "--audio", "none"}, "", "jack"},
        {{"-platform", "offscreen", "-style", "fusion"}, "", ""},
        {{"--midi=coremidi"}, "alsa|jack|none", "coremidi"},
        {{"--audio=asio"}, "pulseaudio", ""},
        {{"--midi"}, "--midi", ""},
        {{"-hv"}, "unknown option -hv", ""},
        {{"--", "-x", "--frobnicate"}, "", ""},
        {{"-", "file"}, "", ""},
        {{"-style", "-x"}, "", ""},
        {{"-stylesheet=a.qss", "-x"}, "unknown option -x", ""},
        {{"-reverse=1"}, "unknown option -reverse=1", ""},
        {{"-x\x1b[2J\xff"}, "unknown option -x\\x1b[2J\\xff", ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"tinkella"};
        args.insert(args.end(), c.words.begin(), c.words.end());
        const LaunchOptions o =
            parseCommandLine(args, {"alsa", "jack", "none"}, {"pulseaudio", "none"});
        EXPECT_EQ(o.error.empty(), c.error.empty()) << args[1] << ": " << o.error;
        EXPECT_NE(o.error.find(c.error), std::string::npos) << o.error;
        EXPECT_EQ(o.midiBackend.value_or(""), c.midi);
    }
}

TEST(CommandLineWords, OnlyPrintableCharactersAreEchoedAsThemselves) {
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain text", "plain text"},
        {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},
        {"\x7f\t\n", "\\x7f\\x09\\x0a"},
        {"Gro\xc3\x9f \xe2\x82\xac \xf0\x9f\x8e\xb9", "Gro\xc3\x9f \xe2\x82\xac \xf0\x9f\x8e\xb9"},
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b31m"},                                       // C1 control sequence introducer
        {"\xc0\xaf \xed\xa0\x80", "\\xc0\\xaf \\xed\\xa0\\x80"}, // overlong, surrogate
        {"\xe2\x82", "\\xe2\\x82"},                              // cut short
        {"\xf4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"},            // beyond U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(escaped(c.text), c.shown);
    }
}

} // namespace
} // namespace tinkella::app
