// Feeds arbitrary bytes to the settings reader as the user's settings file, and to the typing of
// stored texts on its own. Every key must decode into its range whatever the file holds, and the
// store must keep answering after a write.
#include "adapters/qt/QtSettingsStore.h"
#include "foundation/DefaultsController.h"
#include "interfaces/DefaultsValue.h"
#include "model/Preferences.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace tinkella {
namespace {

[[noreturn]] void fail(const char* what, std::string_view key) {
    std::fprintf(stderr, "fuzz_settings: %s (key %.*s)\n", what, int(key.size()), key.data());
    std::abort();
}

void readEveryWay(const DefaultsValue& value) {
    (void)value.integerValue(), (void)value.realValue(), (void)value.boolValue();
    (void)value.toString(), (void)value.asBoolean();
    preferences::forEachSetting([&value](const auto& setting) {
        const auto decoded = setting.decode(value);
        if constexpr (requires { setting.minimum; }) {
            if (!(decoded >= setting.minimum && decoded <= setting.maximum)) {
                fail("a value decodes outside its range", setting.key);
            }
        }
    });
}

// A new file each run: the settings store may cache a file it has read by its name.
std::string scratchFile() {
    static std::uint64_t counter = 0;
    return "/tmp/tinkella-fuzz-settings-" + std::to_string(::getpid()) + "-" +
           std::to_string(++counter) + ".conf";
}

} // namespace
} // namespace tinkella

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tinkella;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readEveryWay(DefaultsValue::parse(bytes));

    const std::string path = scratchFile();
    std::ofstream(path, std::ios::binary) << bytes;
    {
        auto store = std::make_unique<QtSettingsStore>(QString::fromStdString(path));
        QtSettingsStore& file = *store;
        DefaultsController defaults(std::move(store));
        defaults.registerDefaults(preferences::registeredDefaults());
        for (const auto& entry : preferences::registeredDefaults()) {
            readEveryWay(defaults.objectForKey(entry.first));
        }
        // Whether or not an odd file takes a write, the store keeps the value for the session.
        defaults.setObject(DefaultsValue::real(37.25), preferences::keyWidth);
        if (file.read(preferences::keyWidth) != DefaultsValue::real(37.25)) {
            fail("a written value does not read back", preferences::keyWidth);
        }
    }
    std::remove(path.c_str());
    return 0;
}
