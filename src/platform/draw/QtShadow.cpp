#include "platform/draw/QtShadow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace tinkella::qtshadow {

namespace {

// Premultiplied 0xAARRGGBB of the colour at coverage a (0..1).
inline std::uint32_t premultiplied(double r, double g, double b, double a) {
    const auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v * 255.0 + 0.5, 0.0, 255.0));
    };
    return (channel(a) << 24) | (channel(r * a) << 16) | (channel(g * a) << 8) | channel(b * a);
}

// Fraction of a Gaussian-blurred unit box [lo, hi) seen at position x.
inline double boxProfile(double x, double lo, double hi, double scale) {
    return 0.5 * (std::erf((hi - x) * scale) - std::erf((lo - x) * scale));
}

// Widths of three box blurs whose succession approximates a Gaussian of this deviation.
std::array<int, 3> boxSizes(double sigma) {
    constexpr int n = 3;
    const double ideal = std::sqrt(12.0 * sigma * sigma / n + 1.0);
    int lower = static_cast<int>(std::floor(ideal));
    if (lower % 2 == 0) {
        --lower;
    }
    const int upper = lower + 2;
    const double m = (12.0 * sigma * sigma - n * lower * lower - 4.0 * n * lower - 3.0 * n) /
                     (-4.0 * lower - 4.0);
    const int lowerCount = static_cast<int>(std::lround(m));
    std::array<int, 3> sizes{};
    for (int i = 0; i < n; ++i) {
        sizes[static_cast<std::size_t>(i)] = i < lowerCount ? lower : upper;
    }
    return sizes;
}

// One box blur of radius r along lines of `count` values spaced `stride` apart; values beyond
// the ends count as zero.
void boxBlurLine(const float* in, float* out, int count, std::ptrdiff_t stride, int r) {
    const float scale = 1.0F / static_cast<float>(2 * r + 1);
    float sum = 0;
    for (int i = 0; i < std::min(r, count); ++i) {
        sum += in[i * stride];
    }
    for (int i = 0; i < count; ++i) {
        if (i + r < count) {
            sum += in[(i + r) * stride];
        }
        out[i * stride] = sum * scale;
        if (i - r >= 0) {
            sum -= in[(i - r) * stride];
        }
    }
}

} // namespace

int reachForSigma(double sigma) {
    return static_cast<int>(std::ceil(3.0 * sigma)) + 1;
}

QImage rectShadow(const QRectF& rect, double sigma, const QColor& color, double alpha,
                  const QRect& area) {
    if (area.isEmpty()) {
        return {};
    }
    const int width = area.width();
    const int height = area.height();
    std::vector<double> columns(static_cast<std::size_t>(width));
    std::vector<double> rows(static_cast<std::size_t>(height));
    const bool sharp = sigma < 1e-3;
    const double scale = sharp ? 0 : 1.0 / (std::sqrt(2.0) * sigma);
    const auto profile = [&](double centre, double lo, double hi) {
        if (sharp) {
            // Pixel coverage of an unblurred edge.
            return std::clamp(std::min(hi, centre + 0.5) - std::max(lo, centre - 0.5), 0.0, 1.0);
        }
        return boxProfile(centre, lo, hi, scale);
    };
    for (int i = 0; i < width; ++i) {
        columns[static_cast<std::size_t>(i)] =
            profile(area.left() + i + 0.5, rect.left(), rect.right());
    }
    for (int j = 0; j < height; ++j) {
        rows[static_cast<std::size_t>(j)] =
            profile(area.top() + j + 0.5, rect.top(), rect.bottom());
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const double r = color.redF();
    const double g = color.greenF();
    const double b = color.blueF();
    const double a = color.alphaF() * alpha;
    for (int j = 0; j < height; ++j) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(j));
        const double rowAlpha = a * rows[static_cast<std::size_t>(j)];
        for (int i = 0; i < width; ++i) {
            line[i] = premultiplied(r, g, b, rowAlpha * columns[static_cast<std::size_t>(i)]);
        }
    }
    return image;
}

void blurMask(std::vector<float>& mask, int width, int height, double sigma) {
    if (sigma < 1e-3 || width <= 0 || height <= 0) {
        return;
    }
    std::vector<float> scratch(mask.size());
    for (int size : boxSizes(sigma)) {
        const int r = (size - 1) / 2;
        if (r <= 0) {
            continue;
        }
        for (int y = 0; y < height; ++y) {
            const std::ptrdiff_t row = static_cast<std::ptrdiff_t>(y) * width;
            boxBlurLine(mask.data() + row, scratch.data() + row, width, 1, r);
        }
        for (int x = 0; x < width; ++x) {
            boxBlurLine(scratch.data() + x, mask.data() + x, height, width, r);
        }
    }
}

QImage tintMask(const std::vector<float>& mask, int width, int height, const QColor& color) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const double r = color.redF();
    const double g = color.greenF();
    const double b = color.blueF();
    const double a = color.alphaF();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const float* in = mask.data() + static_cast<std::ptrdiff_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            line[x] = premultiplied(r, g, b, a * static_cast<double>(in[x]));
        }
    }
    return image;
}

} // namespace tinkella::qtshadow
