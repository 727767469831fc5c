#include "hosting/StripHost.h"

#include "hosting/QtPianoWidget.h"
#include "hosting/QtStripWindow.h"
#include "hosting/ShellStripHost.h"
#include "hosting/TouchBarController.h"

#include <QLayout>
#include <QMainWindow>
#include <QPointer>

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

} // namespace

std::unique_ptr<StripHost> makeStripHost(StripPlacement placement, PianoView& view,
                                         QMainWindow& pianoWindow) {
    if (placement.shellSurface != nullptr) {
        return std::make_unique<ShellStripHost>(std::move(placement.shellSurface), view);
    }
    if (placement.docked) {
        return std::make_unique<DockedStrip>(view, pianoWindow);
    }
    return std::make_unique<QtStripWindow>(view, &pianoWindow);
}

} // namespace tinkella
