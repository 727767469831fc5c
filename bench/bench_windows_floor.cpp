// The floor under Tinkella's start-up: a bare toolkit program that shows the same three top-level
// windows (titles, window types and flags, sizes and places on a 1920 x 1080 screen, the piano
// window's menu bar with its three menus) and nothing else: no model, no piano drawing, no
// controls in the settings panel, no synthesiser, no MIDI, no settings file. bench/compare-startup
// starts it beside Tinkella and VMPK and times it until its windows are mapped.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPalette>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tinkella"));
    QApplication::setQuitOnLastWindowClosed(false);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();

    QWidget panel(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint);
    panel.setWindowTitle(QStringLiteral("Settings"));
    panel.setFixedSize(380, 385);
    panel.move(screen.right() - 737, screen.center().y());

    QMainWindow piano(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                   Qt::WindowMaximizeButtonHint);
    piano.setWindowTitle(QStringLiteral("Tinkella"));
    auto* bar = new QMenuBar;
    for (const char* title : {"Tinkella", "Window", "Help"}) {
        bar->addMenu(QString::fromLatin1(title));
    }
    piano.setMenuBar(bar);
    piano.setCentralWidget(new QWidget);
    piano.setGeometry(screen.center().x() - 600, screen.center().y() - 300, 1200, 289);

    QWidget strip(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                               Qt::WindowDoesNotAcceptFocus | Qt::Tool);
    strip.setWindowTitle(QStringLiteral("Tinkella Touch Bar"));
    strip.setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette black = strip.palette();
    black.setColor(QPalette::Window, Qt::black);
    strip.setPalette(black);
    strip.setAutoFillBackground(true);
    strip.setGeometry(screen.center().x() - 543, screen.bottom() - 37, 1085, 30);

    panel.show();
    piano.show();
    strip.show();
    return QApplication::exec();
}
