#include "hosting/QtStripWindow.h"

#include "hosting/QtPianoWidget.h"
#include "hosting/TouchBarController.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <algorithm>

namespace tinkella {

QtStripWindow::QtStripWindow(PianoView& view, QWidget* anchor)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus | Qt::Tool),
      anchor_(anchor) {
    setWindowTitle(QStringLiteral("Tinkella Touch Bar"));
    setObjectName(QString::fromUtf8(QtStripWindow::customizationIdentifier));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::black);
    setPalette(background);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    pianoWidget_ = new QtPianoWidget(view, QtPianoWidget::MouseMode::directTouch, this);
    pianoWidget_->setObjectName(QString::fromUtf8(TouchBarController::pianoViewIdentifier));
    layout->addWidget(pianoWidget_);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            &QtStripWindow::applicationStateChanged);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [this] { place(); });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, [this] { place(); });
}

QtStripWindow::~QtStripWindow() = default;

bool QtStripWindow::isTouchBarShaped(const QRect& screenGeometry) {
    return screenGeometry.height() > 0 && screenGeometry.height() <= 120 &&
           screenGeometry.width() >= 10 * screenGeometry.height();
}

QRect QtStripWindow::stripGeometry(const std::vector<QRect>& screenGeometries,
                                   const QRect& anchorAvailableGeometry) {
    for (const QRect& screen : screenGeometries) {
        if (isTouchBarShaped(screen)) {
            return screen;
        }
    }
    const QRect& area = anchorAvailableGeometry;
    const int width = std::min(defaultWidth, std::max(area.width(), 0));
    const int x = area.x() + (area.width() - width) / 2;
    const int y = area.y() + area.height() - bottomGap - defaultHeight;
    return {x, std::max(y, area.y()), width, defaultHeight};
}

void QtStripWindow::applicationStateChanged(Qt::ApplicationState state) {
    if (state == Qt::ApplicationActive) {
        place();
        show();
    } else {
        hide();
    }
}

void QtStripWindow::releaseHeldInput() {
    pianoWidget_->releaseHeldInput();
}

void QtStripWindow::place() {
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.push_back(screen->geometry());
    }
    const QScreen* anchorScreen =
        anchor_ != nullptr ? anchor_->screen() : QGuiApplication::primaryScreen();
    const QRect available = anchorScreen != nullptr ? anchorScreen->availableGeometry() : QRect();
    setGeometry(stripGeometry(screens, available));
}

} // namespace tinkella
