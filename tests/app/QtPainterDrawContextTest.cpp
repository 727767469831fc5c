#include "adapters/qt/QtPainterDrawContext.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <numbers>

namespace tinkella::testing {
namespace {

constexpr double pi = std::numbers::pi;
constexpr Color white{1, 1, 1, 1};

// Draws into a black 100 x 100 image through the context and reads pixels back in the
// context's coordinates (y up).
class QtPainterContext : public ::testing::Test {
protected:
    void SetUp() override {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "app_tests";
            static char* argv[] = {name, nullptr};
            static auto application = std::make_unique<QGuiApplication>(argc, argv);
        }
        image.fill(Qt::black);
    }

    void draw(const std::function<void(DrawContext&)>& steps) {
        QPainter painter(&image);
        QtPainterDrawContext context(painter, 100);
        steps(context);
    }
    // The lit rows (top, bottom) and columns (left, right) in the context's coordinates, or
    // top = -1 when nothing is lit.
    struct Lit {
        int top = -1, bottom = 1000, left = 1000, right = -1;
    };
    Lit litBounds() const {
        Lit b;
        for (int x = 0; x < 100; ++x) {
            for (int y = 0; y < 100; ++y) {
                if (level(x + 0.5, y + 0.5) > 128) {
                    b.top = std::max(b.top, y);
                    b.bottom = std::min(b.bottom, y);
                    b.left = std::min(b.left, x);
                    b.right = std::max(b.right, x);
                }
            }
        }
        return b;
    }
    int level(double x, double y) const {
        return image
            .pixelColor(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(100 - y)))
            .red();
    }

    QImage image{100, 100, QImage::Format_ARGB32_Premultiplied};
};

TEST_F(QtPainterContext, OriginIsBottomLeftAndYGoesUp) {
    draw([](DrawContext& c) {
        c.setFillColor(white);
        c.fillRect(Rect(0, 0, 10, 20));
    });
    EXPECT_EQ(level(5, 5), 255);
    EXPECT_EQ(level(5, 19.5), 255);
    EXPECT_EQ(level(5, 20.5), 0);
    EXPECT_EQ(level(5, 95), 0);
}

TEST_F(QtPainterContext, ClipLimitsLaterDrawing) {
    draw([](DrawContext& c) {
        c.clipToRect(Rect(20, 0, 30, 100));
        c.clipToRect(Rect(0, 0, 40, 50));
        c.setFillColor(white);
        c.fillRect(Rect(0, 0, 100, 100));
    });
    EXPECT_EQ(level(10, 10), 0);
    EXPECT_EQ(level(30, 10), 255);
    EXPECT_EQ(level(45, 10), 0);
    EXPECT_EQ(level(30, 60), 0);
}

TEST_F(QtPainterContext, ArcDirectionDecidesWhichWayRoundItRuns) {
    // From the top to the left: counter-clockwise is the upper-left quarter, clockwise the
    // other three quarters.
    struct Case {
        bool clockwise;
        int upperLeft, upperRight, lowerLeft;
    };
    for (const Case& k : {Case{false, 255, 0, 0}, Case{true, 0, 255, 255}}) {
        image.fill(Qt::black);
        draw([&](DrawContext& c) {
            c.setFillColor(white);
            c.beginPath();
            c.moveTo({50, 50});
            c.addArc({50, 50}, 40, pi / 2, pi, k.clockwise);
            c.fillPath();
        });
        EXPECT_EQ(level(35, 65), k.upperLeft) << k.clockwise;
        EXPECT_EQ(level(65, 65), k.upperRight) << k.clockwise;
        EXPECT_EQ(level(35, 35), k.lowerLeft) << k.clockwise;
    }
}

TEST_F(QtPainterContext, ArcIsJoinedToTheCurrentPointByALine) {
    draw([](DrawContext& c) {
        c.setFillColor(white);
        c.beginPath();
        c.moveTo({10, 10});
        c.addArc({50, 50}, 10, 0, pi / 2, false); // line to (60, 50), arc to (50, 60)
        c.fillPath();
    });
    EXPECT_EQ(level(40, 40), 255); // inside the triangle the joining line closes
    EXPECT_EQ(level(80, 20), 0);
}

TEST_F(QtPainterContext, OpenPathStrokesWithoutItsClosingEdge) {
    draw([](DrawContext& c) {
        c.setStrokeColor(white);
        c.beginPath();
        c.moveTo({20.5, 80});
        c.addLineTo({20.5, 20.5});
        c.addLineTo({80, 20.5});
        c.strokePath();
    });
    EXPECT_EQ(level(20.5, 50), 255);
    EXPECT_EQ(level(50, 20.5), 255);
    EXPECT_EQ(level(50.5, 50.5), 0); // on the diagonal that would close it
}

TEST_F(QtPainterContext, ShadowIsAGaussianOfHalfTheBlur) {
    // Blur 10: standard deviation 5. Half a pixel from the edge the shadow is about half
    // strength; 5.5 points out about 14 %.
    draw([](DrawContext& c) {
        c.setShadow({0, 0}, 10, white);
        c.setFillColor(Color{0, 0, 0, 1});
        c.fillRect(Rect(30, 30, 40, 40));
    });
    EXPECT_EQ(level(50, 50), 0);
    EXPECT_NEAR(level(70.5, 50), 255 * 0.46, 6);
    EXPECT_NEAR(level(75.5, 50), 255 * 0.14, 6);
    EXPECT_LE(level(95, 50), 1);
}

TEST_F(QtPainterContext, PathShadowMatchesTheRectangleShadow) {
    draw([](DrawContext& c) {
        c.setShadow({0, 0}, 10, white);
        c.setFillColor(Color{0, 0, 0, 1});
        c.fillRect(Rect(30, 30, 40, 40));
    });
    const QImage fromRect = image;
    image.fill(Qt::black);
    draw([](DrawContext& c) {
        c.setShadow({0, 0}, 10, white);
        c.setFillColor(Color{0, 0, 0, 1});
        c.beginPath();
        c.moveTo({30, 30});
        c.addLineTo({70, 30});
        c.addLineTo({70, 70});
        c.addLineTo({30, 70});
        c.fillPath();
    });
    for (double x : {71.5, 73.5, 76.5, 80.5, 85.5}) {
        EXPECT_NEAR(level(x, 50), fromRect.pixelColor(static_cast<int>(x), 50).red(), 8) << x;
    }
}

TEST_F(QtPainterContext, ClearedShadowCastsNothing) {
    draw([](DrawContext& c) {
        c.setShadow({0, 0}, 10, white);
        c.setShadow({0, 0}, 0, Color{0, 0, 0, 0});
        c.setFillColor(Color{0, 0, 0, 1});
        c.fillRect(Rect(30, 30, 40, 40));
    });
    EXPECT_EQ(level(71, 50), 0);
}

TEST_F(QtPainterContext, TextIsUprightAndHangsFromTheTopOfItsRectangle) {
    draw([](DrawContext& c) {
        c.drawText("C5", Rect(0, 0, 100, 50),
                   TextAttributes{white, "Helvetica", 16, TextAlignment::centered});
    });
    const auto [top, bottom, left, right] = litBounds();
    ASSERT_GE(top, 0) << "no text drawn";
    EXPECT_LE(top, 50);
    EXPECT_GE(bottom, 30);
    EXPECT_NEAR((left + right) / 2.0, 50, 3);
}

TEST_F(QtPainterContext, TextIsNotMirroredByTheFlip) {
    // An upright "T": its widest row (the bar) is its top row.
    draw([](DrawContext& c) {
        c.drawText("T", Rect(0, 0, 100, 90),
                   TextAttributes{white, "Helvetica", 40, TextAlignment::centered});
    });
    const Lit lit = litBounds();
    ASSERT_GT(lit.top, lit.bottom);
    const auto width = [&](int y) {
        int lit = 0;
        for (int x = 0; x < 100; ++x) {
            lit += level(x + 0.5, y + 0.5) > 128 ? 1 : 0;
        }
        return lit;
    };
    EXPECT_GT(width(lit.top - 1), 2 * width(lit.bottom + 1));
}

TEST_F(QtPainterContext, NonFiniteAndHugeCoordinatesAreHarmless) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    draw([&](DrawContext& c) {
        c.setFillColor(white);
        c.setShadow({nan, 0}, inf, white);
        c.fillRect(Rect(nan, 0, 10, 10));
        c.fillRect(Rect(0, 0, inf, 10));
        c.clipToRect(Rect(0, nan, 10, 10));
        c.beginPath();
        c.moveTo({nan, 1});
        c.addLineTo({10, 10});
        c.fillPath();
        c.drawText("x", Rect(0, 0, inf, 10), TextAttributes{white, "Helvetica", nan});
        c.setShadow({0, 0}, 15, white);
        c.fillRect(Rect(-1e300, 0, 2e300, 10));
        c.beginPath();
        c.moveTo({-1e300, 90});
        c.addArc({1e300, 90}, 3, 0, pi, false);
        c.addLineTo({50, 95});
        c.fillPath();
        c.strokeRect(Rect(-1e300, 0, 2e300, 100));
    });
    EXPECT_EQ(level(50, 5), 255); // the huge rectangle still covers what shows of it
}

} // namespace
} // namespace tinkella::testing
