#include "hosting/PianoWindowController.h"

#include "foundation/NotificationCenter.h"
#include "hosting/ChordDisplay.h"
#include "hosting/ControllerKnobs.h"
#include "hosting/KeyboardScroll.h"
#include "hosting/PianoWindowFrame.h"
#include "hosting/QtKeyboardInput.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtWheelWidget.h"
#include "hosting/StripHost.h"
#include "model/ComputerKeyboard.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "view/PianoView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tinkella {

namespace {

constexpr Rect initialViewFrame{0, 0, 1200, 270};
constexpr double clipWhite = 0.265;

} // namespace

PianoWindowController::PianoWindowController()
    : PianoWindowController(DefaultsController::shared(), PianoController::sharedInstance(),
                            NotificationCenter::defaultCenter()) {}

PianoWindowController::PianoWindowController(DefaultsController& defaults,
                                             PianoController& pianoController,
                                             NotificationCenter& center)
    : defaults_(defaults), pianoController_(pianoController), center_(center),
      pianoView_(std::make_unique<PianoView>(initialViewFrame, false, pianoController, center)),
      frame_(std::make_unique<PianoWindowFrame>(defaults)) {
    setUpContentView();

    pianoView_->storeNoteOffset(0);
    pianoView_->setNeedsDisplay();
    pianoView_->updatePressedKeys();
    scroll_ = std::make_unique<KeyboardScroll>(
        *pianoView_, *scrollView_, *pianoWidget_, center_, [this](float offset) {
            defaults_.setValue(DefaultsValue::real(static_cast<double>(offset)),
                               preferences::keyPath(preferences::noteOffset));
        });

    bindings_[0] = preferences::bind<double>(defaults_, preferences::keyWidth,
                                             [this](double width) { setKeyWidth(width); });
    bindings_[1] =
        preferences::bind<double>(defaults_, preferences::noteOffset, [this](double offset) {
            setNoteOffset(static_cast<float>(offset));
        });
    bindings_[2] =
        preferences::bind<bool>(defaults_, preferences::velocityFromTouch, [this](bool fromTouch) {
            pianoView_->setVelocityFromTouch(fromTouch);
        });

    chordDisplay_ = std::make_unique<ChordDisplay>(pianoController_, center_, *scrollView_);
    bindings_[3] = preferences::bind(defaults_, preferences::keyLabels, [this](std::size_t labels) {
        keyLabels_ = static_cast<preferences::KeyLabels>(labels);
        applyKeyMarkings();
    });
    bindings_[4] = preferences::bind(defaults_, preferences::scale, [this](std::size_t scale) {
        scale_ = scale;
        applyKeyMarkings();
    });
    bindings_[5] = preferences::bind<int>(defaults_, preferences::scaleRoot, [this](int root) {
        scaleRoot_ = root;
        applyKeyMarkings();
    });
    bindings_[6] = preferences::bind<int>(defaults_, preferences::transpose,
                                          [this](int semitones) { setTranspose(semitones); });
    bindings_[7] = preferences::bind<bool>(defaults_, preferences::showChord,
                                           [this](bool shown) { chordDisplay_->setShown(shown); });
    bindings_[8] = preferences::bind<bool>(defaults_, preferences::showWheels, [this](bool shown) {
        for (QtWheelWidget* wheel : wheels_) {
            wheel->setVisible(shown);
        }
    });
    bindings_[9] =
        preferences::bind<bool>(defaults_, preferences::showControllers,
                                [this](bool shown) { knobs_->row()->setVisible(shown); });
    bindings_[10] =
        preferences::bind<bool>(defaults_, preferences::highContrast, [this](bool high) {
            highContrast_ = high;
            applyKeyMarkings();
        });

    // The keys below the split are tinted; they are drawn later, from the keyboard model, which
    // has the new split by then.
    bindings_[11] = preferences::bind<int>(defaults_, preferences::splitPoint,
                                           [this](int) { applyKeyMarkings(); });

    computerKeyboard_ = std::make_unique<ComputerKeyboard>(pianoController_);
    keyboardInput_ = std::make_unique<QtKeyboardInput>(*computerKeyboard_);
    keyboardInput_->watch(window());
}

PianoWindowController::~PianoWindowController() {
    // The window goes last, while everything its events may reach is still here.
    keyboardInput_.reset();
    strip_.reset();
    scroll_.reset();
    frame_.reset();
}

QMainWindow* PianoWindowController::window() const {
    return &frame_->window();
}

QWidget* PianoWindowController::clipView() const {
    return scrollView_->viewport();
}

void PianoWindowController::setUpContentView() {
    pianoWidget_ = new QtPianoWidget(*pianoView_, QtPianoWidget::MouseMode::playsKeys);

    scrollView_ = new QScrollArea;
    scrollView_->setFrameShape(QFrame::NoFrame);
    // Keys would scroll without telling the preference; the keyboard is played, not typed on.
    scrollView_->setFocusPolicy(Qt::NoFocus);
    scrollView_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The keyboard's height follows the visible area; its width is set by KeyboardScroll.
    scrollView_->setWidgetResizable(true);
    scrollView_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    scrollView_->setWidget(pianoWidget_);

    QWidget* clip = scrollView_->viewport();
    QPalette palette = clip->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(clipWhite, clipWhite, clipWhite, 1.0));
    clip->setPalette(palette);
    clip->setBackgroundRole(QPalette::Window);
    clip->setAutoFillBackground(true);

    // The knobs over the wheels and the keys; the strip, where it is docked, goes below them in
    // this layout. Hidden, the wheels and knobs take no room.
    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    knobs_ = std::make_unique<ControllerKnobs>(defaults_);
    knobs_->row()->hide();
    layout->addWidget(knobs_->row());
    auto* keys = new QHBoxLayout;
    keys->setSpacing(0);
    const std::array<QString, 2> labels{QObject::tr("Pitch"), QObject::tr("Mod")};
    const std::array<QString, 2> tips{
        QObject::tr("Pitch bend: drag up or down, or Up / Down with the focus; springs back to "
                    "the centre when let go"),
        QObject::tr("Modulation (controller 1): drag up or down, or Up / Down with the focus; "
                    "stays where it is left")};
    for (std::size_t i = 0; i < wheels_.size(); ++i) {
        wheels_[i] =
            new QtWheelWidget(i == 0 ? WheelView::Kind::pitch : WheelView::Kind::modulation,
                              pianoController_.player());
        wheels_[i]->view().setLabel(labels[i].toStdString());
        wheels_[i]->setToolTip(tips[i]);
        wheels_[i]->setAccessibleName(i == 0 ? QObject::tr("Pitch bend wheel")
                                             : QObject::tr("Modulation wheel"));
        wheels_[i]->hide();
        keys->addWidget(wheels_[i]);
    }
    keys->addWidget(scrollView_);
    layout->addLayout(keys);
    window()->setCentralWidget(container);
}

double PianoWindowController::keyWidth() const {
    return preferences::keyWidthOfWindow(pianoView_->keyWidth());
}

void PianoWindowController::setKeyWidth(double keyWidth) {
    pianoView_->storeKeyWidth(preferences::windowKeyWidth(keyWidth));
    scroll_->keyWidthChanged();
}

float PianoWindowController::noteOffset() const {
    return scroll_->noteOffset();
}

void PianoWindowController::setNoteOffset(float noteOffset) {
    scroll_->setNoteOffset(noteOffset);
}

void PianoWindowController::scrollByOctaves(int octaves) {
    scroll_->scrollByOctaves(octaves);
}

void PianoWindowController::willStartLiveScroll() {
    scroll_->willStartLiveScroll();
}

void PianoWindowController::didEndLiveScroll() {
    scroll_->didEndLiveScroll();
}

void PianoWindowController::applyKeyMarkings() {
    for (PianoView* view : {pianoView_.get(), stripPianoView_}) {
        if (view != nullptr) {
            view->setKeyLabels(keyLabels_);
            view->setScale(scale_, scaleRoot_);
            view->setHighContrast(highContrast_);
            view->setNeedsDisplay();
        }
    }
}

void PianoWindowController::setTranspose(int semitones) {
    pianoController_.setTranspose(semitones);
    const QString signedSemitones =
        QStringLiteral("%1%2").arg(semitones > 0 ? "+" : "").arg(semitones);
    window()->setWindowTitle(semitones == 0 ? QStringLiteral("Tinkella")
                                            : QCoreApplication::translate("PianoWindowController",
                                                                          "Tinkella — Transpose %1")
                                                  .arg(signedSemitones));
}

void PianoWindowController::showWindow() {
    applyKeyMarkings();
    if (!stripPlaced_ && stripPianoView_ != nullptr) {
        stripPlaced_ = true;
        strip_ = makeStripHost(chooseStripPlacement(), *stripPianoView_, *window());
        if (QWidget* own = strip_->ownWindow()) {
            keyboardInput_->watch(own);
        }
    }
    frame_->show();
    scroll_->keyWidthChanged();
    if (strip_ != nullptr) {
        strip_->applicationStateChanged(QGuiApplication::applicationState());
    }
}

void PianoWindowController::panic() {
    pianoWidget_->releaseHeldInput();
    for (QtWheelWidget* wheel : wheels_) {
        wheel->releaseHeldInput();
    }
    if (strip_ != nullptr) {
        strip_->releaseHeldInput();
    }
    computerKeyboard_->forget();
    pianoController_.panic();
}

} // namespace tinkella
