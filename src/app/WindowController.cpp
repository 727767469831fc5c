#include "app/WindowController.h"

#include "app/ExpressionPacer.h"
#include "app/KeyboardAidsGroup.h"
#include "app/RealSlider.h"
#include "app/SoundFontChooser.h"
#include "foundation/NotificationCenter.h"
#include "hosting/PianoWindowController.h"
#include "hosting/TouchBarController.h"
#include "model/PianoController.h"
#include "outputs/MIDIOutput.h"
#include "outputs/SoundController.h"
#include "view/PianoView.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <QWidget>

namespace tinkella::app {

namespace {

constexpr int columnWidth = 344;
constexpr int rowHeight = 26;
// The small system font is 11 points where the regular one is 13.
constexpr double smallFontRatio = 11.0 / 13.0;

constexpr std::array<const char*, 3> radioTitles{"Send MIDI events only",
                                                 "Use built-in synthesiser only", "Enable both"};

PianoView& stripPianoView() {
    return TouchBarController::sharedInstance().pianoView();
}

} // namespace

WindowController::WindowController(std::unique_ptr<QMenuBar> mainMenu)
    : defaults_(DefaultsController::shared()) {
    instrumentPopUp_ = new QComboBox;
    blackKeySlider_ = new RealSlider;
    keyWidthSlider_ = new RealSlider;
    noteOffsetSlider_ = new RealSlider;
    blackKeyGlissandoCheckbox_ = new QCheckBox(tr("Include black keys in Touch Bar glissando"));
    velocityCheckbox_ = new QCheckBox(tr("Velocity from touch position"));
    soundFontChooser_ = new SoundFontChooser(defaults_, PianoController::sharedInstance(), this);
    expressionPopUp_ = new QComboBox;
    expressionPopUp_->addItems({tr("Off"), tr("MPE")});
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeRadios_[i] = new QRadioButton(tr(radioTitles[i]));
    }
    explanatoryNote_ = new QLabel(tr(explanatoryText));
    creditLabel_ = new QLabel(tr(creditLine));

    panel_ =
        std::make_unique<QWidget>(nullptr, Qt::Tool | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    panel_->setWindowTitle(tr("Settings"));
    panel_->setObjectName(QStringLiteral("settingsPanel"));
    panel_->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &WindowController::applicationStateChanged);

    configureControls();
    keyboardAids_ = new KeyboardAidsGroup(defaults_, this);
    panel_->setLayout(makeContentView());
    panel_->setFixedSize(panelWidth, panelHeight);
    placePanel();
    bindControls();
    applyOutputMode();

    keyboardWindow_ = std::make_unique<PianoWindowController>();
    keyboardWindow_->setStripPianoView(&stripPianoView());
    if (mainMenu) {
        keyboardWindow_->window()->setMenuBar(mainMenu.release());
    }
    keyboardWindow_->showWindow();
}

WindowController::~WindowController() {
    if (panel_) {
        panel_->removeEventFilter(this);
    }
}

void WindowController::configureControls() {
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

    const auto connectSlider = [this](RealSlider* slider,
                                      void (WindowController::*action)(SliderPhase)) {
        connect(slider, &QSlider::sliderPressed, this,
                [this, action] { (this->*action)(SliderPhase::pressed); });
        connect(slider, &RealSlider::realValueChanged, this,
                [this, action] { (this->*action)(SliderPhase::moved); });
        connect(slider, &QSlider::sliderReleased, this,
                [this, action] { (this->*action)(SliderPhase::released); });
    };
    connectSlider(blackKeySlider_, &WindowController::blackKeySliderChanged);
    connectSlider(keyWidthSlider_, &WindowController::keyWidthSliderChanged);
    connectSlider(noteOffsetSlider_, &WindowController::noteOffsetSliderChanged);

    connect(blackKeyGlissandoCheckbox_, &QCheckBox::clicked, this,
            &WindowController::blackKeyGlissandoChanged);

    outputModeGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeGroup_->addButton(outputModeRadios_[i], static_cast<int>(i));
        outputModeRadios_[i]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    connect(outputModeGroup_, &QButtonGroup::idClicked, this, &WindowController::outputModeChanged);

    connect(instrumentPopUp_, &QComboBox::activated, this, &WindowController::instrumentChanged);
    connect(expressionPopUp_, &QComboBox::activated, this, &WindowController::expressionChanged);

    QFont small = QApplication::font();
    small.setPointSizeF(small.pointSizeF() * smallFontRatio);
    explanatoryNote_->setFont(small);
    explanatoryNote_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    explanatoryNote_->setWordWrap(true);
    explanatoryNote_->setForegroundRole(QPalette::PlaceholderText);
    explanatoryNote_->setTextInteractionFlags(Qt::NoTextInteraction);
    soundFontChooser_->status()->setFont(small);
    creditLabel_->setFont(QApplication::font());
    creditLabel_->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    creditLabel_->setTextInteractionFlags(Qt::NoTextInteraction);
}

QLayout* WindowController::makeRow(const QString& label, QWidget* control, int width) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto* title = new QLabel(label);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setFont(QApplication::font());
    control->setFixedWidth(width);
    row->addWidget(title, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

QLayout* WindowController::makeContentView() {
    auto* controls = new QVBoxLayout;
    controls->setContentsMargins(0, 0, 0, 0);
    controls->setSpacing(4);
    QComboBox* fontPopUp = soundFontChooser_->popUp();
    const std::array<std::pair<QString, QWidget*>, 5> rows{{
        {tr("Instrument"), instrumentPopUp_},
        {tr("Sound font"), fontPopUp},
        {tr("Octave"), noteOffsetSlider_},
        {tr("Key size"), keyWidthSlider_},
        {tr("Black key area on Touch Bar"), blackKeySlider_},
    }};
    for (const auto& [title, control] : rows) {
        auto* row = new QWidget;
        row->setFixedSize(columnWidth, rowHeight);
        const bool popUp = control == instrumentPopUp_ || control == fontPopUp;
        row->setLayout(makeRow(title, control, popUp ? 194 : 154));
        controls->addWidget(row);
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

    creditLabel_->setFixedHeight(17);
    blackKeyGlissandoCheckbox_->setFixedHeight(18);
    blackKeyGlissandoCheckbox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    velocityCheckbox_->setFixedHeight(18);
    velocityCheckbox_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    explanatoryNote_->setFixedSize(columnWidth, 28);

    auto* main = new QVBoxLayout;
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
    main->addSpacing(24);
    main->addWidget(explanatoryNote_, 0, Qt::AlignHCenter);
    main->addWidget(radioBox, 0, Qt::AlignHCenter);
    return makeTabs(main);
}

QLayout* WindowController::makeTabs(QLayout* general) {
    auto* pages = new QStackedWidget;
    auto* generalPage = new QWidget;
    generalPage->setLayout(general);
    pages->addWidget(generalPage);
    auto* keyboardPage = new QWidget;
    auto* keyboard = new QVBoxLayout(keyboardPage);
    keyboard->setContentsMargins(0, 8, 0, 0);
    // How the keys play comes first; the General page keeps its rows as they always were.
    auto* expressionRow = new QWidget;
    expressionRow->setFixedSize(columnWidth, rowHeight);
    expressionRow->setLayout(makeRow(tr("Expression"), expressionPopUp_, 194));
    keyboard->addWidget(expressionRow);
    keyboard->addSpacing(4);
    keyboard->addWidget(keyboardAids_->box());
    keyboard->addStretch(1);
    pages->addWidget(keyboardPage);
    // The tabs take the room between the credit line and the first row.
    auto* tabs = new QTabBar;
    tabs->setObjectName(QStringLiteral("settingsTabs"));
    tabs->addTab(tr("General"));
    tabs->addTab(tr("Keyboard"));
    tabs->setDrawBase(false);
    tabs->setExpanding(false);
    tabs->setFixedHeight(24);
    connect(tabs, &QTabBar::currentChanged, pages, &QStackedWidget::setCurrentIndex);

    auto* main = new QVBoxLayout;
    main->setContentsMargins(18, 8, panelWidth - 18 - columnWidth, 16);
    main->setSpacing(0);
    main->addWidget(creditLabel_, 0, Qt::AlignHCenter);
    main->addWidget(tabs, 0, Qt::AlignHCenter);
    main->addWidget(pages);
    return main;
}

void WindowController::placePanel() {
    // The panel's content sits with its bottom-left corner at (panelLeft, panelBottom) above
    // the primary screen's bottom-left corner, moved inside the screen if that is smaller.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->geometry();
    int x = area.left() + panelLeft;
    int y = area.top() + area.height() - panelBottom - panelHeight;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - panelWidth));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() + 1 - panelHeight));
    panel_->setGeometry(x, y, panelWidth, panelHeight);
}

void WindowController::bindControls() {
    defaults_.registerDefaults(preferences::registeredDefaults());

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
    bindings_[3] = bindCheckbox(blackKeyGlissandoCheckbox_, preferences::blackKeyGlissando);
    bindings_[4] = bindCheckbox(velocityCheckbox_, preferences::velocityFromTouch);

    bindExpression();
    syncOutputModeRadios();
}

void WindowController::bindExpression() {
    bindings_[5] = defaults_.bind(preferences::keyPath(preferences::expression.key),
                                  [this](const DefaultsValue& stored) {
                                      const QSignalBlocker blocker(expressionPopUp_);
                                      expressionPopUp_->setCurrentIndex(
                                          preferences::expression.decode(stored) == "mpe" ? 1 : 0);
                                  });
    expressionPacer_ = new ExpressionPacer(defaults_, PianoController::sharedInstance(),
                                           MIDIOutput::shared(), this);
}

void WindowController::expressionChanged(int index) {
    defaults_.setObject(DefaultsValue::text(index == 1 ? "mpe" : "off"), preferences::expression);
}

DefaultsBinding WindowController::bindSlider(RealSlider* slider,
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

DefaultsBinding WindowController::bindCheckbox(QCheckBox* checkbox,
                                               const preferences::Setting<bool>& setting) {
    connect(checkbox, &QCheckBox::clicked, this, [this, &setting](bool checked) {
        defaults_.setObject(DefaultsValue::boolean(checked), setting);
    });
    return preferences::bind<bool>(defaults_, setting, [checkbox](bool checked) {
        const QSignalBlocker blocker(checkbox);
        checkbox->setChecked(checked);
    });
}

void WindowController::syncOutputModeRadios() {
    const auto mode = static_cast<std::size_t>(currentOutputMode());
    for (std::size_t i = 0; i < outputModeRadios_.size(); ++i) {
        outputModeRadios_[i]->setChecked(i == mode);
    }
}

OutputMode WindowController::currentOutputMode() const {
    return preferences::read(defaults_, preferences::outputMode);
}

bool WindowController::shouldShowSettingsAtLaunch() const {
    return preferences::read(defaults_, preferences::settingsVisible);
}

void WindowController::applyOutputMode() {
    const OutputMode mode = currentOutputMode();
    MIDIOutput::shared().setEnabled(mode != OutputMode::synthesiserOnly);
    PianoController::sharedInstance().setInternalSynthMuted(mode == OutputMode::midiOnly);
    instrumentPopUp_->setEnabled(mode != OutputMode::midiOnly);
    soundFontChooser_->popUp()->setEnabled(mode != OutputMode::midiOnly);
}

void WindowController::instrumentChanged() {
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

void WindowController::blackKeySliderChanged(SliderPhase phase) {
    PianoView& view = stripPianoView();
    if (phase == SliderPhase::pressed) {
        view.setShowsBlackKeyTouchArea(true);
    } else if (phase == SliderPhase::released) {
        view.setShowsBlackKeyTouchArea(false);
    }
    view.setNeedsDisplay();
}

void WindowController::keyWidthSliderChanged(SliderPhase phase) {
    if (phase == SliderPhase::pressed) {
        NotificationCenter::defaultCenter().post(PianoResizingStarted);
    } else if (phase == SliderPhase::released) {
        NotificationCenter::defaultCenter().post(PianoResizingEnded);
    }
    stripPianoView().setNeedsDisplay();
}

void WindowController::noteOffsetSliderChanged(SliderPhase phase) {
    keyWidthSliderChanged(phase);
}

void WindowController::outputModeChanged(int tag) {
    if (tag < 0 || tag > 2) {
        return;
    }
    defaults_.setObject(DefaultsValue::integer(tag), preferences::outputMode);
    syncOutputModeRadios();
    applyOutputMode();
}

void WindowController::showWindow() {
    hiddenForDeactivation_ = false;
    panel_->show();
    panel_->raise();
    panel_->activateWindow();
}

bool WindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == panel_.get() && event->type() == QEvent::Close) {
        settingsPanelWillClose();
    }
    return QObject::eventFilter(watched, event);
}

void WindowController::settingsPanelWillClose() {
    hiddenForDeactivation_ = false;
    defaults_.setObject(DefaultsValue::boolean(false), preferences::settingsVisible);
}

void WindowController::applicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) {
        if (hiddenForDeactivation_) {
            hiddenForDeactivation_ = false;
            panel_->show();
        }
        return;
    }
    if (panel_->isVisible()) {
        hiddenForDeactivation_ = true;
        panel_->hide();
    }
}

} // namespace tinkella::app
