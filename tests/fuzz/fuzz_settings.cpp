// Feeds arbitrary bytes to the settings reader as the user's settings file, and to the typing
// of stored texts on its own. Beyond the sanitizers it checks the readers' contract: every key
// decodes into its range whatever the file holds, and the store keeps answering after a write.
#include "fuzz/FuzzInput.h"
#include "foundation/DefaultsController.h"
#include "interfaces/DefaultsValue.h"
#include "model/Preferences.h"
#include "adapters/qt/QtSettingsStore.h"

#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace tinkella::fuzz {
namespace {

[[noreturn]] void fail(const char* what, std::string_view key) {
    std::fprintf(stderr, "fuzz_settings: %s (key %.*s)\n", what, static_cast<int>(key.size()),
                 key.data());
    std::abort();
}

// Every reading of a value; none may trap, and every key's decoder must answer a value of its
// range.
void readEveryWay(const DefaultsValue& value) {
    (void)value.integerValue();
    (void)value.realValue();
    (void)value.boolValue();
    (void)value.toString();
    (void)value.asBoolean();
    preferences::forEachSetting([&value](const auto& setting) {
        const auto decoded = setting.decode(value);
        if (!(decoded >= setting.minimum && decoded <= setting.maximum)) {
            fail("a value decodes outside its range", setting.key);
        }
    });
}

std::string scratchFile() {
    static const std::string directory = [] {
        std::string pattern = "/tmp/tinkella-fuzz-settings-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    static std::uint64_t counter = 0;
    return directory + "/Tinkella-" + std::to_string(++counter) + ".conf";
}

} // namespace
} // namespace tinkella::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tinkella;
    using namespace tinkella::fuzz;

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    readEveryWay(DefaultsValue::parse(bytes));

    const std::string path = scratchFile();
    {
        std::ofstream file(path, std::ios::binary);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    {
        auto store = std::make_unique<QtSettingsStore>(QString::fromStdString(path));
        QtSettingsStore& file = *store;
        DefaultsController defaults(std::move(store));
        defaults.registerDefaults(preferences::registeredDefaults());
        for (const auto& entry : preferences::registeredDefaults()) {
            readEveryWay(defaults.objectForKey(entry.first));
        }
        // A write after an odd file: the store must keep the value for this session whether
        // or not the file takes it.
        defaults.setObject(DefaultsValue::real(37.25), preferences::keyWidth);
        if (file.read(preferences::keyWidth) != DefaultsValue::real(37.25)) {
            fail("a written value does not read back", preferences::keyWidth);
        }
    }
    std::remove(path.c_str());
    return 0;
}
