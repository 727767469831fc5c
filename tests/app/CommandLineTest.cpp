// The command line: options, their values, and the check for a display.
#include "app/CommandLine.h"

#include <gtest/gtest.h>
#include <map>

namespace tinkella::app {
namespace {

const std::vector<std::string> midi{"alsa", "jack", "none"};
const std::vector<std::string> audio{"jack", "pulseaudio", "alsa", "sdl2", "none"};

LaunchOptions parse(std::vector<std::string> args) {
    args.insert(args.begin(), "tinkella");
    return parseCommandLine(args, midi, audio);
}

TEST(CommandLine, NoArgumentsChooseNothing) {
    const LaunchOptions o = parse({});
    EXPECT_TRUE(o.error.empty());
    EXPECT_FALSE(o.help);
    EXPECT_FALSE(o.version);
    EXPECT_FALSE(o.midiBackend);
    EXPECT_FALSE(o.audioBackend);
}

TEST(CommandLine, BackendsTakeTheirValueInEitherForm) {
    const LaunchOptions o = parse({"--midi=jack", "--audio", "none"});
    EXPECT_TRUE(o.error.empty()) << o.error;
    EXPECT_EQ(o.midiBackend, "jack");
    EXPECT_EQ(o.audioBackend, "none");
}

TEST(CommandLine, UnknownBackendsAndOptionsAreRefusedWithTheChoices) {
    EXPECT_NE(parse({"--midi=coremidi"}).error.find("alsa|jack|none"), std::string::npos);
    EXPECT_NE(parse({"--audio=asio"}).error.find("pulseaudio"), std::string::npos);
    EXPECT_NE(parse({"--frobnicate"}).error.find("--frobnicate"), std::string::npos);
    EXPECT_FALSE(parse({"--midi"}).error.empty());
}

TEST(CommandLine, ToolkitOptionsPassThrough) {
    const LaunchOptions o = parse({"-platform", "offscreen", "-style", "fusion"});
    EXPECT_TRUE(o.error.empty());
    EXPECT_TRUE(o.namesPlatform);
}

TEST(CommandLine, HelpAndVersion) {
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"-h"}).help);
    EXPECT_TRUE(parse({"--version"}).version);
    EXPECT_EQ(versionText().rfind("Tinkella 1.", 0), 0u) << versionText();
    EXPECT_NE(versionText().find("FluidSynth"), std::string::npos);
    const std::string usage = usageText(midi, audio);
    EXPECT_NE(usage.find("--midi=NAME"), std::string::npos);
    EXPECT_EQ(usage.back(), '\n');
}

TEST(CommandLine, ADisplayNeedsAServerOrAPlatform) {
    std::map<std::string, std::string> env;
    const auto getenv = [&env](const char* name) -> const char* {
        const auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    };
    EXPECT_FALSE(hasDisplay(getenv, false));
    EXPECT_TRUE(hasDisplay(getenv, true));
    env["DISPLAY"] = "";
    EXPECT_FALSE(hasDisplay(getenv, false));
    env["DISPLAY"] = ":0";
    EXPECT_TRUE(hasDisplay(getenv, false));
    env.clear();
    env["WAYLAND_DISPLAY"] = "wayland-0";
    EXPECT_TRUE(hasDisplay(getenv, false));
    env.clear();
    env["QT_QPA_PLATFORM"] = "offscreen";
    EXPECT_TRUE(hasDisplay(getenv, false));
}

} // namespace
} // namespace tinkella::app
