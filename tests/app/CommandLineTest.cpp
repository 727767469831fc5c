#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace tinkella::app {
namespace {

// Options take their value in either form; unknown names are refused with the choices; the
// toolkit's own options pass through.
TEST(CommandLine, OptionsAndTheirErrors) {
    const struct {
        std::vector<std::string> args;
        std::string error; // a part of it; empty: none
        std::string midi;
    } cases[] = {{{"--midi=jack", "--audio", "none"}, "", "jack"},
                 {{"-platform", "offscreen", "-style", "fusion"}, "", ""},
                 {{"--midi=coremidi"}, "alsa|jack|none", "coremidi"},
                 {{"--audio=asio"}, "pulseaudio", ""},
                 {{"--frobnicate"}, "--frobnicate", ""},
                 {{"--midi"}, "--midi", ""}};
    for (const auto& c : cases) {
        std::vector<std::string> args{"tinkella"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const LaunchOptions o =
            parseCommandLine(args, {"alsa", "jack", "none"}, {"pulseaudio", "none"});
        EXPECT_EQ(o.error.empty(), c.error.empty()) << o.error;
        EXPECT_NE(o.error.find(c.error), std::string::npos) << o.error;
        EXPECT_EQ(o.midiBackend.value_or(""), c.midi);
    }
    EXPECT_TRUE(hasDisplay(
        [](const char* name) { return std::string(name) == "WAYLAND_DISPLAY" ? "w" : nullptr; },
        false));
}

} // namespace
} // namespace tinkella::app
