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
    : QObject(parent), piano_(piano), flush_(new QTimer(this)) {
    flush_->setSingleShot(true);
    flush_->setTimerType(Qt::PreciseTimer);
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
    binding_ = defaults.bind(
        preferences::keyPath(preferences::expression.key), [this](const DefaultsValue& stored) {
            piano_.setExpression(preferences::expression.decode(stored) == "mpe");
        });
}

ExpressionPacer::~ExpressionPacer() {
    piano_.expression().setFlushRequest({});
}

} // namespace tinkella::app
