// The application delegate's menu: its items in order with their shortcuts, the two commands
// of the delegate, hiding and showing the windows, and the Window menu's list.
#include "app/MainMenu.h"

#include "app/AppHarness.h"
#include "app/AppInfo.h"

#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

using testing::AppHarness;

class MainMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.launch();
        if (!app.hasDoubles()) {
            GTEST_SKIP() << "the shared outputs were made before the doubles; run this test in a "
                            "process of its own (ctest does)";
        }
    }

    QMenu* menu(int index) { return app.pianoWindow()->menuBar()->actions().at(index)->menu(); }

    // "title|shortcut|enabled" for each item, "-" for a separator.
    static std::vector<std::string> describe(QMenu* menu) {
        std::vector<std::string> items;
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                items.emplace_back("-");
                continue;
            }
            items.push_back(action->text().toStdString() + "|" +
                            action->shortcut().toString(QKeySequence::PortableText).toStdString() +
                            (action->isEnabled() ? "" : "|disabled"));
        }
        return items;
    }

    AppHarness app;
};

TEST_F(MainMenuTest, TheBarHoldsTheApplicationWindowAndHelpMenus) {
    const QList<QAction*> top = app.pianoWindow()->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->menu()->title().toStdString(), "Tinkella");
    EXPECT_EQ(top[1]->menu()->title().toStdString(), "Window");
    EXPECT_EQ(top[2]->menu()->title().toStdString(), "Help");
    EXPECT_TRUE(top[2]->menu()->actions().isEmpty());
}

TEST_F(MainMenuTest, ApplicationMenuItemsInOrder) {
    EXPECT_EQ(describe(menu(0)),
              (std::vector<std::string>{"About Tinkella|", "-", "Settings\u2026|Ctrl+,", "-",
                                        "Services||disabled", "-", "Hide Tinkella|Ctrl+H",
                                        "Hide Others|Ctrl+Alt+H|disabled", "Show All|", "-",
                                        "Quit Tinkella|Ctrl+Q"}));
    EXPECT_EQ(menu(0)->actions()[4]->menu()->title().toStdString(), "Services");
}

TEST_F(MainMenuTest, WindowMenuItemsInOrderThenTheWindows) {
    QMenu* window = menu(1);
    ASSERT_TRUE(app.panel()->isVisible());
    emit window->aboutToShow();
    const std::vector<std::string> items = describe(window);
    ASSERT_GE(items.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(items.begin(), items.begin() + 7),
              (std::vector<std::string>{"Tinkella|Ctrl+1", "-", "Minimize|Ctrl+M", "Zoom|", "-",
                                        "Bring All to Front|", "-"}));
    const std::vector<std::string> listed(items.begin() + 7, items.end());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "Tinkella|"), listed.end());
    EXPECT_NE(std::find(listed.begin(), listed.end(), "Settings|"), listed.end())
        << ::testing::PrintToString(listed);

    app.panel()->close();
    emit window->aboutToShow();
    const std::vector<std::string> after = describe(window);
    EXPECT_EQ(std::find(after.begin() + 7, after.end(), "Settings|"), after.end());
}

TEST_F(MainMenuTest, ShortcutsWorkFromEveryWindow) {
    for (QAction* action : menu(0)->actions()) {
        if (!action->shortcut().isEmpty()) {
            EXPECT_EQ(action->shortcutContext(), Qt::ApplicationShortcut)
                << action->text().toStdString();
        }
    }
}

TEST_F(MainMenuTest, SettingsCommandReopensAClosedPanelAndRemembersIt) {
    app.panel()->close();
    ASSERT_EQ(app.store().read("settingsVisible"), DefaultsValue::boolean(false));
    app.menuAction(QStringLiteral("Settings\u2026"))->trigger();
    EXPECT_TRUE(app.panel()->isVisible());
    EXPECT_EQ(app.store().read("settingsVisible"), DefaultsValue::boolean(true));
    app.menuAction(QStringLiteral("Settings\u2026"))->trigger();
    EXPECT_TRUE(app.panel()->isVisible());
}

TEST_F(MainMenuTest, PianoWindowCommandShowsTheOneWindow) {
    const QList<QWidget*> before = QApplication::topLevelWidgets();
    app.pianoWindow()->showMinimized();
    app.menuAction(QStringLiteral("Tinkella"))->trigger();
    AppHarness::settle();
    EXPECT_FALSE(app.pianoWindow()->isMinimized());
    EXPECT_TRUE(app.pianoWindow()->isVisible());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), before.size());
}

TEST_F(MainMenuTest, HideMinimisesTheWindowsAndShowAllBringsThemBack) {
    app.menuAction(QStringLiteral("Hide Tinkella"))->trigger();
    AppHarness::settle();
    EXPECT_TRUE(app.pianoWindow()->isMinimized());
    app.menuAction(QStringLiteral("Show All"))->trigger();
    AppHarness::settle();
    EXPECT_FALSE(app.pianoWindow()->isMinimized());
    EXPECT_TRUE(app.pianoWindow()->isVisible());
}

TEST_F(MainMenuTest, AboutNamesTheProgramItsVersionAndTheSynthesiser) {
    QString text;
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            title = box->windowTitle();
            box->close();
        }
    });
    app.menuAction(QStringLiteral("About Tinkella"))->trigger();
    EXPECT_EQ(title.toStdString(), "About Tinkella");
    EXPECT_TRUE(text.contains(QString::fromUtf8(app::applicationVersion()))) << text.toStdString();
    EXPECT_TRUE(text.contains("FluidSynth")) << text.toStdString();
    EXPECT_TRUE(text.contains("General MIDI")) << text.toStdString();
}

TEST_F(MainMenuTest, CommandsBeforeLaunchFinishesDoNothing) {
    app::AppDelegate early;
    early.applicationWillFinishLaunching();
    early.showSettings();
    early.showPianoWindow();
    early.applicationWillTerminate();
    EXPECT_EQ(early.settingsWindowController(), nullptr);
    EXPECT_NE(early.pendingMainMenu(), nullptr);
}

} // namespace
} // namespace tinkella
