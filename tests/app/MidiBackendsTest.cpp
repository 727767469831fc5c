#include "app/Backends.h"
#include "app/Composition.h"
#include "support/FakeMidiPort.h"

#include <gtest/gtest.h>

namespace tinkella {
namespace {

// The first backend that opens wins and later ones are not tried; a forced name tries only
// that one; "none" opens nothing; every failure is named, in the system's words; an unknown
// name gets the choices.
TEST(MidiBackends, ChoosesTheFirstThatOpensOrTheForcedOneAndReportsEveryFailure) {
    const struct {
        MidiStatus alsa, jack;
        std::string forced, tried, chosen, report;
    } cases[] = {
        {0, 0, "", "alsa ", "alsa", ""},
        {0, -111, "jack", "jack ", "", "no MIDI system could be opened (jack: Connection refused)"},
        {-2, 17, "", "alsa jack ", "",
         "no MIDI system could be opened (alsa: No such file or directory, jack: "
         "JackFailure|JackServerFailed)"},
        {0, 0, "coremidi", "", "", "unknown MIDI system 'coremidi' (choose alsa, jack, none)"},
    };
    for (const auto& c : cases) {
        std::string tried;
        std::vector<MidiBackend> backends;
        for (const auto& [name, status] : {std::pair{"alsa", c.alsa}, std::pair{"jack", c.jack}}) {
            backends.push_back({name,
                                [&tried, name, status](MidiStatus& out) {
                                    tried += std::string(name) + " ";
                                    out = status;
                                    return status == 0 ? std::make_unique<testing::FakeMidiPort>()
                                                       : nullptr;
                                },
                                app::midiBackends()[backends.size()].describe});
        }
        const MidiBackendChoice choice = chooseMidiBackend(backends, c.forced);
        EXPECT_EQ(tried, c.tried) << c.report;
        EXPECT_EQ(choice.port ? choice.name : "", c.chosen) << c.report;
        EXPECT_EQ(choice.report, c.report);
    }
}

} // namespace
} // namespace tinkella
