// The strip on a surface of the desktop's shell, placed by the piano window as the composition
// says (or docked in it): fingers and the mouse played one to one as direct touches, every point
// ended however it goes (the surface, panic, the host going), no note left sounding.
#include "hosting/ShellStripHost.h"

#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/StripPlacement.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QMainWindow>
#include <algorithm>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

struct FakeStripSurface : StripSurface {
    void setClient(StripSurfaceClient* newClient) override { client = newClient; }
    int descriptor() const override { return -1; }
    bool dispatch() override { return true; }
    void setVisible(bool) override {}
    Size size() const override { return {1085, 30}; }
    void draw(const std::function<void(const PixelBuffer&)>&) override {}
    StripSurfaceClient* client = nullptr;
};

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
        ASSERT_NE(dynamic_cast<ShellStripHost*>(controller->strip()), nullptr);
        const auto point = [&](SurfacePointPhase phase, bool mouse, int id, double x) {
            surface->client->surfacePointChanged({phase, mouse, id, {x, 10}});
        };
        using enum SurfacePointPhase;
        point(began, false, 7, 100);
        point(began, true, 0, 500);
        EXPECT_EQ(view.touchCount(), 2U);
        EXPECT_EQ(sounding(), 2);
        point(moved, false, 8, 300); // never began: ignored
        point(moved, false, 7, 900);
        point(ended, true, 0, 500);
        point(cancelled, false, 7, 900);
        point(ended, false, 7, 900);
        EXPECT_EQ(sounding(), 0);
        point(began, false, 1, 100);
        controller->panic();
        EXPECT_EQ(sounding(), 0);
        point(began, false, 2, 200);
        controller.reset();
        EXPECT_EQ(sounding(), 0);
        EXPECT_EQ(view.touchCount(), 0U);
    }
    setStripPlacementFactory(nullptr);
}

} // namespace
} // namespace tinkella
