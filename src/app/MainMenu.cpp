#include "app/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSignalBlocker>
#include <QWidget>

namespace tinkella::app {

namespace {

QAction* addItem(QMenu* menu, const QString& title, const QKeySequence& shortcut,
                 const std::function<void()>& handler) {
    QAction* action = menu->addAction(title);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    if (handler) {
        QObject::connect(action, &QAction::triggered, action, [handler] { handler(); });
    }
    return action;
}

std::vector<QWidget*> listedWindows() {
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        // The strip is part of the keyboard, a frameless window never switched to; it is not
        // listed.
        const Qt::WindowType type = widget->windowType();
        if (widget->isVisible() && !widget->windowTitle().isEmpty() &&
            (type == Qt::Window || type == Qt::Dialog || type == Qt::Tool) &&
            !widget->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            windows.push_back(widget);
        }
    }
    return windows;
}

// The window list lies between the separators listStart and listEnd.
void fillWindowList(QMenu* menu, QAction* listStart, QAction* listEnd) {
    const QList<QAction*> actions = menu->actions();
    for (qsizetype i = actions.indexOf(listStart) + 1; i < actions.indexOf(listEnd); ++i) {
        menu->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    for (QWidget* window : listedWindows()) {
        auto* entry = new QAction(window->windowTitle(), menu);
        menu->insertAction(listEnd, entry);
        entry->setCheckable(true);
        entry->setChecked(window->isActiveWindow());
        const QPointer<QWidget> target(window);
        QObject::connect(entry, &QAction::triggered, entry, [target] {
            if (target) {
                if (target->isMinimized()) {
                    target->showNormal();
                }
                target->raise();
                target->activateWindow();
            }
        });
    }
}

} // namespace

QStringList windowMenuEntries() {
    QStringList titles;
    for (QWidget* window : listedWindows()) {
        titles << window->windowTitle();
    }
    return titles;
}

std::unique_ptr<QMenuBar> makeMainMenu(const MainMenuHandlers& handlers) {
    auto bar = std::make_unique<QMenuBar>();

    QMenu* appMenu = bar->addMenu(QStringLiteral("Tinkella"));
    addItem(appMenu, QStringLiteral("About Tinkella"), {}, handlers.about)
        ->setMenuRole(QAction::AboutRole);
    appMenu->addSeparator();
    addItem(appMenu, QStringLiteral("Settings\u2026"), QKeySequence(Qt::CTRL | Qt::Key_Comma),
            handlers.showSettings)
        ->setMenuRole(QAction::PreferencesRole);
    appMenu->addSeparator();
    QMenu* services = appMenu->addMenu(QStringLiteral("Services"));
    services->setTitle(QStringLiteral("Services"));
    services->menuAction()->setEnabled(false);
    appMenu->addSeparator();
    addItem(appMenu, QStringLiteral("Hide Tinkella"), QKeySequence(Qt::CTRL | Qt::Key_H),
            handlers.hide);
    addItem(appMenu, QStringLiteral("Hide Others"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H),
            {})
        ->setEnabled(false);
    addItem(appMenu, QStringLiteral("Show All"), {}, handlers.showAll);
    appMenu->addSeparator();
    // No QuitRole: Qt would then close every window before quitting.
    addItem(appMenu, QStringLiteral("Quit Tinkella"), QKeySequence(Qt::CTRL | Qt::Key_Q),
            handlers.quit)
        ->setMenuRole(QAction::NoRole);

    QMenu* windowMenu = bar->addMenu(QStringLiteral("Window"));
    addItem(windowMenu, QStringLiteral("Tinkella"), QKeySequence(Qt::CTRL | Qt::Key_1),
            handlers.showPianoWindow);
    windowMenu->addSeparator();
    addItem(windowMenu, QStringLiteral("Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M),
            handlers.minimize);
    addItem(windowMenu, QStringLiteral("Zoom"), {}, handlers.zoom);
    windowMenu->addSeparator();
    addItem(windowMenu, QStringLiteral("Bring All to Front"), {}, handlers.bringAllToFront);
    QAction* listStart = windowMenu->addSeparator();
    QAction* listEnd = windowMenu->addSeparator();
    QAction* sustain = windowMenu->addAction(QStringLiteral("Sustain"));
    sustain->setCheckable(true);
    if (handlers.sustain) {
        QObject::connect(sustain, &QAction::toggled, sustain,
                         [handler = handlers.sustain](bool on) { handler(on); });
    }
    QAction* panic = addItem(windowMenu, QStringLiteral("Panic"), {}, handlers.panic);
    // Esc acts in the piano window only (the window that holds this bar); elsewhere it keeps
    // its usual meaning.
    panic->setShortcut(QKeySequence(Qt::Key_Escape));
    panic->setShortcutContext(Qt::WindowShortcut);
    addItem(windowMenu, QStringLiteral("Computer Keyboard\u2026"), {},
            handlers.showKeyboardMapping);
    addItem(windowMenu, QStringLiteral("Save Last Performance\u2026"),
            QKeySequence(Qt::CTRL | Qt::Key_S), handlers.saveLastPerformance);
    windowMenu->addSeparator();
    const auto transposeBy = [handler = handlers.transpose](int step) {
        return [handler, step] {
            if (handler) {
                handler(step);
            }
        };
    };
    addItem(windowMenu, QStringLiteral("Transpose Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
            transposeBy(1));
    addItem(windowMenu, QStringLiteral("Transpose Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
            transposeBy(-1));
    addItem(windowMenu, QStringLiteral("Reset Transpose"), QKeySequence(Qt::CTRL | Qt::Key_0),
            transposeBy(0));
    QObject::connect(windowMenu, &QMenu::aboutToShow, windowMenu,
                     [windowMenu, listStart, listEnd, sustain, isSustained = handlers.isSustained] {
                         fillWindowList(windowMenu, listStart, listEnd);
                         if (isSustained) {
                             const QSignalBlocker quiet(sustain);
                             sustain->setChecked(isSustained());
                         }
                     });

    bar->addMenu(QStringLiteral("Help"));
    return bar;
}

} // namespace tinkella::app
