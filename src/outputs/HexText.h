#pragma once

#include <cstdint>
#include <string>

namespace tinkella {

// value in upper-case hexadecimal, without prefix and without leading zeros ("0" for 0).
inline std::string upperHex(std::uint32_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    do {
        text.insert(text.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

} // namespace tinkella
