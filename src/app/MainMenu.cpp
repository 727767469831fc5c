#include "app/MainMenu.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
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

    QMenu* appMenu = bar->addMenu(QCoreApplication::translate("MainMenu", "Tinkella"));
    addItem(appMenu, QCoreApplication::translate("MainMenu", "About Tinkella"),
            QKeySequence(Qt::SHIFT | Qt::Key_F1), handlers.about)
        ->setMenuRole(QAction::AboutRole);
    appMenu->addSeparator();
    addItem(appMenu, QCoreApplication::translate("MainMenu", "Settings\u2026"),
            QKeySequence(Qt::CTRL | Qt::Key_Comma), handlers.showSettings)
        ->setMenuRole(QAction::PreferencesRole);
    appMenu->addSeparator();
    QMenu* services = appMenu->addMenu(QCoreApplication::translate("MainMenu", "Services"));
    services->menuAction()->setEnabled(false);
    appMenu->addSeparator();
    addItem(appMenu, QCoreApplication::translate("MainMenu", "Hide Tinkella"),
            QKeySequence(Qt::CTRL | Qt::Key_H), handlers.hide);
    addItem(appMenu, QCoreApplication::translate("MainMenu", "Hide Others"),
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_H), {})
        ->setEnabled(false);
    addItem(appMenu, QCoreApplication::translate("MainMenu", "Show All"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), handlers.showAll);
    appMenu->addSeparator();
    // No QuitRole: Qt would then close every window before quitting.
    addItem(appMenu, QCoreApplication::translate("MainMenu", "Quit Tinkella"),
            QKeySequence(Qt::CTRL | Qt::Key_Q), handlers.quit)
        ->setMenuRole(QAction::NoRole);

    QMenu* windowMenu = bar->addMenu(QCoreApplication::translate("MainMenu", "Window"));
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Tinkella"),
            QKeySequence(Qt::CTRL | Qt::Key_1), handlers.showPianoWindow);
    windowMenu->addSeparator();
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Minimize"),
            QKeySequence(Qt::CTRL | Qt::Key_M), handlers.minimize);
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Zoom"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), handlers.zoom);
    windowMenu->addSeparator();
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Bring All to Front"),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B), handlers.bringAllToFront);
    QAction* listStart = windowMenu->addSeparator();
    QAction* listEnd = windowMenu->addSeparator();
    QAction* sustain = addItem(windowMenu, QCoreApplication::translate("MainMenu", "Sustain"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Space), {});
    sustain->setCheckable(true);
    if (handlers.sustain) {
        QObject::connect(sustain, &QAction::toggled, sustain,
                         [handler = handlers.sustain](bool on) { handler(on); });
    }
    QAction* panic =
        addItem(windowMenu, QCoreApplication::translate("MainMenu", "Panic"), {}, handlers.panic);
    // Esc acts in the piano window only (the window that holds this bar); elsewhere it keeps
    // its usual meaning.
    panic->setShortcut(QKeySequence(Qt::Key_Escape));
    panic->setShortcutContext(Qt::WindowShortcut);
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Computer Keyboard\u2026"),
            QKeySequence(Qt::CTRL | Qt::Key_K), handlers.showKeyboardMapping);
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Save Last Performance\u2026"),
            QKeySequence(Qt::CTRL | Qt::Key_S), handlers.saveLastPerformance);
    windowMenu->addSeparator();
    const auto stepBy = [](const std::function<void(int)>& handler, int step) {
        return [handler, step] {
            if (handler) {
                handler(step);
            }
        };
    };
    const auto transposeBy = [&](int step) {
        return stepBy(handlers.transpose, step);
    };
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Transpose Up"),
            QKeySequence(Qt::CTRL | Qt::Key_Up), transposeBy(1));
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Transpose Down"),
            QKeySequence(Qt::CTRL | Qt::Key_Down), transposeBy(-1));
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Reset Transpose"),
            QKeySequence(Qt::CTRL | Qt::Key_0), transposeBy(0));
    windowMenu->addSeparator();
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Scroll Left an Octave"),
            QKeySequence(Qt::CTRL | Qt::Key_Left), stepBy(handlers.scrollOctave, -1));
    addItem(windowMenu, QCoreApplication::translate("MainMenu", "Scroll Right an Octave"),
            QKeySequence(Qt::CTRL | Qt::Key_Right), stepBy(handlers.scrollOctave, 1));
    QObject::connect(windowMenu, &QMenu::aboutToShow, windowMenu,
                     [windowMenu, listStart, listEnd, sustain, isSustained = handlers.isSustained] {
                         fillWindowList(windowMenu, listStart, listEnd);
                         if (isSustained) {
                             const QSignalBlocker quiet(sustain);
                             sustain->setChecked(isSustained());
                         }
                     });

    QMenu* help = bar->addMenu(QCoreApplication::translate("MainMenu", "Help"));
    addItem(help, QCoreApplication::translate("MainMenu", "Tinkella Help"),
            QKeySequence(Qt::Key_F1), handlers.showHelp);
    addItem(help, QCoreApplication::translate("MainMenu", "Keyboard Shortcuts"),
            QKeySequence(Qt::CTRL | Qt::Key_F1), handlers.showShortcuts);
    return bar;
}

std::vector<MenuShortcut> menuShortcuts(const QMenuBar& bar) {
    std::vector<MenuShortcut> shortcuts;
    for (const QAction* top : bar.actions()) {
        const QMenu* menu = top->menu();
        if (menu == nullptr) {
            continue;
        }
        for (const QAction* action : menu->actions()) {
            if (!action->shortcut().isEmpty()) {
                QString command = action->text();
                command.remove(QChar(0x2026));
                shortcuts.push_back({menu->title(), command,
                                     action->shortcut().toString(QKeySequence::NativeText)});
            }
        }
    }
    return shortcuts;
}

} // namespace tinkella::app
