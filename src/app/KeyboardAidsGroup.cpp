#include "app/KeyboardAidsGroup.h"

#include "app/SettingsTab.h"
#include "model/NoteNames.h"
#include "model/Preferences.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tinkella::app {

namespace {

// In the order of preferences::keyLabelNames and preferences::scaleNames.
#define AIDS(text) QT_TRANSLATE_NOOP("tinkella::app::KeyboardAidsGroup", text)
constexpr std::array<const char*, 5> keyLabelTitles{AIDS("Octave while resizing"), AIDS("C keys"),
                                                    AIDS("All keys"), AIDS("All keys in solfège"),
                                                    AIDS("None")};
constexpr std::array<const char*, 10> scaleTitles{AIDS("None"),
                                                  AIDS("Major"),
                                                  AIDS("Natural minor"),
                                                  AIDS("Harmonic minor"),
                                                  AIDS("Melodic minor"),
                                                  AIDS("Dorian"),
                                                  AIDS("Mixolydian"),
                                                  AIDS("Major pentatonic"),
                                                  AIDS("Minor pentatonic"),
                                                  AIDS("Blues")};
#undef AIDS

template <std::size_t N> QComboBox* popUp(const std::array<const char*, N>& titles) {
    auto* box = new QComboBox;
    for (const char* title : titles) {
        box->addItem(KeyboardAidsGroup::tr(title));
    }
    return box;
}

} // namespace

KeyboardAidsGroup::KeyboardAidsGroup(DefaultsController& defaults, QObject* parent)
    : QObject(parent), defaults_(defaults), box_(new QGroupBox(tr("Keyboard"))),
      keyLabels_(popUp(keyLabelTitles)), transpose_(new QSpinBox), scale_(popUp(scaleTitles)),
      scaleRoot_(new QComboBox), chord_(new QCheckBox(tr("Name the chord being played"))) {
    box_->setObjectName(QStringLiteral("keyboardAids"));
    transpose_->setRange(preferences::transpose.minimum, preferences::transpose.maximum);
    transpose_->setSuffix(tr(" semitones"));
    for (int pitch = 0; pitch < 12; ++pitch) {
        scaleRoot_->addItem(QString::fromUtf8(pitchName(pitch).data(),
                                              static_cast<qsizetype>(pitchName(pitch).size())));
    }

    auto* grid = new QGridLayout(box_);
    grid->setContentsMargins(8, 4, 8, 4);
    grid->setVerticalSpacing(4);
    const auto label = [](const QString& text, QWidget* buddy) {
        auto* title = new QLabel(text);
        title->setBuddy(buddy);
        return title;
    };
    grid->addWidget(label(tr("Key names"), keyLabels_), 0, 0);
    grid->addWidget(keyLabels_, 0, 1, 1, 2);
    grid->addWidget(label(tr("Transpose"), transpose_), 1, 0);
    grid->addWidget(transpose_, 1, 1, 1, 2);
    grid->addWidget(label(tr("Scale"), scaleRoot_), 2, 0);
    grid->addWidget(scaleRoot_, 2, 1);
    grid->addWidget(scale_, 2, 2);
    grid->addWidget(chord_, 3, 0, 1, 3);
    box_->setFixedHeight(height);
    SettingsTab::describe(keyLabels_, tr("Key names"), tr("What the keys are labelled with"));
    SettingsTab::describe(transpose_, tr("Transpose"),
                          tr("Semitones added to every note you play"));
    SettingsTab::describe(scaleRoot_, tr("Scale root"),
                          tr("The root of the scale shown on the keys"));
    SettingsTab::describe(scale_, tr("Scale"),
                          tr("Keys outside the scale are drawn dimmer; nothing played changes"));
    SettingsTab::describe(chord_, chord_->text(),
                          tr("The piano window names the chord or interval that sounds"));

    using preferences::keyLabels, preferences::scale, preferences::scaleRoot,
        preferences::showChord, preferences::transpose;
    connect(keyLabels_, &QComboBox::activated, this, [this](int index) {
        defaults_.setObject(keyLabels.valueOf(static_cast<std::size_t>(index)), keyLabels);
    });
    connect(scale_, &QComboBox::activated, this, [this](int index) {
        defaults_.setObject(scale.valueOf(static_cast<std::size_t>(index)), scale);
    });
    connect(scaleRoot_, &QComboBox::activated, this,
            [this](int index) { defaults_.setObject(DefaultsValue::integer(index), scaleRoot); });
    connect(transpose_, &QSpinBox::valueChanged, this,
            [this](int value) { defaults_.setObject(DefaultsValue::integer(value), transpose); });
    connect(chord_, &QCheckBox::clicked, this,
            [this](bool on) { defaults_.setObject(DefaultsValue::boolean(on), showChord); });

    const auto show = [](QComboBox* box) {
        return [box](std::size_t index) {
            box->setCurrentIndex(static_cast<int>(index));
        };
    };
    bindings_[0] = preferences::bind(defaults_, keyLabels, show(keyLabels_));
    bindings_[1] = preferences::bind(defaults_, scale, show(scale_));
    bindings_[2] = preferences::bind<int>(defaults_, scaleRoot,
                                          [this](int root) { scaleRoot_->setCurrentIndex(root); });
    bindings_[3] = preferences::bind<int>(defaults_, transpose, [this](int semitones) {
        const QSignalBlocker quiet(transpose_);
        transpose_->setValue(semitones);
    });
    bindings_[4] = preferences::bind<bool>(defaults_, showChord, [this](bool on) {
        const QSignalBlocker quiet(chord_);
        chord_->setChecked(on);
    });
}

std::vector<QWidget*> KeyboardAidsGroup::controls() const {
    return {keyLabels_, transpose_, scaleRoot_, scale_, chord_};
}

} // namespace tinkella::app
