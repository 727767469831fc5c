#include "hosting/KeyboardScroll.h"

#include "foundation/NotificationCenter.h"
#include "hosting/QtPianoWidget.h"
#include "model/Preferences.h"
#include "view/PianoView.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <climits>
#include <cmath>

namespace tinkella {

namespace {

// The widest keyboard widget: a fixed width of QWIDGETSIZE_MAX itself reads as "no minimum".
constexpr double largestKeyboardWidth = QWIDGETSIZE_MAX - 1;
// Wheel runs from devices with phases end with an end phase; this only guards a lost one.
constexpr int phasedWheelTimeoutMs = 1000;

} // namespace

KeyboardScroll::KeyboardScroll(PianoView& view, QScrollArea& scrollView, QtPianoWidget& keyboard,
                               NotificationCenter& center,
                               std::function<void(float)> offsetScrolledByHand)
    : view_(view), scrollView_(scrollView), keyboard_(keyboard), center_(center),
      offsetScrolledByHand_(std::move(offsetScrolledByHand)), viewport_(scrollView.viewport()),
      liveScrollTimer_(std::make_unique<QTimer>()), wheelEndTimer_(std::make_unique<QTimer>()),
      stepEndTimer_(std::make_unique<QTimer>()) {
    resizeKeyboard();

    liveScrollTimer_->setInterval(static_cast<int>(liveScrollInterval * 1000));
    liveScrollTimer_->setTimerType(Qt::PreciseTimer);
    connect(liveScrollTimer_.get(), &QTimer::timeout, this, &KeyboardScroll::sampleLiveScroll);
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
    QScrollBar* bar = scrollView_.horizontalScrollBar();
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
    viewport_->installEventFilter(this);
}

KeyboardScroll::~KeyboardScroll() {
    if (viewport_ != nullptr) {
        viewport_->removeEventFilter(this);
    }
}

double KeyboardScroll::keyboardWidth() const {
    const double width = view_.getKeyboardWidth();
    if (!(width > 0)) {
        return 0;
    }
    return std::min(width, largestKeyboardWidth);
}

double KeyboardScroll::clipWidth() const {
    return static_cast<double>(scrollView_.viewport()->width());
}

void KeyboardScroll::resizeKeyboard() {
    const int width = static_cast<int>(keyboardWidth());
    keyboard_.setFixedWidth(width);
    // The scroll range follows the new width at once, so a scroll right after lands.
    scrollView_.horizontalScrollBar()->setRange(
        0, std::max(0, width - scrollView_.viewport()->width()));
}

void KeyboardScroll::keyWidthChanged() {
    resizeKeyboard();
    view_.setNeedsDisplay();
    scrollTo((keyboardWidth() - clipWidth()) * preferences::scrollFraction(lastNoteOffset_));
}

void KeyboardScroll::setNoteOffset(float noteOffset) {
    lastNoteOffset_ = noteOffset;
    scrollTo((keyboardWidth() - clipWidth()) * preferences::scrollFraction(noteOffset));
}

void KeyboardScroll::scrollByOctaves(int octaves) {
    const double overflow = keyboardWidth() - clipWidth();
    if (!(overflow > 0)) {
        return;
    }
    // An octave is seven natural keys.
    const double x = std::clamp(visibleOriginX() + octaves * 7 * view_.keyWidth(), 0.0, overflow);
    lastNoteOffset_ = preferences::noteOffsetAt(x / overflow);
    offsetScrolledByHand_(lastNoteOffset_);
}

void KeyboardScroll::scrollTo(double x) {
    requestedScrollX_ = x;
    QScrollBar* bar = scrollView_.horizontalScrollBar();
    const double bounded = std::isfinite(x) ? std::clamp(x, 0.0, double{INT_MAX}) : 0.0;
    bar->setValue(static_cast<int>(std::lround(bounded)));
}

double KeyboardScroll::visibleOriginX() const {
    const int shown = scrollView_.horizontalScrollBar()->value();
    // The toolkit scrolls by whole pixels; while it still shows the position last asked for,
    // that position is the exact origin.
    if (std::isfinite(requestedScrollX_) && requestedScrollX_ >= 0 &&
        requestedScrollX_ <= double{INT_MAX} && std::lround(requestedScrollX_) == shown) {
        return requestedScrollX_;
    }
    return static_cast<double>(shown);
}

void KeyboardScroll::willStartLiveScroll() {
    center_.post(PianoResizingStarted);
    liveScrollTimer_->stop();
    lastSampledOriginX_ = visibleOriginX();
    liveScrollTimer_->start();
}

void KeyboardScroll::didEndLiveScroll() {
    // A scroll that ended between two ticks still leaves the offset where the window stopped,
    // so the strip and a later key-width change agree with what is shown.
    if (liveScrollTimer_->isActive() && visibleOriginX() != lastSampledOriginX_) {
        sampleLiveScroll();
    }
    center_.post(PianoResizingEnded);
    view_.setNeedsDisplay();
    liveScrollTimer_->stop();
}

void KeyboardScroll::sampleLiveScroll() {
    const double origin = visibleOriginX();
    lastSampledOriginX_ = origin;
    lastNoteOffset_ = preferences::noteOffsetAt(origin / (keyboardWidth() - clipWidth()));
    offsetScrolledByHand_(lastNoteOffset_);
}

void KeyboardScroll::liveSourceChanged() {
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

bool KeyboardScroll::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_ || event->type() != QEvent::Wheel) {
        return QObject::eventFilter(watched, event);
    }
    auto* wheel = static_cast<QWheelEvent*>(event);
    const Qt::ScrollPhase phase = wheel->phase();
    if (phase != Qt::ScrollEnd && !wheelScrolling_) {
        wheelScrolling_ = true;
        liveSourceChanged();
    }
    // The keyboard only scrolls sideways, so either wheel direction moves it.
    QCoreApplication::sendEvent(scrollView_.horizontalScrollBar(), wheel);
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

} // namespace tinkella
