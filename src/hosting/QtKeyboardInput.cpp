#include "hosting/QtKeyboardInput.h"

#include "model/ComputerKeyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace tinkella {

QtKeyboardInput::QtKeyboardInput(ComputerKeyboard& keyboard) : keyboard_(keyboard) {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(releaseDelayMs);
    connect(&releaseTimer_, &QTimer::timeout, this, [this] { keyboard_.applyPendingReleases(); });
    if (qApp != nullptr) {
        qApp->installEventFilter(this);
        connect(qApp, &QGuiApplication::focusWindowChanged, this,
                &QtKeyboardInput::focusWindowChanged);
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive) {
                        keyboard_.releaseAll();
                    }
                });
    }
}

QtKeyboardInput::~QtKeyboardInput() {
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
    keyboard_.releaseAll();
}

void QtKeyboardInput::watch(QWidget* window) {
    windows_.emplace_back(window);
}

bool QtKeyboardInput::isWatched(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (widget == nullptr) {
        return false;
    }
    const QWidget* window = widget->window();
    for (const QPointer<QWidget>& watched : windows_) {
        if (watched == window) {
            return true;
        }
    }
    return false;
}

void QtKeyboardInput::focusWindowChanged() {
    const QWindow* focus = QGuiApplication::focusWindow();
    for (const QPointer<QWidget>& watched : windows_) {
        if (watched != nullptr && focus != nullptr && watched->windowHandle() == focus) {
            return;
        }
    }
    keyboard_.releaseAll();
}

bool QtKeyboardInput::handleKeyEvent(ComputerKeyboard& keyboard, const QKeyEvent& event) {
    const bool down = event.type() == QEvent::KeyPress;
    if (!down && event.type() != QEvent::KeyRelease) {
        return false;
    }
    const bool repeat = event.isAutoRepeat();
    if (down && (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        return false;
    }
    switch (event.key()) {
    case Qt::Key_Space:
        down ? keyboard.sustainDown(repeat) : keyboard.sustainUp(repeat);
        return true;
    case Qt::Key_Left:
        if (down && !repeat) {
            keyboard.octaveDown();
        }
        return true;
    case Qt::Key_Right:
        if (down && !repeat) {
            keyboard.octaveUp();
        }
        return true;
    default:
        break;
    }
    const ScanCode scanCode = event.nativeScanCode();
    return down ? keyboard.keyDown(scanCode, repeat) : keyboard.keyUp(scanCode, repeat);
}

bool QtKeyboardInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (isWatched(watched) && handleKeyEvent(keyboard_, *static_cast<QKeyEvent*>(event))) {
            // Restarted by every release, so the last one also waits its full delay.
            if (event->type() == QEvent::KeyRelease && keyboard_.hasPendingReleases()) {
                releaseTimer_.start();
            }
            return true;
        }
        break;
    case QEvent::WindowDeactivate:
    case QEvent::WindowBlocked: // by a modal dialog, which then takes every key event
    case QEvent::Hide:
        // Only the watched windows themselves: a child hiding ends nothing.
        if (watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
            isWatched(watched)) {
            keyboard_.releaseAll();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tinkella
