#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

namespace tinkella::fuzz {

// Reads a fuzzer's bytes as a stream of small decisions and numbers. Numbers come three ways,
// chosen by a leading byte: one of the awkward values (NaN, infinities, zeros, huge and tiny
// magnitudes), a value on the scale of the keyboard, or the raw bits of a double. Past the end
// every read answers zero.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return position_ >= size_; }

    std::uint8_t byte() { return position_ < size_ ? data_[position_++] : 0; }

    double number() {
        constexpr double inf = std::numeric_limits<double>::infinity();
        constexpr double big = std::numeric_limits<double>::max();
        static constexpr double awkward[] = {std::numeric_limits<double>::quiet_NaN(),
                                             inf,
                                             -inf,
                                             0.0,
                                             -0.0,
                                             big,
                                             -big,
                                             std::numeric_limits<double>::min(),
                                             std::numeric_limits<double>::denorm_min(),
                                             1e300,
                                             -1e300,
                                             9.2233720368547758e18,
                                             -9.2233720368547758e18,
                                             static_cast<double>(std::numeric_limits<float>::max()),
                                             1e-300,
                                             96.0};
        const std::uint8_t how = byte();
        switch (how % 4) {
        case 0:
            return awkward[byte() % (sizeof(awkward) / sizeof(awkward[0]))];
        case 1: {
            // -512 .. 3584 points in steps of 1/16: around and across a keyboard of 70 keys.
            const auto raw = static_cast<std::uint16_t>(byte() | (byte() << 8));
            return static_cast<double>(raw) / 16.0 - 512.0;
        }
        case 2:
            return static_cast<double>(byte()) - 20.0;
        default: {
            std::uint64_t bits = 0;
            for (int i = 0; i < 8; ++i) {
                bits = (bits << 8) | byte();
            }
            double value = 0;
            std::memcpy(&value, &bits, sizeof value);
            return value;
        }
        }
    }

    float floatNumber() {
        const double value = number();
        // The float conversion of a double beyond float's range is undefined; the toolkit hands
        // such values over as infinities, and so does this.
        if (std::isfinite(value) && std::fabs(value) > std::numeric_limits<float>::max()) {
            return value > 0 ? std::numeric_limits<float>::infinity()
                             : -std::numeric_limits<float>::infinity();
        }
        return static_cast<float>(value);
    }

    std::string text(std::size_t maxLength) {
        const std::size_t length = byte() % (maxLength + 1);
        std::string s;
        for (std::size_t i = 0; i < length && !empty(); ++i) {
            s.push_back(static_cast<char>(byte()));
        }
        return s;
    }

    // The rest of the input.
    std::string rest() {
        std::string s(reinterpret_cast<const char*>(data_ + position_),
                      position_ < size_ ? size_ - position_ : 0);
        position_ = size_;
        return s;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

} // namespace tinkella::fuzz
