// Preferences: what one change costs. A key-size drag writes the setting on every step, so a
// write to the settings file and its delivery to every bound reader are on the path of each
// slider step; so is a whole step of the real slider with the application running.
#include "app/AppHarness.h"
#include "app/RealSlider.h"
#include "platform/defaults/DefaultsController.h"
#include "platform/defaults/Preferences.h"
#include "platform/defaults/QtSettingsStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using tinkella::DefaultsBinding;
using tinkella::DefaultsController;
using tinkella::DefaultsValue;

// One write of a real number to the INI file, synced to disk as the store does on every write.
void BM_SettingsFileWrite(benchmark::State& state) {
    QTemporaryDir dir;
    tinkella::QtSettingsStore store(dir.filePath("Quorvin/Tinkella.conf"));
    double value = 9.5;
    for (auto _ : state) {
        value = value > 90.0 ? 9.5 : value + 0.125;
        benchmark::DoNotOptimize(store.write("keyWidth", DefaultsValue::real(value)));
    }
}
BENCHMARK(BM_SettingsFileWrite)->Unit(benchmark::kMicrosecond);

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
void BM_KeySizeSliderStep(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    tinkella::testing::AppHarness app;
    app.launch();
    tinkella::app::RealSlider* slider = app.settings().keyWidthSlider();
    int steps = slider->toSteps(9.5);
    for (auto _ : state) {
        steps = steps >= slider->maximum() ? 0 : steps + 125;
        slider->setSliderPosition(steps);
    }
}
BENCHMARK(BM_KeySizeSliderStep)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
