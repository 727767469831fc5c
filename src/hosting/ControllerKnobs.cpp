#include "hosting/ControllerKnobs.h"

#include "model/Preferences.h"

#include <QContextMenuEvent>
#include <QDial>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>
#include <utility>

namespace tinkella {

namespace {

// The controllers a sound is shaped with, by their General MIDI and MIDI 1.0 names; the knobs'
// menu offers these.
constexpr std::pair<int, const char*> namedControllers[] = {
    {1, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Modulation")},
    {2, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Breath")},
    {4, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Foot")},
    {5, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Portamento time")},
    {7, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Volume")},
    {8, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Balance")},
    {10, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Pan")},
    {11, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Expression")},
    {71, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Resonance")},
    {72, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Release")},
    {73, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Attack")},
    {74, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Brightness")},
    {75, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Decay")},
    {76, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Vibrato rate")},
    {77, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Vibrato depth")},
    {78, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Vibrato delay")},
    {91, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Reverb")},
    {92, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Tremolo")},
    {93, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Chorus")},
    {94, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Detune")},
    {95, QT_TRANSLATE_NOOP("tinkella::ControllerKnobs", "Phaser")},
};

constexpr int knobWidth = 64;
constexpr int dialSize = 36;
constexpr double clipWhite = 0.265; // the piano window's background grey

} // namespace

ControllerKnobs::ControllerKnobs(DefaultsController& defaults, QObject* parent)
    : QObject(parent), defaults_(defaults), row_(new QWidget) {
    row_->setObjectName(QStringLiteral("controllerKnobs"));
    QPalette palette = row_->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(clipWhite, clipWhite, clipWhite));
    palette.setColor(QPalette::WindowText, QColor::fromRgbF(0.85, 0.85, 0.85));
    row_->setPalette(palette);
    row_->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(row_);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    QFont small = row_->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    for (std::size_t i = 0; i < count; ++i) {
        Knob& knob = knobs_[i];
        knob.dial = new QDial;
        knob.dial->setRange(0, 127);
        knob.dial->setPageStep(16);
        knob.dial->setFixedSize(dialSize, dialSize);
        knob.dial->setContextMenuPolicy(Qt::CustomContextMenu);
        knob.caption = new QLabel;
        knob.caption->setFont(small);
        knob.caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        auto* cell = new QVBoxLayout;
        cell->setContentsMargins(0, 0, 0, 0);
        cell->setSpacing(0);
        cell->addWidget(knob.dial, 0, Qt::AlignHCenter);
        cell->addWidget(knob.caption);
        auto* box = new QWidget;
        box->setFixedWidth(knobWidth);
        box->setLayout(cell);
        layout->addWidget(box);

        const auto& value = preferences::knobValues[i];
        const auto& controller = preferences::knobControllers[i];
        connect(knob.dial, &QDial::valueChanged, this,
                [this, &value](int v) { defaults_.setObject(DefaultsValue::integer(v), value); });
        connect(knob.dial, &QWidget::customContextMenuRequested, this,
                [this, i](const QPoint& at) { showMenu(i, knobs_[i].dial->mapToGlobal(at)); });
        bindings_[2 * i] = preferences::bind<int>(defaults_, controller, [this, i](int number) {
            knobs_[i].controller = number;
            describe(i);
        });
        bindings_[2 * i + 1] = preferences::bind<int>(defaults_, value, [this, i](int v) {
            const QSignalBlocker quiet(knobs_[i].dial);
            knobs_[i].dial->setValue(v);
            describe(i);
        });
    }
    layout->addStretch(1);
}

QString ControllerKnobs::controllerName(int controller) {
    for (const auto& [number, name] : namedControllers) {
        if (number == controller) {
            return tr(name);
        }
    }
    return tr("CC %1").arg(controller);
}

void ControllerKnobs::describe(std::size_t index) {
    Knob& knob = knobs_[index];
    const QString name = controllerName(knob.controller);
    knob.caption->setText(name);
    knob.dial->setAccessibleName(name);
    knob.dial->setToolTip(tr("%1 (controller %2): %3 — right-click to choose another controller")
                              .arg(name)
                              .arg(knob.controller)
                              .arg(knob.dial->value()));
}

void ControllerKnobs::chooseController(std::size_t index, int controller) {
    if (index < count && preferences::isKnobController(controller)) {
        defaults_.setObject(DefaultsValue::integer(controller),
                            preferences::knobControllers[index]);
    }
}

void ControllerKnobs::showMenu(std::size_t index, const QPoint& global) {
    QMenu menu(row_);
    for (const auto& [number, name] : namedControllers) {
        QAction* action = menu.addAction(tr("%1 (%2)").arg(tr(name)).arg(number));
        action->setCheckable(true);
        action->setChecked(number == knobs_[index].controller);
        connect(action, &QAction::triggered, this,
                [this, index, number = number] { chooseController(index, number); });
    }
    menu.addSeparator();
    QAction* other = menu.addAction(tr("Other controller…"));
    if (menu.exec(global) != other) {
        return;
    }
    bool ok = false;
    const int number = QInputDialog::getInt(
        row_, tr("Controller"),
        tr("Controller number (1–119; not 6, 32, 38, 64 or 96–101, which Tinkella sends itself):"),
        knobs_[index].controller, 1, 119, 1, &ok);
    if (ok) {
        chooseController(index, number);
    }
}

} // namespace tinkella
