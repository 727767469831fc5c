// The strip on a surface of the desktop's shell, placed by the piano window as the composition
// says (or docked in it): fingers and the mouse played one to one as direct touches, every point
// ended however it goes (the surface, panic, a modal dialog, the host going), no note left
// sounding.
#include "hosting/ShellStripHost.h"

#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/StripPlacement.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QAccessible>
#include <QDialog>
#include <QMainWindow>
#include <QMenu>
#include <QPointingDevice>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace tinkella {
namespace {

// Its descriptor turns readable when the test writes to `wake`.
struct FakeStripSurface : StripSurface {
    ~FakeStripSurface() override { close(wake); }
    void setClient(StripSurfaceClient* newClient) override { client = newClient; }
    int descriptor() const override { return wake; }
    bool dispatch() override { return !lost; }
    std::string lossReason() const override { return lost ? "gone" : ""; }
    void setVisible(bool) override {}
    Size size() const override { return {1085, 30}; }
    void draw(const std::function<void(const PixelBuffer&)>&) override {}
    StripSurfaceClient* client = nullptr;
    bool lost = false;
    int wake = eventfd(0, EFD_CLOEXEC);
};

void openModalDialog() {
    QDialog dialog;
    dialog.setModal(true);
    dialog.show();
}

TEST(ShellStripHostTest, PlacedByTheWindowPlaysEveryPointToItsEnd) {
    testing::ensureQtApplication();
    testing::KeyboardDoubles doubles;
    const auto sounding = [&] {
        return std::ranges::count_if(doubles.piano.keys(), [](auto& key) { return key.playing; });
    };
    for (bool docked : {true, false}) {
        auto* surface = docked ? nullptr : new FakeStripSurface;
        setStripPlacementFactory([docked, surface] {
            return StripPlacement{std::unique_ptr<StripSurface>(surface), docked};
        });
        PianoView view(Rect(0, 0, 1085, 30), true, doubles.piano, doubles.center);
        auto controller = std::make_unique<PianoWindowController>(doubles.defaults, doubles.piano,
                                                                  doubles.center);
        controller->setStripPianoView(&view);
        controller->showWindow();
        if (docked) {
            const auto* strip =
                controller->window()->findChild<QtPianoWidget*>("com.quorvin.piano.label");
            ASSERT_NE(strip, nullptr);
            EXPECT_EQ(strip->height(), 30);
            continue;
        }
        ASSERT_NE(surface->client, nullptr);
        const auto point = [&](SurfacePointPhase phase, bool mouse, int id, double x) {
            surface->client->surfacePointChanged({phase, mouse, id, {x, 10}});
        };
        using enum SurfacePointPhase;
        point(began, false, 7, 100);
        point(began, true, 0, 500);
        EXPECT_EQ(view.touchCount(), 2U);
        EXPECT_EQ(sounding(), 2);
        // A screen reader finds the strip among the application's windows, its held keys pressed.
        Q_EMIT qGuiApp->applicationStateChanged(Qt::ApplicationActive); // the strip shows
        QAccessibleInterface* app = QAccessible::queryAccessibleInterface(qApp);
        QAccessibleInterface* strip = app->child(0);
        ASSERT_EQ(strip->text(QAccessible::Name), "Touch strip keyboard");
        int pressed = 0;
        for (int i = 0; i < strip->childCount(); ++i) {
            pressed += strip->child(i)->state().pressed ? 1 : 0;
        }
        EXPECT_EQ(pressed, 2);
        point(moved, false, 8, 300); // never began: ignored
        point(moved, false, 7, 900);
        point(ended, true, 0, 500);
        point(cancelled, false, 7, 900);
        point(ended, false, 7, 900);
        EXPECT_EQ(sounding(), 0);
        point(began, false, 1, 100);
        controller->panic();
        EXPECT_EQ(sounding(), 0);
        point(began, false, 2, 100);
        openModalDialog();
        EXPECT_EQ(sounding(), 0);
        // The connection lost under a held finger: the finger ends, the strip docks and plays.
        point(began, false, 3, 300);
        surface->lost = true;
        const std::uint64_t one = 1;
        ASSERT_EQ(write(surface->wake, &one, sizeof one), 8);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        EXPECT_EQ(sounding(), 0);
        auto* dockedStrip =
            controller->window()->findChild<QtPianoWidget*>("com.quorvin.piano.label");
        ASSERT_NE(dockedStrip, nullptr);
        // The mouse as a finger through a modal dialog, a finger through a popup menu.
        const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
        for (bool dialog : {true, false}) {
            dialog ? QTest::mousePress(dockedStrip, Qt::LeftButton, {}, QPoint(100, 10))
                   : void(QTest::touchEvent(dockedStrip, screen.get()).press(0, {300, 10}));
            EXPECT_EQ(sounding(), 1);
            QMenu menu;
            dialog ? openModalDialog() : menu.popup({});
            EXPECT_EQ(sounding(), 0);
        }
        QTest::mousePress(dockedStrip, Qt::LeftButton, {}, QPoint(100, 10));
        EXPECT_EQ(sounding(), 1);
        controller.reset();
        EXPECT_EQ(sounding(), 0);
        EXPECT_EQ(view.touchCount(), 0U);
    }
    setStripPlacementFactory(nullptr);
}

} // namespace
} // namespace tinkella
