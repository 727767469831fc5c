#include "app/ExpressionPacer.h"

#include "interfaces/Synthesizer.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace tinkella::app {

ExpressionPacer::ExpressionPacer(DefaultsController& defaults, PianoController& piano,
                                 MIDIOutput& midiOutput, QObject* parent)
    : QObject(parent), defaults_(defaults), piano_(piano), flush_(new QTimer(this)),
      round_(new QTimer(this)) {
    for (QTimer* timer : {flush_, round_}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    round_->setInterval(PitchRounding::tick);
    connect(round_, &QTimer::timeout, this, [this] { piano_.expression().advanceRounding(); });
    piano_.expression().setRoundingRequest([this] {
        if (!round_->isActive()) {
            round_->start();
        }
    });
    lastFlush_.start();
    connect(flush_, &QTimer::timeout, this, [this] {
        piano_.expression().flush();
        lastFlush_.restart();
    });
    piano_.expression().setFlushRequest([this] {
        const Synthesizer* synth = piano_.soundController().synthUnit();
        const double period = synth != nullptr ? synth->periodMilliseconds() : 0.0;
        const auto wait = static_cast<qint64>(std::ceil(period)) - lastFlush_.elapsed();
        flush_->start(static_cast<int>(std::max<qint64>(wait, 0)));
    });
    connections_ = midiOutput.observeConnections([this] {
        QTimer::singleShot(100, this, [this] { piano_.expression().sendConfiguration(); });
    });
    // How MPE plays first, so that switching it on configures the stored zone at once.
    using namespace preferences;
    bindings_[0] = bind(defaults, pitchRounding, [this](std::size_t rate) {
        piano_.expression().setPitchRounding(static_cast<PitchRounding::Rate>(rate));
    });
    bindings_[1] = bind(defaults, timbre, [this](std::size_t relative) {
        piano_.expression().setRelativeTimbre(relative == 1);
    });
    bindings_[2] = bind(defaults, mpeZone, [this](std::size_t) { applyZone(); });
    bindings_[3] = bind<int>(defaults, mpeMembers, [this](int) { applyZone(); });
    bindings_[4] = bind<int>(defaults, mpeBendRange, [this](int) { applyZone(); });
    bindings_[5] = defaults.bind(keyPath(expression.key), [this](const DefaultsValue& stored) {
        piano_.setExpression(expression.decode(stored) == "mpe");
    });
}

void ExpressionPacer::applyZone() {
    using namespace preferences;
    piano_.setMpeZone({.upper = read(defaults_, mpeZone) == 1,
                       .members = static_cast<std::uint8_t>(read(defaults_, mpeMembers)),
                       .bendRange = static_cast<std::uint8_t>(read(defaults_, mpeBendRange))});
}

ExpressionPacer::~ExpressionPacer() {
    piano_.expression().setRoundingRequest({});
    piano_.expression().setFlushRequest({});
}

} // namespace tinkella::app
