// The strip on a surface of the desktop's shell: fingers and the mouse played one to one, every
// point ended however it goes, the view drawn into the surface's buffer, the surface shown while
// the application is active; the piano window placing the strip where the composition says.
#include "hosting/ShellStripHost.h"

#include "hosting/PianoWindowController.h"
#include "hosting/QtPianoWidget.h"
#include "hosting/StripPlacement.h"
#include "support/KeyboardDoubles.h"
#include "support/QtTestApplication.h"
#include "view/PianoView.h"

#include <QMainWindow>
#include <gtest/gtest.h>

namespace tinkella {
namespace {

struct FakeStripSurface : StripSurface {
    void setClient(StripSurfaceClient* newClient) override { client = newClient; }
    int descriptor() const override { return -1; }
    bool dispatch() override { return true; }
    void setVisible(bool shown) override { visible = shown; }
    Size size() const override { return {1085, 30}; }
    void draw(const std::function<void(const PixelBuffer&)>& paint) override {
        pixels.assign(1085 * 30, 0);
        paint(PixelBuffer{pixels.data(), 1085, 30, 1085 * 4});
    }
    StripSurfaceClient* client = nullptr;
    bool visible = false;
    std::vector<std::uint32_t> pixels;
};

class ShellStripHostTest : public ::testing::Test {
protected:
    void point(SurfacePointPhase phase, bool mouse, int id, double x) {
        surface->client->surfacePointChanged(SurfacePoint{phase, mouse, id, {x, 10}});
    }
    // Note-ons minus note-offs sent so far.
    long sounding() const {
        long count = 0;
        for (std::uint32_t word : doubles.noteWords()) {
            count += (ump::statusByte(word) & 0xF0) == ump::noteOnStatus ? 1 : -1;
        }
        return count;
    }

    QApplication& qt = testing::ensureQtApplication();
    testing::KeyboardDoubles doubles;
    PianoView view{Rect(0, 0, 1085, 30), true, doubles.piano, doubles.center};
    FakeStripSurface* surface = new FakeStripSurface;
    std::unique_ptr<ShellStripHost> host =
        std::make_unique<ShellStripHost>(std::unique_ptr<StripSurface>(surface), view);
};

TEST_F(ShellStripHostTest, FingersAndTheMousePlayAndEveryPointEnds) {
    using enum SurfacePointPhase;
    point(began, false, 7, 100);
    point(began, true, 0, 500);
    EXPECT_EQ(view.touchCount(), 2U);
    EXPECT_EQ(sounding(), 2);
    point(moved, false, 7, 900);
    point(moved, false, 8, 300); // never began: ignored
    EXPECT_EQ(sounding(), 2);
    point(ended, true, 0, 500);
    point(cancelled, false, 7, 900);
    point(ended, false, 7, 900);
    EXPECT_EQ(view.touchCount(), 0U);
    EXPECT_EQ(host->heldPointCount(), 0U);
    EXPECT_EQ(sounding(), 0);

    // Panic, and the host going, with points held.
    point(began, false, 1, 100);
    host->releaseHeldInput();
    EXPECT_EQ(sounding(), 0);
    point(began, false, 2, 200);
    point(began, true, 0, 600);
    host.reset();
    EXPECT_EQ(sounding(), 0);
    EXPECT_EQ(view.touchCount(), 0U);
}

TEST_F(ShellStripHostTest, DrawsTheViewAndShowsWhileTheApplicationIsActive) {
    surface->client->surfaceNeedsDrawing({1085, 30});
    EXPECT_EQ(view.bounds().size.width, 1085);
    EXPECT_NE(std::count(surface->pixels.begin(), surface->pixels.end(), 0xff000000U),
              static_cast<long>(surface->pixels.size()));
    host->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_TRUE(surface->visible);
    host->applicationStateChanged(Qt::ApplicationInactive);
    EXPECT_FALSE(surface->visible);
}

TEST_F(ShellStripHostTest, ThePianoWindowPlacesTheStripAsTheCompositionSays) {
    for (bool docked : {false, true}) {
        setStripPlacementFactory([docked] {
            StripPlacement placement;
            placement.docked = docked;
            if (!docked) {
                placement.shellSurface = std::make_unique<FakeStripSurface>();
            }
            return placement;
        });
        PianoWindowController controller(doubles.defaults, doubles.piano, doubles.center);
        PianoView stripView(Rect(0, 0, 0, 0), true, doubles.piano, doubles.center);
        controller.setStripPianoView(&stripView);
        controller.showWindow();
        EXPECT_EQ(controller.stripWindow(), nullptr);
        EXPECT_EQ(controller.shellStrip() != nullptr, !docked);
        ASSERT_EQ(controller.dockedStrip() != nullptr, docked);
        if (docked) {
            EXPECT_EQ(controller.dockedStrip()->window(), controller.window());
            EXPECT_EQ(controller.dockedStrip()->height(), 30);
        }
        controller.panic();
    }
    setStripPlacementFactory(nullptr);
}

} // namespace
} // namespace tinkella
