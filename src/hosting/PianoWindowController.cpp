#include "hosting/PianoWindowController.h"

#include "foundation/NotificationCenter.h"
#include "hosting/QtKeyboardInput.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "hosting/ShellStripHost.h"
#include "hosting/StripPlacement.h"
#include "hosting/TouchBarController.h"
#include "model/ComputerKeyboard.h"
#include "model/PianoController.h"
#include "model/Preferences.h"
#include "view/PianoView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace tinkella {

namespace {

constexpr QRect initialContentRect{384, 551, 1200, 270}; // origin at the screen's bottom left
constexpr QSize minimumWindowSize{200, 100};
constexpr QSize maximumWindowSize{9999, 400};
constexpr double clipWhite = 0.265;
// The widest keyboard widget: a fixed width of QWIDGETSIZE_MAX itself reads as "no minimum".
constexpr double largestKeyboardWidth = QWIDGETSIZE_MAX - 1;
constexpr int frameSaveDelayMs = 500;
// Wheel runs from devices with phases end with an end phase; this only guards a lost one.
constexpr int phasedWheelTimeoutMs = 1000;

// frame moved, and shrunk where it is larger, to lie within area.
QRect fittedInto(QRect frame, const QRect& area) {
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

// The window itself: refuses to close (a close request minimises it), never stays in full
// screen, and reports every move and resize.
class PianoMainWindow : public QMainWindow {
public:
    explicit PianoMainWindow(std::function<void()> frameChanged)
        : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowMaximizeButtonHint),
          frameChanged_(std::move(frameChanged)) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        // Only the window manager's request is refused; the application closing its windows
        // on the way out still works.
        if (event->spontaneous()) {
            event->ignore();
            showMinimized();
            return;
        }
        QMainWindow::closeEvent(event);
    }

    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange &&
            windowState().testFlag(Qt::WindowFullScreen)) {
            QTimer::singleShot(0, this,
                               [this] { setWindowState(windowState() & ~Qt::WindowFullScreen); });
        }
        QMainWindow::changeEvent(event);
    }

    void moveEvent(QMoveEvent* event) override {
        QMainWindow::moveEvent(event);
        frameChanged_();
    }

    void resizeEvent(QResizeEvent* event) override {
        QMainWindow::resizeEvent(event);
        frameChanged_();
    }

private:
    std::function<void()> frameChanged_;
};

} // namespace

PianoWindowController::PianoWindowController()
    : PianoWindowController(DefaultsController::shared(), PianoController::sharedInstance(),
                            NotificationCenter::defaultCenter()) {}

PianoWindowController::PianoWindowController(DefaultsController& defaults,
                                             PianoController& pianoController,
                                             NotificationCenter& center)
    : defaults_(defaults), pianoController_(pianoController), center_(center),
      pianoView_(std::make_unique<PianoView>(
          Rect(0, 0, initialContentRect.width(), initialContentRect.height()), false,
          pianoController, center)),
      liveScrollTimer_(std::make_unique<QTimer>()), wheelEndTimer_(std::make_unique<QTimer>()),
      stepEndTimer_(std::make_unique<QTimer>()), frameSaveTimer_(std::make_unique<QTimer>()) {
    window_ = std::make_unique<PianoMainWindow>([this] {
        if (window_ == nullptr || !window_->isVisible()) {
            return;
        }
        fitOnceFramed();
        frameSaveTimer_->start();
    });
    window_->setWindowTitle(QStringLiteral("Tinkella"));
    window_->setMinimumSize(minimumWindowSize);
    window_->setMaximumSize(maximumWindowSize);
    placeWindow();
    frameRestored_ = restoreFrame();

    setUpContentView();

    pianoView_->storeNoteOffset(0);
    pianoView_->setNeedsDisplay();
    pianoView_->updatePressedKeys();
    resizeKeyboard();

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

    liveScrollTimer_->setInterval(static_cast<int>(liveScrollInterval * 1000));
    liveScrollTimer_->setTimerType(Qt::PreciseTimer);
    connect(liveScrollTimer_.get(), &QTimer::timeout, this,
            &PianoWindowController::sampleLiveScroll);
    wheelEndTimer_->setSingleShot(true);
    connect(wheelEndTimer_.get(), &QTimer::timeout, this, [this] {
        wheelScrolling_ = false;
        liveSourceChanged();
    });
    stepEndTimer_->setSingleShot(true);
    stepEndTimer_->setInterval(static_cast<int>(wheelScrollPause * 1000));
    connect(stepEndTimer_.get(), &QTimer::timeout, this, [this] {
        stepScrolling_ = false;
        liveSourceChanged();
    });
    QScrollBar* bar = scrollView_->horizontalScrollBar();
    // Every scroll by hand that is neither a drag nor a wheel run: arrows, track clicks.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderNoAction || sliderHeld_ || wheelScrolling_) {
            return;
        }
        stepScrolling_ = true;
        liveSourceChanged();
        stepEndTimer_->start();
    });
    connect(bar, &QScrollBar::sliderPressed, this, [this] {
        sliderHeld_ = true;
        liveSourceChanged();
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this] {
        sliderHeld_ = false;
        liveSourceChanged();
    });
    scrollView_->viewport()->installEventFilter(this);

    computerKeyboard_ = std::make_unique<ComputerKeyboard>(pianoController_);
    keyboardInput_ = std::make_unique<QtKeyboardInput>(*computerKeyboard_);
    keyboardInput_->watch(window_.get());

    frameSaveTimer_->setSingleShot(true);
    frameSaveTimer_->setInterval(frameSaveDelayMs);
    connect(frameSaveTimer_.get(), &QTimer::timeout, this, &PianoWindowController::saveFrame);
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            if (window_->isVisible() || frameSaveTimer_->isActive()) {
                saveFrame();
            }
        });
    }
}

PianoWindowController::~PianoWindowController() {
    // The window goes first, while everything its events may reach is still here.
    keyboardInput_.reset();
    stripWindow_.reset();
    shellStrip_.reset();
    scrollView_->viewport()->removeEventFilter(this);
    if (QWindow* handle = window_->windowHandle()) {
        handle->removeEventFilter(this);
    }
    frameSaveTimer_->stop();
    window_.reset();
}

QMainWindow* PianoWindowController::window() const {
    return window_.get();
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
    // The keyboard's height follows the visible area; its width is set by this controller.
    scrollView_->setWidgetResizable(true);
    scrollView_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    scrollView_->setWidget(pianoWidget_);

    QWidget* clip = scrollView_->viewport();
    QPalette palette = clip->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(clipWhite, clipWhite, clipWhite, 1.0));
    clip->setPalette(palette);
    clip->setBackgroundRole(QPalette::Window);
    clip->setAutoFillBackground(true);

    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scrollView_);
    window_->setCentralWidget(container);
}

void PianoWindowController::placeWindow() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        window_->resize(initialContentRect.size());
        return;
    }
    const QRect screenRect = screen->geometry();
    QRect frame(initialContentRect.x(),
                screenRect.height() - initialContentRect.y() - initialContentRect.height(),
                initialContentRect.width(), initialContentRect.height());
    frame.translate(screenRect.topLeft());
    window_->setGeometry(frame);
    fitFrameToScreen();
}

void PianoWindowController::fitOnceFramed() {
    QWindow* handle = window_->windowHandle();
    if (fitWhenFramed_ && window_->isVisible() && handle != nullptr &&
        !handle->frameMargins().isNull()) {
        fitWhenFramed_ = false;
        handle->removeEventFilter(this);
        fitFrameToScreen();
    }
}

// On a screen too small for the usual place, the whole frame (title bar and menu bar included)
// is moved and, where it must be, narrowed into the screen's available area.
void PianoWindowController::fitFrameToScreen() {
    const QScreen* screen = window_->screen();
    if (screen == nullptr) {
        return;
    }
    const QWindow* handle = window_->windowHandle();
    const QRect client = window_->geometry();
    const QRect frame =
        client.marginsAdded(handle != nullptr ? handle->frameMargins() : QMargins());
    const QRect fitted = fittedInto(frame, screen->availableGeometry());
    if (fitted != frame) {
        window_->setGeometry(QRect(client.topLeft() + fitted.topLeft() - frame.topLeft(),
                                   client.size() - (frame.size() - fitted.size())));
    }
}

double PianoWindowController::keyboardWidth() const {
    const double width = pianoView_->getKeyboardWidth();
    if (!(width > 0)) {
        return 0;
    }
    return std::min(width, largestKeyboardWidth);
}

double PianoWindowController::clipWidth() const {
    return static_cast<double>(scrollView_->viewport()->width());
}

void PianoWindowController::resizeKeyboard() {
    const int width = static_cast<int>(keyboardWidth());
    pianoWidget_->setFixedWidth(width);
    // The scroll range follows the new width at once, so a scroll right after lands.
    scrollView_->horizontalScrollBar()->setRange(
        0, std::max(0, width - scrollView_->viewport()->width()));
}

double PianoWindowController::keyWidth() const {
    return (pianoView_->keyWidth() - 20) / 0.6;
}

void PianoWindowController::setKeyWidth(double keyWidth) {
    keyWidth = preferences::fit(preferences::keyWidth, keyWidth);
    pianoView_->storeKeyWidth(std::ceil(0.6 * keyWidth + 20));
    resizeKeyboard();
    pianoView_->setNeedsDisplay();
    scrollTo((keyboardWidth() - clipWidth()) * static_cast<double>(lastNoteOffset_ / 96.0F));
}

void PianoWindowController::setNoteOffset(float noteOffset) {
    noteOffset = static_cast<float>(
        preferences::fit(preferences::noteOffset, static_cast<double>(noteOffset)));
    lastNoteOffset_ = noteOffset;
    scrollTo((keyboardWidth() - clipWidth()) * static_cast<double>(noteOffset / 96.0F));
}

void PianoWindowController::scrollTo(double x) {
    requestedScrollX_ = x;
    QScrollBar* bar = scrollView_->horizontalScrollBar();
    const double bounded = std::isfinite(x) ? std::clamp(x, 0.0, double{INT_MAX}) : 0.0;
    bar->setValue(static_cast<int>(std::lround(bounded)));
}

double PianoWindowController::visibleOriginX() const {
    const int shown = scrollView_->horizontalScrollBar()->value();
    // The toolkit scrolls by whole pixels; while it still shows the position last asked for,
    // that position is the exact origin.
    if (std::isfinite(requestedScrollX_) && requestedScrollX_ >= 0 &&
        requestedScrollX_ <= double{INT_MAX} && std::lround(requestedScrollX_) == shown) {
        return requestedScrollX_;
    }
    return static_cast<double>(shown);
}

bool PianoWindowController::isLiveScrolling() const {
    return liveScrolling_;
}

void PianoWindowController::willStartLiveScroll() {
    center_.post(PianoResizingStarted);
    liveScrollTimer_->stop();
    lastSampledOriginX_ = visibleOriginX();
    liveScrollTimer_->start();
}

void PianoWindowController::didEndLiveScroll() {
    // A scroll that ended between two ticks still leaves the preference where the window
    // stopped, so the strip and a later key-width change agree with what is shown.
    if (liveScrollTimer_->isActive() && visibleOriginX() != lastSampledOriginX_) {
        sampleLiveScroll();
    }
    center_.post(PianoResizingEnded);
    pianoView_->setNeedsDisplay();
    liveScrollTimer_->stop();
}

void PianoWindowController::sampleLiveScroll() {
    const double origin = visibleOriginX();
    lastSampledOriginX_ = origin;
    double offset = origin / (keyboardWidth() - clipWidth()) * 96.0;
    if (!(offset > 0)) {
        offset = 0; // NaN (no scroll range) and negatives alike
    }
    lastNoteOffset_ = std::min(static_cast<float>(std::min(offset, 96.0)), 96.0F);
    defaults_.setValue(DefaultsValue::real(static_cast<double>(lastNoteOffset_)),
                       preferences::keyPath(preferences::noteOffset));
}

void PianoWindowController::liveSourceChanged() {
    const bool live = sliderHeld_ || wheelScrolling_ || stepScrolling_;
    if (live == liveScrolling_) {
        return;
    }
    liveScrolling_ = live;
    if (live) {
        willStartLiveScroll();
    } else {
        didEndLiveScroll();
    }
}

bool PianoWindowController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_->windowHandle() && event->type() == QEvent::Expose) {
        fitOnceFramed();
        return false;
    }
    if (watched != scrollView_->viewport() || event->type() != QEvent::Wheel) {
        return QObject::eventFilter(watched, event);
    }
    auto* wheel = static_cast<QWheelEvent*>(event);
    const Qt::ScrollPhase phase = wheel->phase();
    if (phase != Qt::ScrollEnd && !wheelScrolling_) {
        wheelScrolling_ = true;
        liveSourceChanged();
    }
    // The keyboard only scrolls sideways, so either wheel direction moves it.
    QCoreApplication::sendEvent(scrollView_->horizontalScrollBar(), wheel);
    if (phase == Qt::ScrollEnd) {
        wheelEndTimer_->stop();
        if (wheelScrolling_) {
            wheelScrolling_ = false;
            liveSourceChanged();
        }
    } else {
        wheelEndTimer_->start(phase == Qt::NoScrollPhase ? static_cast<int>(wheelScrollPause * 1000)
                                                         : phasedWheelTimeoutMs);
    }
    return true;
}

void PianoWindowController::showWindow() {
    if (!stripPlaced_) {
        placeStrip();
    }
    if (!frameRestored_ && !window_->isVisible()) {
        // The content area keeps its size and its bottom edge when a menu bar takes room.
        const QMenuBar* menu = qobject_cast<QMenuBar*>(window_->menuWidget());
        const int menuHeight =
            menu != nullptr && !menu->isNativeMenuBar() ? menu->sizeHint().height() : 0;
        if (menuHeight > 0) {
            const QRect frame = window_->geometry();
            window_->setGeometry(frame.adjusted(0, -menuHeight, 0, 0));
        }
        fitFrameToScreen();
        fitWhenFramed_ = true;
    }
    window_->show();
    if (fitWhenFramed_) {
        window_->windowHandle()->installEventFilter(this);
        QTimer::singleShot(0, window_.get(), [this] { fitOnceFramed(); });
    }
    window_->raise();
    window_->activateWindow();
    resizeKeyboard();
    scrollTo((keyboardWidth() - clipWidth()) * static_cast<double>(lastNoteOffset_ / 96.0F));
    if (stripWindow_ != nullptr) {
        stripWindow_->applicationStateChanged(QGuiApplication::applicationState());
    } else if (shellStrip_ != nullptr) {
        shellStrip_->applicationStateChanged(QGuiApplication::applicationState());
    }
}

void PianoWindowController::placeStrip() {
    stripPlaced_ = true;
    StripPlacement placement = chooseStripPlacement();
    if (placement.shellSurface != nullptr && stripPianoView_ != nullptr) {
        shellStrip_ =
            std::make_unique<ShellStripHost>(std::move(placement.shellSurface), *stripPianoView_);
    } else if (placement.docked && stripPianoView_ != nullptr) {
        dockedStrip_ = new QtPianoWidget(*stripPianoView_, QtPianoWidget::MouseMode::directTouch);
        dockedStrip_->setFixedHeight(QtStripWindow::defaultHeight);
        window_->centralWidget()->layout()->addWidget(dockedStrip_);
    } else {
        stripWindow_ = std::make_unique<QtStripWindow>(*this, window_.get());
        keyboardInput_->watch(stripWindow_.get());
    }
}

void PianoWindowController::panic() {
    pianoWidget_->releaseHeldInput();
    if (stripWindow_ != nullptr) {
        for (QtPianoWidget* widget : stripWindow_->itemWidgets()) {
            widget->releaseHeldInput();
        }
    }
    if (shellStrip_ != nullptr) {
        shellStrip_->releaseHeldInput();
    }
    if (dockedStrip_ != nullptr) {
        dockedStrip_->releaseHeldInput();
    }
    computerKeyboard_->forget();
    pianoController_.panic();
}

void PianoWindowController::saveFrame() {
    frameSaveTimer_->stop();
    const QByteArray frame = window_->saveGeometry().toBase64();
    defaults_.setObject(DefaultsValue::text(frame.toStdString()), frameKey);
}

bool PianoWindowController::restoreFrame() {
    const DefaultsValue stored = defaults_.objectForKey(frameKey);
    const std::string* text = stored.asText();
    if (text == nullptr || text->empty()) {
        return false;
    }
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(*text),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) {
        return false;
    }
    return window_->restoreGeometry(*decoded);
}

std::unique_ptr<TouchBar> PianoWindowController::makeTouchBar() {
    auto bar = std::make_unique<TouchBar>();
    bar->setDelegate(this);
    bar->setCustomizationIdentifier(std::string(customizationIdentifier));
    bar->setDefaultItemIdentifiers(
        {TouchBarController::pianoViewIdentifier(), TouchBarItemIdentifierOtherItemsProxy});
    bar->setCustomizationAllowedItemIdentifiers({TouchBarController::pianoViewIdentifier()});
    return bar;
}

std::unique_ptr<CustomTouchBarItem> PianoWindowController::touchBar(TouchBar&,
                                                                    const std::string& identifier) {
    if (identifier != TouchBarController::pianoViewIdentifier()) {
        return nullptr;
    }
    auto item = std::make_unique<CustomTouchBarItem>(identifier);
    item->setView(stripPianoView_);
    return item;
}

} // namespace tinkella
