// Preferences: what one change costs. A key-size drag writes the setting on every step, so a
// write to the settings file and its delivery to every bound reader are on the path of each
// slider step; so is a whole step of the real slider with the application running.
#include "adapters/qt/QtSettingsStore.h"
#include "app/AppHarness.h"
#include "app/RealSlider.h"
#include "foundation/DefaultsController.h"
#include "model/Preferences.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using tinkella::DefaultsBinding;
using tinkella::DefaultsController;
using tinkella::DefaultsValue;

// One write of a real number to the INI file synced at once (what every write cost before
// writes were gathered, and what each gathered flush costs).
void BM_SettingsFileWriteSynced(benchmark::State& state) {
    QTemporaryDir dir;
    tinkella::QtSettingsStore store(dir.filePath("Quorvin/Tinkella.conf"));
    double value = 9.5;
    for (auto _ : state) {
        value = value > 90.0 ? 9.5 : value + 0.125;
        store.write("keyWidth", DefaultsValue::real(value));
        benchmark::DoNotOptimize(store.flush());
    }
}
BENCHMARK(BM_SettingsFileWriteSynced)->Unit(benchmark::kMicrosecond);

// A write through the key path, delivered to N bound readers, on the in-memory store.
void BM_BindingDelivery(benchmark::State& state) {
    DefaultsController defaults(std::make_unique<tinkella::InMemoryDefaultsStore>());
    defaults.registerDefaults(tinkella::preferences::registeredDefaults());
    std::vector<DefaultsBinding> bindings;
    double sink = 0;
    for (int i = 0; i < state.range(0); ++i) {
        bindings.push_back(defaults.bind(
            "values.keyWidth", [&sink](const DefaultsValue& v) { sink += v.realValue(); }));
    }
    double value = 9.5;
    for (auto _ : state) {
        value = value > 90.0 ? 9.5 : value + 0.125;
        defaults.setValue(DefaultsValue::real(value), "values.keyWidth");
    }
    benchmark::DoNotOptimize(sink);
}
BENCHMARK(BM_BindingDelivery)->Arg(1)->Arg(4)->Arg(16)->Unit(benchmark::kMicrosecond);

// One drag step of the "Key size" slider with the whole application running offscreen: the
// store write, the strip's and the piano window's bindings (re-layout, scroll, redraw
// requests), without painting.
// With the real settings file behind the store (state.range(0) == 1) the step also writes
// the value to the file's store; the file itself is written later.
void BM_KeySizeSliderStep(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tinkella::testing::ensureQtApplication();
    QTemporaryDir dir;
    std::unique_ptr<tinkella::DefaultsStore> store;
    if (state.range(0) == 1) {
        store = std::make_unique<tinkella::QtSettingsStore>(dir.filePath("Tinkella.conf"));
    } else {
        store = std::make_unique<tinkella::InMemoryDefaultsStore>();
    }
    tinkella::testing::AppHarness app(std::move(store));
    app.launch();
    tinkella::app::RealSlider* slider = app.settings().general().keyWidthSlider();
    int steps = slider->toSteps(9.5);
    for (auto _ : state) {
        steps = steps >= slider->maximum() ? 0 : steps + 125;
        slider->setSliderPosition(steps);
    }
    // The file's folder goes with this benchmark; the store must not outlive it.
    DefaultsController::shared().replaceStore(nullptr);
}
BENCHMARK(BM_KeySizeSliderStep)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
