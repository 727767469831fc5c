#include "platform/midi/MidiBackends.h"

#include "support/FakeMidiSystem.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

using testing::FakeMidiSystem;

struct Table {
    std::vector<std::string> tried;
    std::vector<MidiBackend> backends;

    void add(const std::string& name, OSStatus status) {
        backends.push_back({name, [this, name, status](OSStatus& out) {
                                tried.push_back(name);
                                out = status;
                                return status == 0 ? std::make_unique<FakeMidiSystem>()
                                                   : std::unique_ptr<FakeMidiSystem>();
                            }});
    }
};

TEST(MidiBackends, FirstThatOpensWinsAndLaterOnesAreNotTried) {
    Table t;
    t.add("alsa", -2);
    t.add("jack", 0);
    t.add("third", 0);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "");
    ASSERT_TRUE(choice.system);
    EXPECT_EQ(choice.name, "jack");
    EXPECT_EQ(t.tried, (std::vector<std::string>{"alsa", "jack"}));
    EXPECT_EQ(choice.report, "alsa: -2; using jack");
}

TEST(MidiBackends, FirstOpeningAtOnceReportsNothing) {
    Table t;
    t.add("alsa", 0);
    t.add("jack", 0);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "");
    EXPECT_EQ(choice.name, "alsa");
    EXPECT_TRUE(choice.report.empty());
}

TEST(MidiBackends, ForcedNameTriesOnlyThatBackend) {
    Table t;
    t.add("alsa", 0);
    t.add("jack", 17);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "jack");
    EXPECT_FALSE(choice.system);
    EXPECT_EQ(t.tried, (std::vector<std::string>{"jack"}));
    EXPECT_EQ(choice.report, "no MIDI system could be opened (jack: 17)");
}

TEST(MidiBackends, NoneOpensNothing) {
    Table t;
    t.add("alsa", 0);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "none");
    EXPECT_FALSE(choice.system);
    EXPECT_EQ(choice.name, "none");
    EXPECT_TRUE(t.tried.empty());
    EXPECT_TRUE(choice.report.empty());
}

TEST(MidiBackends, AllFailingNamesEveryFailure) {
    Table t;
    t.add("alsa", -2);
    t.add("jack", 17);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "");
    EXPECT_FALSE(choice.system);
    EXPECT_EQ(choice.report, "no MIDI system could be opened (alsa: -2, jack: 17)");
}

TEST(MidiBackends, UnknownNameIsRefusedWithTheChoices) {
    Table t;
    t.add("alsa", 0);
    t.add("jack", 0);
    MidiBackendChoice choice = chooseMidiBackend(t.backends, "coremidi");
    EXPECT_FALSE(choice.system);
    EXPECT_TRUE(t.tried.empty());
    EXPECT_EQ(choice.report, "unknown MIDI system 'coremidi' (choose alsa, jack, none)");
}

} // namespace
} // namespace tinkella
