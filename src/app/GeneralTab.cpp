#include "app/GeneralTab.h"

#include "app/RealSlider.h"
#include "app/SoundFontChooser.h"
#include "foundation/NotificationCenter.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "view/PianoView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>

namespace tinkella::app {

namespace {

// The small system font is 11 points where the regular one is 13.
constexpr double smallFontRatio = 11.0 / 13.0;

constexpr std::array<const char*, 3> radioTitles{
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab", "Send MIDI events only"),
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab", "Use built-in synthesiser only"),
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab", "Enable both")};
constexpr std::array<const char*, 3> radioDescriptions{
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab",
                      "Notes go only to other programs, through the MIDI port Tinkella"),
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab",
                      "Notes sound only from the built-in synthesiser"),
    QT_TRANSLATE_NOOP("tinkella::app::GeneralTab",
                      "Notes sound from the built-in synthesiser and go to other programs")};

PianoView& stripPianoView() {
    return TouchBarController::sharedInstance().pianoView();
}

} // namespace

GeneralTab::GeneralTab(DefaultsController& defaults, QObject* parent)
    : SettingsTab(parent), defaults_(defaults) {
    instrumentPopUp_ = new QComboBox;
    blackKeySlider_ = new RealSlider;
    keyWidthSlider_ = new RealSlider;
    noteOffsetSlider_ = new RealSlider;
    blackKeyGlissandoCheckbox_ = new QCheckBox(tr("Include black keys in Touch Bar glissando"));
    velocityCheckbox_ = new QCheckBox(tr("Velocity from touch position"));
    soundFontChooser_ = new SoundFontChooser(defaults_, PianoController::sharedInstance(), this);
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeRadios_[i] = new QRadioButton(tr(radioTitles[i]));
    }
    explanatoryNote_ = new QLabel(tr(explanatoryText));

    configureControls();
    makePage();
    bindControls();
}

void GeneralTab::configureControls() {
    blackKeySlider_->setRealRange(preferences::blackKeyTouchArea.minimum,
                                  preferences::blackKeyTouchArea.maximum);
    blackKeySlider_->setTickMarkCount(0);
    blackKeySlider_->setTracking(true);
    keyWidthSlider_->setRealRange(preferences::keyWidth.minimum, preferences::keyWidth.maximum);
    keyWidthSlider_->setTickMarkCount(9);
    keyWidthSlider_->setTracking(true);
    noteOffsetSlider_->setRealRange(preferences::noteOffset.minimum,
                                    preferences::noteOffset.maximum);
    noteOffsetSlider_->setTickMarkCount(9);

    const auto connectSlider = [this](RealSlider* slider, void (GeneralTab::*action)(SliderPhase)) {
        connect(slider, &QSlider::sliderPressed, this,
                [this, action] { (this->*action)(SliderPhase::pressed); });
        connect(slider, &RealSlider::realValueChanged, this,
                [this, action] { (this->*action)(SliderPhase::moved); });
        connect(slider, &QSlider::sliderReleased, this,
                [this, action] { (this->*action)(SliderPhase::released); });
    };
    connectSlider(blackKeySlider_, &GeneralTab::blackKeySliderChanged);
    connectSlider(keyWidthSlider_, &GeneralTab::keyWidthSliderChanged);
    connectSlider(noteOffsetSlider_, &GeneralTab::noteOffsetSliderChanged);

    connect(blackKeyGlissandoCheckbox_, &QCheckBox::clicked, this,
            &GeneralTab::blackKeyGlissandoChanged);

    outputModeGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeGroup_->addButton(outputModeRadios_[i], static_cast<int>(i));
        outputModeRadios_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    connect(outputModeGroup_, &QButtonGroup::idClicked, this, &GeneralTab::outputModeChanged);

    connect(instrumentPopUp_, &QComboBox::activated, this, &GeneralTab::instrumentChanged);

    QFont small = QApplication::font();
    small.setPointSizeF(small.pointSizeF() * smallFontRatio);
    explanatoryNote_->setFont(small);
    explanatoryNote_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    explanatoryNote_->setWordWrap(true);
    explanatoryNote_->setForegroundRole(QPalette::PlaceholderText);
    explanatoryNote_->setTextInteractionFlags(Qt::NoTextInteraction);
    soundFontChooser_->status()->setFont(small);
}

void GeneralTab::makePage() {
    auto* controls = new QVBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(4);
    QComboBox* fontPopUp = soundFontChooser_->popUp();
    struct Row {
        QString title;
        QWidget* control;
        QString description;
    };
    const std::array<Row, 5> rows{{
        {tr("Instrument"), instrumentPopUp_,
         tr("The General MIDI instrument the built-in synthesiser plays")},
        {tr("Sound font"), fontPopUp,
         tr("The sound font the built-in synthesiser plays from; Other… chooses a file")},
        {tr("Octave"), noteOffsetSlider_, tr("Scrolls the keyboard along its 120 keys")},
        {tr("Key size"), keyWidthSlider_,
         tr("The width of the keys on the strip and in the piano window")},
        {tr("Black key area on Touch Bar"), blackKeySlider_,
         tr("How wide the touch zone of a black key on the strip is")},
    }};
    for (const auto& [title, control, description] : rows) {
        const bool popUp = control == instrumentPopUp_ || control == fontPopUp;
        controls->addWidget(makeRow(title, control, popUp ? 194 : 154, description));
        if (control == fontPopUp) {
            soundFontChooser_->status()->setFixedSize(columnWidth, 14);
            controls->addWidget(soundFontChooser_->status());
        }
    }

    auto* radioBox = new QWidget;
    auto* radios = new QVBoxLayout(radioBox);
    radios->setContentsMargins(0, 0, 0, 0);
    radios->setSpacing(2);
    for (QRadioButton* radio : outputModeRadios_) {
        radio->setFixedHeight(18);
        radios->addWidget(radio, 0, Qt::AlignLeft);
    }
    radioBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    blackKeyGlissandoCheckbox_->setFixedHeight(18);
    blackKeyGlissandoCheckbox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    velocityCheckbox_->setFixedHeight(18);
    velocityCheckbox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    explanatoryNote_->setFixedSize(columnWidth, 28);

    page_ = new QWidget;
    auto* main = new QVBoxLayout(page_);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    main->addLayout(controls);
    main->addSpacing(8);
    // The two checkboxes share their left edge, centred as a pair.
    auto* checkBox = new QWidget;
    auto* checks = new QVBoxLayout(checkBox);
    checks->setContentsMargins(0, 0, 0, 0);
    checks->setSpacing(4);
    checks->addWidget(blackKeyGlissandoCheckbox_, 0, Qt::AlignLeft);
    checks->addWidget(velocityCheckbox_, 0, Qt::AlignLeft);
    checkBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    main->addWidget(checkBox, 0, Qt::AlignHCenter);
    main->addSpacing(22);
    main->addWidget(explanatoryNote_, 0, Qt::AlignHCenter);
    main->addWidget(radioBox, 0, Qt::AlignHCenter);

    describe(blackKeyGlissandoCheckbox_, blackKeyGlissandoCheckbox_->text(),
             tr("A finger sliding along the strip also plays the black keys it crosses"));
    describe(velocityCheckbox_, velocityCheckbox_->text(),
             tr("Louder near a key's front edge, softer towards its back"));
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        describe(outputModeRadios_[i], outputModeRadios_[i]->text(), tr(radioDescriptions[i]));
    }
    setTabOrder({instrumentPopUp_, fontPopUp, noteOffsetSlider_, keyWidthSlider_, blackKeySlider_,
                 blackKeyGlissandoCheckbox_, velocityCheckbox_, outputModeRadios_[0],
                 outputModeRadios_[1], outputModeRadios_[2]});
}

void GeneralTab::bindControls() {
    instrumentPopUp_->clear();
    const SoundController::InstrumentTable& names = SoundController::instruments();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i]) {
            instrumentPopUp_->addItem(QString::fromStdString(*names[i]), static_cast<int>(i));
        }
    }
    const int program = preferences::read(defaults_, preferences::instrument);
    PianoController::sharedInstance().soundController().setInstrument(program);
    instrumentPopUp_->setCurrentIndex(instrumentPopUp_->findData(program));
    soundFontChooser_->loadStoredChoice();

    bindings_[0] = bindSlider(blackKeySlider_, preferences::blackKeyTouchArea, {});
    bindings_[1] = bindSlider(keyWidthSlider_, preferences::keyWidth, BindingOptions{true});
    bindings_[2] = bindSlider(noteOffsetSlider_, preferences::noteOffset, {});
    bindings_[3] =
        bindCheckbox(defaults_, blackKeyGlissandoCheckbox_, preferences::blackKeyGlissando);
    bindings_[4] = bindCheckbox(defaults_, velocityCheckbox_, preferences::velocityFromTouch);
    syncOutputModeRadios();
}

DefaultsBinding GeneralTab::bindSlider(RealSlider* slider,
                                       const preferences::Setting<double>& setting,
                                       BindingOptions options) {
    // Every value the slider reports is written; with tracking off (not the case for any of
    // the three today) it would report only the value it is let go at.
    connect(slider, &RealSlider::realValueChanged, this, [this, &setting](double value) {
        defaults_.setObject(DefaultsValue::real(value), setting);
    });
    return preferences::bind<double>(
        defaults_, setting, [slider](double value) { slider->setRealValue(value); }, options);
}

void GeneralTab::syncOutputModeRadios() {
    const auto mode = static_cast<std::size_t>(currentOutputMode());
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeRadios_[i]->setChecked(i == mode);
    }
}

OutputMode GeneralTab::currentOutputMode() const {
    return preferences::read(defaults_, preferences::outputMode);
}

void GeneralTab::applyOutputMode() {
    const OutputMode mode = currentOutputMode();
    MIDIOutput::shared().setEnabled(mode != OutputMode::synthesiserOnly);
    PianoController::sharedInstance().setInternalSynthMuted(mode == OutputMode::midiOnly);
    instrumentPopUp_->setEnabled(mode != OutputMode::midiOnly);
    soundFontChooser_->popUp()->setEnabled(mode != OutputMode::midiOnly);
}

void GeneralTab::instrumentChanged() {
    const int index = instrumentPopUp_->currentIndex();
    if (index < 0) {
        return;
    }
    const int programNumber = instrumentPopUp_->itemData(index).toInt();
    PianoController& piano = PianoController::sharedInstance();
    piano.soundController().setInstrument(programNumber);
    defaults_.setObject(DefaultsValue::integer(programNumber), preferences::instrument);
    piano.redoPlayingNotes();
}

void GeneralTab::blackKeySliderChanged(SliderPhase phase) {
    PianoView& view = stripPianoView();
    if (phase == SliderPhase::pressed) {
        view.setShowsBlackKeyTouchArea(true);
    } else if (phase == SliderPhase::released) {
        view.setShowsBlackKeyTouchArea(false);
    }
    view.setNeedsDisplay();
}

void GeneralTab::keyWidthSliderChanged(SliderPhase phase) {
    if (phase == SliderPhase::pressed) {
        NotificationCenter::defaultCenter().post(PianoResizingStarted);
    } else if (phase == SliderPhase::released) {
        NotificationCenter::defaultCenter().post(PianoResizingEnded);
    }
    stripPianoView().setNeedsDisplay();
}

void GeneralTab::noteOffsetSliderChanged(SliderPhase phase) {
    keyWidthSliderChanged(phase);
}

void GeneralTab::outputModeChanged(int tag) {
    if (tag < 0 || tag > 2) {
        return;
    }
    defaults_.setObject(DefaultsValue::integer(tag), preferences::outputMode);
    syncOutputModeRadios();
    applyOutputMode();
}

QWidget* GeneralTab::firstControl() const {
    return instrumentPopUp_;
}

} // namespace tinkella::app
