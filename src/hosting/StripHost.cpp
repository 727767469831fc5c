#include "hosting/StripHost.h"

#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "hosting/ShellStripHost.h"
#include "hosting/TouchBarController.h"
#include "interfaces/StandardError.h"

#include <QLayout>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

namespace tinkella {

namespace {

// The strip inside the bottom of the piano window, for desktops that let a program place no
// window of its own and offer no shell surface for it. Shows and hides with that window.
class DockedStrip : public StripHost {
public:
    DockedStrip(PianoView& view, QMainWindow& pianoWindow)
        : widget_(new QtPianoWidget(view, QtPianoWidget::MouseMode::directTouch)) {
        widget_->setObjectName(QString::fromUtf8(TouchBarController::pianoViewIdentifier));
        widget_->setFixedHeight(QtStripWindow::defaultHeight);
        pianoWindow.centralWidget()->layout()->addWidget(widget_);
    }
    // The widget belongs to the piano window; it goes here unless the window went first.
    ~DockedStrip() override { delete widget_.data(); }

    void applicationStateChanged(Qt::ApplicationState) override {}
    void releaseHeldInput() override {
        if (widget_ != nullptr) {
            widget_->releaseHeldInput();
        }
    }
    QWidget* ownWindow() override { return nullptr; }

private:
    QPointer<QtPianoWidget> widget_;
};

// A shell surface's strip that docks in the piano window when the surface's connection is lost:
// the held points have ended by then, the strip plays on from the window.
class ShellOrDockedStrip : public StripHost {
public:
    ShellOrDockedStrip(std::unique_ptr<StripSurface> surface, PianoView& view,
                       QMainWindow& pianoWindow)
        : view_(view), pianoWindow_(&pianoWindow) {
        current_ = std::make_unique<ShellStripHost>(
            std::move(surface), view, [this](const std::string& reason) { dock(reason); });
    }

    void applicationStateChanged(Qt::ApplicationState state) override {
        if (current_ != nullptr) {
            current_->applicationStateChanged(state);
        }
    }
    void releaseHeldInput() override {
        if (current_ != nullptr) {
            current_->releaseHeldInput();
        }
    }
    QWidget* ownWindow() override { return nullptr; }

private:
    void dock(const std::string& reason) {
        PosixStandardErrorWriter().write("Tinkella: strip docked in the piano window: " + reason +
                                         "\n");
        // Called from within the shell host, which goes once its call has returned.
        QTimer::singleShot(0, &context_, [this] {
            current_.reset();
            if (pianoWindow_ != nullptr) {
                current_ = std::make_unique<DockedStrip>(view_, *pianoWindow_);
            }
        });
    }

    PianoView& view_;
    QPointer<QMainWindow> pianoWindow_;
    QObject context_;
    std::unique_ptr<StripHost> current_;
};

} // namespace

std::unique_ptr<StripHost> makeStripHost(StripPlacement placement, PianoView& view,
                                         QMainWindow& pianoWindow) {
    if (placement.shellSurface != nullptr) {
        return std::make_unique<ShellOrDockedStrip>(std::move(placement.shellSurface), view,
                                                    pianoWindow);
    }
    if (placement.docked) {
        return std::make_unique<DockedStrip>(view, pianoWindow);
    }
    return std::make_unique<QtStripWindow>(view, &pianoWindow);
}

} // namespace tinkella
