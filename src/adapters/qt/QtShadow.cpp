#include "adapters/qt/QtShadow.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tinkella::qtshadow {

namespace {

// Premultiplied 0xAARRGGBB of the colour at coverage a (0..1).
inline std::uint32_t premultiplied(double r, double g, double b, double a) {
    const auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(v * 255.0 + 0.5, 0.0, 255.0));
    };
    return (channel(a) << 24) | (channel(r * a) << 16) | (channel(g * a) << 8) | channel(b * a);
}

// The shadow colour premultiplied at each of the 256 coverage levels.
class TintTable {
public:
    TintTable(const QColor& color, double alpha) {
        const double a = color.alphaF() * alpha;
        for (int level = 0; level < 256; ++level) {
            table_[static_cast<std::size_t>(level)] =
                premultiplied(color.redF(), color.greenF(), color.blueF(), a * level / 255.0);
        }
    }
    // Coverage 0..1.
    std::uint32_t operator()(float coverage) const {
        const int level = static_cast<int>(coverage * 255.0F + 0.5F);
        return table_[static_cast<std::size_t>(std::clamp(level, 0, 255))];
    }

private:
    std::array<std::uint32_t, 256> table_{};
};

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

// Four floats handled as one by the processor's vector instructions.
using Quad = float __attribute__((vector_size(16)));

inline Quad load(const float* p) {
    Quad v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

inline void store(float* p, Quad v) {
    std::memcpy(p, &v, sizeof v);
}

// Images are padded to a multiple of this many columns.
constexpr int lanes = 4;

int padded(int count) {
    return (count + lanes - 1) / lanes * lanes;
}

// One box blur of radius r down the columns of an image `stride` floats wide (a multiple of
// lanes) and `height` rows, from `in` into `out`; values beyond the top and bottom count as
// zero. Works a whole row at a time so the columns advance together.
void boxBlurColumns(const float* in, float* out, int stride, int height, int r,
                    std::vector<float>& sums, const std::vector<float>& zeros) {
    const Quad scale = Quad{} + 1.0F / static_cast<float>(2 * r + 1);
    const auto offset = [stride](int y) {
        return static_cast<std::ptrdiff_t>(y) * stride;
    };
    std::fill(sums.begin(), sums.end(), 0.0F);
    float* sum = sums.data();
    for (int y = 0; y < std::min(r, height); ++y) {
        const float* line = in + offset(y);
        for (int x = 0; x < stride; x += lanes) {
            store(sum + x, load(sum + x) + load(line + x));
        }
    }
    for (int y = 0; y < height; ++y) {
        const float* entering = y + r < height ? in + offset(y + r) : zeros.data();
        const float* leaving = y - r >= 0 ? in + offset(y - r) : zeros.data();
        float* target = out + offset(y);
        for (int x = 0; x < stride; x += lanes) {
            const Quad total = load(sum + x) + load(entering + x);
            store(target + x, total * scale);
            store(sum + x, total - load(leaving + x));
        }
    }
}

// The three box blurs down the columns of the image in `data`.
void blurColumns(std::vector<float>& data, std::vector<float>& scratch, int stride, int height,
                 const std::array<int, 3>& sizes) {
    std::vector<float> sums(static_cast<std::size_t>(stride));
    const std::vector<float> zeros(static_cast<std::size_t>(stride), 0.0F);
    for (int size : sizes) {
        const int r = (size - 1) / 2;
        if (r > 0) {
            boxBlurColumns(data.data(), scratch.data(), stride, height, r, sums, zeros);
            data.swap(scratch);
        }
    }
}

} // namespace

int reachForSigma(double sigma) {
    return static_cast<int>(std::ceil(3.0 * sigma)) + 1;
}

QImage rectShadow(const QRectF& rect, double sigma, const QColor& color, double alpha,
                  const QRect& area, const QRect& hole) {
    if (area.isEmpty()) {
        return {};
    }
    const int width = area.width();
    const int height = area.height();
    std::vector<float> columns(static_cast<std::size_t>(width));
    std::vector<float> rows(static_cast<std::size_t>(height));
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
            static_cast<float>(profile(area.left() + i + 0.5, rect.left(), rect.right()));
    }
    for (int j = 0; j < height; ++j) {
        rows[static_cast<std::size_t>(j)] =
            static_cast<float>(profile(area.top() + j + 0.5, rect.top(), rect.bottom()));
    }
    const TintTable tint(color, alpha);
    const QRect skipped = hole.translated(-area.topLeft()).intersected(QRect(0, 0, width, height));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    // Rows whose coverage agrees to 1/4096 are drawn alike: a long rectangle's middle rows are
    // copies of one another.
    long previousRow = -1;
    bool previousInHole = false;
    for (int j = 0; j < height; ++j) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(j));
        const float rowCoverage = rows[static_cast<std::size_t>(j)];
        const bool inHoleRows = j >= skipped.top() && j <= skipped.bottom();
        const long rowKey = std::lround(rowCoverage * 4096.0F);
        if (j > 0 && rowKey == previousRow && inHoleRows == previousInHole) {
            std::copy_n(reinterpret_cast<const std::uint32_t*>(image.constScanLine(j - 1)), width,
                        line);
            continue;
        }
        previousRow = rowKey;
        previousInHole = inHoleRows;
        for (int i = 0; i < width; ++i) {
            if (inHoleRows && i == skipped.left()) {
                std::fill(line + i, line + skipped.right() + 1, 0U);
                i = skipped.right();
                continue;
            }
            line[i] = tint(rowCoverage * columns[static_cast<std::size_t>(i)]);
        }
    }
    return image;
}

void blurMask(std::vector<float>& mask, int width, int height, double sigma) {
    if (sigma < 1e-3 || width <= 0 || height <= 0) {
        return;
    }
    const std::array<int, 3> sizes = boxSizes(sigma);
    const int stride = padded(width);
    const int transposedStride = padded(height);
    const auto at = [](int y, int stride) {
        return static_cast<std::ptrdiff_t>(y) * stride;
    };
    std::vector<float> work(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::copy_n(mask.data() + at(y, width), width, work.data() + at(y, stride));
    }
    std::vector<float> scratch(work.size());
    blurColumns(work, scratch, stride, height, sizes);
    // The rows are blurred as the columns of the transposed image.
    std::vector<float> transposed(static_cast<std::size_t>(transposedStride) *
                                  static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            transposed[static_cast<std::size_t>(at(x, transposedStride) + y)] =
                work[static_cast<std::size_t>(at(y, stride) + x)];
        }
    }
    scratch.assign(transposed.size(), 0.0F);
    blurColumns(transposed, scratch, transposedStride, width, sizes);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            mask[static_cast<std::size_t>(at(y, width) + x)] =
                transposed[static_cast<std::size_t>(at(x, transposedStride) + y)];
        }
    }
}

QImage tintMask(const std::vector<float>& mask, int width, int height, const QColor& color) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const TintTable tint(color, 1.0);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        const float* in = mask.data() + static_cast<std::ptrdiff_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            line[x] = tint(in[x]);
        }
    }
    return image;
}

void drawAround(QPainter& painter, const QPoint& at, const QImage& image, const QRect& hole) {
    const QRect whole(at, image.size());
    const QRect inner = hole.intersected(whole);
    if (inner.isEmpty()) {
        painter.drawImage(at, image);
        return;
    }
    const QRect pieces[] = {
        QRect(QPoint(whole.left(), whole.top()), QPoint(whole.right(), inner.top() - 1)),
        QRect(QPoint(whole.left(), inner.bottom() + 1), QPoint(whole.right(), whole.bottom())),
        QRect(QPoint(whole.left(), inner.top()), QPoint(inner.left() - 1, inner.bottom())),
        QRect(QPoint(inner.right() + 1, inner.top()), QPoint(whole.right(), inner.bottom())),
    };
    for (const QRect& piece : pieces) {
        if (!piece.isEmpty()) {
            painter.drawImage(piece.topLeft(), image, piece.translated(-at));
        }
    }
}

} // namespace tinkella::qtshadow
