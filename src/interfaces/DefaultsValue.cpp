#include "interfaces/DefaultsValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tinkella {

namespace {

// The whole text as one number of type T (a leading "+" allowed), or nothing.
template <typename T> std::optional<T> parseNumber(const std::string& text) {
    T v{};
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') {
        ++first;
    }
    const auto [end, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || end != last || first == last) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::int64_t> parseInteger(const std::string& text) {
    return parseNumber<std::int64_t>(text);
}

std::optional<double> parseReal(const std::string& text) {
    return parseNumber<double>(text);
}

std::int64_t truncateSaturating(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    constexpr double limit = 9.2233720368547748e18; // 2^63
    if (v >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (v <= -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(v);
}

} // namespace

DefaultsValue DefaultsValue::parse(const std::string& text) {
    if (text == "true") {
        return boolean(true);
    }
    if (text == "false") {
        return boolean(false);
    }
    if (const auto i = parseInteger(text)) {
        return integer(*i);
    }
    if (const auto r = parseReal(text)) {
        return real(*r);
    }
    return DefaultsValue::text(text);
}

std::optional<double> DefaultsValue::number() const {
    switch (kind()) {
    case Kind::integer:
        return static_cast<double>(std::get<std::int64_t>(value_));
    case Kind::real:
        return std::get<double>(value_);
    case Kind::boolean:
        return std::get<bool>(value_) ? 1.0 : 0.0;
    case Kind::text:
    case Kind::absent:
        break;
    }
    return std::nullopt;
}

std::int64_t DefaultsValue::integerValue() const {
    switch (kind()) {
    case Kind::integer:
        return std::get<std::int64_t>(value_);
    case Kind::real:
        return truncateSaturating(std::get<double>(value_));
    case Kind::boolean:
        return std::get<bool>(value_) ? 1 : 0;
    case Kind::text: {
        const DefaultsValue parsed = parse(std::get<std::string>(value_));
        return parsed.kind() == Kind::text ? 0 : parsed.integerValue();
    }
    case Kind::absent:
        break;
    }
    return 0;
}

double DefaultsValue::realValue() const {
    if (const auto n = number()) {
        return *n;
    }
    if (const auto* t = asText()) {
        const DefaultsValue parsed = parse(*t);
        if (parsed.isNumber()) {
            return *parsed.number();
        }
    }
    return 0.0;
}

bool DefaultsValue::boolValue() const {
    if (const auto* t = asText()) {
        if (*t == "yes" || *t == "YES") {
            return true;
        }
        const DefaultsValue parsed = parse(*t);
        return parsed.kind() != Kind::text && parsed.boolValue();
    }
    const auto n = number();
    return n && *n != 0.0;
}

std::optional<bool> DefaultsValue::asBoolean() const {
    if (const bool* b = std::get_if<bool>(&value_)) {
        return *b;
    }
    return std::nullopt;
}

std::string DefaultsValue::toString() const {
    switch (kind()) {
    case Kind::integer:
        return std::to_string(std::get<std::int64_t>(value_));
    case Kind::real: {
        char buffer[32];
        const auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(value_));
        return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
    }
    case Kind::boolean:
        return std::get<bool>(value_) ? "true" : "false";
    case Kind::text:
        return std::get<std::string>(value_);
    case Kind::absent:
        break;
    }
    return {};
}

} // namespace tinkella
