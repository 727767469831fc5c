#include "app/HelpWindows.h"

#include "app/MainMenu.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tinkella::app {

namespace {

// A window of its own holding a text browser: shown, raised and made active; the same window
// again while it is open.
QTextBrowser* showBrowserWindow(QPointer<QDialog>& window, QWidget* parent, const QString& title,
                                const QString& name, QSize size) {
    if (window == nullptr) {
        window = new QDialog(parent, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(name);
        window->setWindowTitle(title);
        auto* browser = new QTextBrowser(window);
        browser->setObjectName(name + QStringLiteral("Text"));
        browser->setAccessibleName(title);
        browser->setOpenLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        window->resize(size);
    }
    window->show();
    window->raise();
    window->activateWindow();
    auto* browser = window->findChild<QTextBrowser*>();
    browser->setFocus();
    return browser;
}

} // namespace

void showManual(QWidget* parent) {
    static QPointer<QDialog> window;
    const bool made = window == nullptr;
    QTextBrowser* browser = showBrowserWindow(
        window, parent, QCoreApplication::translate("HelpWindows", "Tinkella Help"),
        QStringLiteral("manual"), {720, 640});
    if (made) {
        QFile page(QStringLiteral(":/help/tinkella.html"));
        browser->setHtml(
            page.open(QIODevice::ReadOnly)
                ? QString::fromUtf8(page.readAll())
                : QCoreApplication::translate(
                      "HelpWindows", "The manual is not built into this copy; see man tinkella."));
    }
}

void showShortcuts(QWidget* parent, const QMenuBar& bar) {
    static QPointer<QDialog> window;
    QTextBrowser* browser = showBrowserWindow(
        window, parent, QCoreApplication::translate("HelpWindows", "Keyboard Shortcuts"),
        QStringLiteral("shortcuts"), {560, 640});
    const auto row = [](const QString& keys, const QString& what) {
        return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
            .arg(keys.toHtmlEscaped(), what.toHtmlEscaped());
    };
    QString html = QStringLiteral("<h3>%1</h3><table cellpadding=3>")
                       .arg(QCoreApplication::translate("HelpWindows", "Playing"));
    html += row(QStringLiteral("Z S X D C V G B H N J M ,"),
                QCoreApplication::translate("HelpWindows", "play from the octave's C up"));
    html += row(QStringLiteral("Q 2 W 3 E R 5 T 6 Y 7 U I"),
                QCoreApplication::translate("HelpWindows", "play the octave above"));
    html +=
        row(QStringLiteral("\u2190 / \u2192"),
            QCoreApplication::translate("HelpWindows", "computer keyboard an octave down / up"));
    html += row(QCoreApplication::translate("HelpWindows", "Space"),
                QCoreApplication::translate("HelpWindows", "sustain, while held"));
    html +=
        row(QStringLiteral("Esc"),
            QCoreApplication::translate("HelpWindows", "panic: every note stops (piano window)"));
    html +=
        row(QStringLiteral("Tab"),
            QCoreApplication::translate("HelpWindows", "move between the controls of a window"));
    html += row(QStringLiteral("F10"),
                QCoreApplication::translate("HelpWindows", "open the menus (piano window)"));
    html += QStringLiteral("</table>");
    QString menu;
    for (const MenuShortcut& shortcut : menuShortcuts(bar)) {
        if (shortcut.menu != menu) {
            html += menu.isEmpty() ? QString() : QStringLiteral("</table>");
            menu = shortcut.menu;
            html += QStringLiteral("<h3>%1</h3><table cellpadding=3>").arg(menu.toHtmlEscaped());
        }
        html += row(shortcut.shortcut, shortcut.command);
    }
    browser->setHtml(html + (menu.isEmpty() ? QString() : QStringLiteral("</table>")));
}

} // namespace tinkella::app
