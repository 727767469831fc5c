// Piano view costs: the strip's pressed-key update with ten fingers down, and one full drawing
// pass of the window view and of the strip through the QPainter context into an image.
#include "adapters/qt/QtPainterDrawContext.h"
#include "foundation/NotificationCenter.h"
#include "model/PianoController.h"
#include "model/PianoKey.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "view/PianoView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace tinkella;

// A keyboard model on a silent synthesiser and an unavailable MIDI output.
struct Keyboard {
    MIDIOutput midi{nullptr};
    NotificationCenter center;
    PianoController piano{std::make_unique<SoundController>(nullptr), midi, center};
};

void stripUpdateWithTenFingers(benchmark::State& state) {
    Keyboard keyboard;
    PianoView strip(Rect(0, 0, 1085, 30), true, keyboard.piano, keyboard.center);
    std::vector<TouchRecord> touches;
    for (int i = 0; i < 10; ++i) {
        touches.push_back({"finger" + std::to_string(i), TouchPhase::began, TouchType::direct,
                           Point{40.0 + 100.0 * i, 15}, std::nullopt});
    }
    strip.touchesBegan(touches);
    for (auto _ : state) {
        strip.updatePressedKeys();
    }
}
BENCHMARK(stripUpdateWithTenFingers);

QGuiApplication& application() {
    static int argc = 1;
    static char name[] = "bench_view";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

void drawPasses(benchmark::State& state, PianoView& view) {
    const Rect bounds = view.bounds();
    QImage image(static_cast<int>(bounds.size.width), static_cast<int>(bounds.size.height),
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        QtPainterDrawContext context(painter, bounds.size.height);
        view.draw(context);
    }
    benchmark::DoNotOptimize(image.constBits());
}

void drawWindowTenKeysWithLabels(benchmark::State& state) {
    application();
    Keyboard keyboard;
    PianoView window(Rect(0, 0, 1200, 270), false, keyboard.piano, keyboard.center);
    window.storeNoteOffset(48);
    for (std::int64_t note : {48, 49, 50, 52, 53, 54, 55, 57, 58, 59}) {
        keyboard.piano.keys().at(static_cast<std::size_t>(note)).isPressedOnScreen = true;
    }
    keyboard.center.post(PianoResizingStarted);
    drawPasses(state, window);
}
BENCHMARK(drawWindowTenKeysWithLabels)->Unit(benchmark::kMicrosecond);

void drawStrip(benchmark::State& state) {
    application();
    Keyboard keyboard;
    PianoView strip(Rect(0, 0, 1085, 30), true, keyboard.piano, keyboard.center);
    drawPasses(state, strip);
}
BENCHMARK(drawStrip)->Unit(benchmark::kMicrosecond);

void drawStripTenKeys(benchmark::State& state) {
    application();
    Keyboard keyboard;
    PianoView strip(Rect(0, 0, 1085, 30), true, keyboard.piano, keyboard.center);
    for (std::int64_t note : {53, 55, 56, 57, 59, 60, 61, 62, 64, 66}) {
        keyboard.piano.keys().at(static_cast<std::size_t>(note)).isPressedOnTouchBar = true;
    }
    drawPasses(state, strip);
}
BENCHMARK(drawStripTenKeys)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
