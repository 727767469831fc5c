#include "app/Backends.h"

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

// The first backend that opens wins and later ones are not tried; a forced name tries only
// that one; every failure is named; an unknown name is refused with the choices.
TEST(MidiBackends, ChoosesTheFirstThatOpensOrTheForcedOneAndReportsEveryFailure) {
    struct Case {
        std::vector<std::pair<std::string, OSStatus>> backends; // name, status when opened
        std::string forced;
        std::vector<std::string> tried;
        std::string chosen; // empty when nothing was opened
        std::string report;
    };
    const Case cases[] = {
        {{{"alsa", -2}, {"jack", 0}, {"third", 0}},
         "",
         {"alsa", "jack"},
         "jack",
         "alsa: -2; using jack"},
        {{{"alsa", 0}, {"jack", 0}}, "", {"alsa"}, "alsa", ""},
        {{{"alsa", 0}, {"jack", 17}},
         "jack",
         {"jack"},
         "",
         "no MIDI system could be opened (jack: 17)"},
        {{{"alsa", -2}, {"jack", 17}},
         "",
         {"alsa", "jack"},
         "",
         "no MIDI system could be opened (alsa: -2, jack: 17)"},
        {{{"alsa", 0}, {"jack", 0}},
         "coremidi",
         {},
         "",
         "unknown MIDI system 'coremidi' (choose alsa, jack, none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("forced '" + c.forced + "', expected report '" + c.report + "'");
        Table t;
        for (const auto& [name, status] : c.backends) {
            t.add(name, status);
        }
        MidiBackendChoice choice = chooseMidiBackend(t.backends, c.forced);
        EXPECT_EQ(t.tried, c.tried);
        EXPECT_EQ(static_cast<bool>(choice.system), !c.chosen.empty());
        if (!c.chosen.empty()) {
            EXPECT_EQ(choice.name, c.chosen);
        }
        EXPECT_EQ(choice.report, c.report);
    }
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

} // namespace
} // namespace tinkella
