#include "foundation/LogText.h"

#include <cstddef>
#include <cstdint>

namespace tinkella {

namespace {

// The length of the well-formed UTF-8 sequence of two to four bytes at the start of text, with
// its code point; 0 for anything else (ASCII, a stray or missing continuation byte, an overlong
// form, a surrogate, a code point past U+10FFFF).
std::size_t multibyteLength(std::string_view text, char32_t& codePoint) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF8   ? 0
                               : lead >= 0xF0 ? 4
                               : lead >= 0xE0 ? 3
                               : lead >= 0xC0 ? 2
                                              : 0;
    if (length == 0 || text.size() < length) {
        return 0;
    }
    codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = codePoint >= shortest[length] && codePoint <= 0x10FFFF &&
                       (codePoint < 0xD800 || codePoint > 0xDFFF);
    return valid ? length : 0;
}

void appendHex(std::string& out, const char* prefix, std::uint32_t value, int digits) {
    static constexpr char hex[] = "0123456789ABCDEF";
    out += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) {
        out += hex[(value >> shift) & 0xF];
    }
}

} // namespace

std::string escapedForLog(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t codePoint = 0;
        const std::size_t length = multibyteLength(text.substr(i), codePoint);
        if (byte >= 0x20 && byte < 0x7F) {
            out += text[i];
        } else if (byte == '\n' || byte == '\r' || byte == '\t') {
            out += byte == '\n' ? "\\n" : byte == '\r' ? "\\r" : "\\t";
        } else if (length == 0) {
            appendHex(out, "\\x", byte, 2);
        } else if (codePoint < 0xA0 || codePoint == 0x2028 || codePoint == 0x2029) {
            appendHex(out, "\\u", codePoint, 4);
        } else {
            out.append(text.substr(i, length));
        }
        i += length == 0 ? 1 : length;
    }
    return out;
}

} // namespace tinkella
