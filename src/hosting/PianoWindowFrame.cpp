#include "hosting/PianoWindowFrame.h"

#include "foundation/DefaultsController.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace tinkella {

namespace {

constexpr QRect initialContentRect{384, 551, 1200, 270}; // origin at the screen's bottom left
constexpr QSize minimumWindowSize{200, 100};
constexpr QSize maximumWindowSize{9999, 400};
constexpr int frameSaveDelayMs = 500;

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

PianoWindowFrame::PianoWindowFrame(DefaultsController& defaults)
    : defaults_(defaults), frameSaveTimer_(std::make_unique<QTimer>()) {
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

    frameSaveTimer_->setSingleShot(true);
    frameSaveTimer_->setInterval(frameSaveDelayMs);
    connect(frameSaveTimer_.get(), &QTimer::timeout, this, &PianoWindowFrame::saveFrame);
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] {
            if (window_->isVisible() || frameSaveTimer_->isActive()) {
                saveFrame();
            }
        });
    }
}

PianoWindowFrame::~PianoWindowFrame() {
    if (QWindow* handle = window_->windowHandle()) {
        handle->removeEventFilter(this);
    }
    frameSaveTimer_->stop();
    window_.reset();
}

void PianoWindowFrame::show() {
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
    if (!shownBefore_) {
        // Tiling window managers (sway, i3) float a window whose height is fixed when it first
        // appears and stretch any other over their whole area, the keyboard lost in it. Fixed
        // until the window is on the screen, it floats at its own size and stays resizable.
        shownBefore_ = true;
        heightPinned_ = true;
        window_->setFixedHeight(window_->height());
    }
    window_->show();
    if (fitWhenFramed_ || heightPinned_) {
        window_->windowHandle()->installEventFilter(this);
        QTimer::singleShot(0, window_.get(), [this] { fitOnceFramed(); });
    }
    window_->raise();
    window_->activateWindow();
}

void PianoWindowFrame::placeWindow() {
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

void PianoWindowFrame::fitOnceFramed() {
    QWindow* handle = window_->windowHandle();
    if (fitWhenFramed_ && window_->isVisible() && handle != nullptr &&
        !handle->frameMargins().isNull()) {
        fitWhenFramed_ = false;
        fitFrameToScreen();
    }
}

// On a screen too small for the usual place, the whole frame (title bar and menu bar included)
// is moved and, where it must be, narrowed into the screen's available area.
void PianoWindowFrame::fitFrameToScreen() {
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

bool PianoWindowFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_->windowHandle() && event->type() == QEvent::Expose) {
        fitOnceFramed();
        if (heightPinned_ && window_->windowHandle()->isExposed()) {
            // Freed after the first frame is drawn, which the expose draws at once.
            heightPinned_ = false;
            QTimer::singleShot(0, window_.get(), [this] {
                window_->setMinimumHeight(minimumWindowSize.height());
                window_->setMaximumHeight(maximumWindowSize.height());
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void PianoWindowFrame::saveFrame() {
    frameSaveTimer_->stop();
    const QByteArray frame = window_->saveGeometry().toBase64();
    defaults_.setObject(DefaultsValue::text(frame.toStdString()), frameKey);
}

bool PianoWindowFrame::restoreFrame() {
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

} // namespace tinkella
