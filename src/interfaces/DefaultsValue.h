#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace tinkella {

// One stored preference: an integer, a 64-bit real, a boolean, a text, or nothing at all.
// Each reader answers for every kind, so a key read as another kind than it was stored as still
// gives a value: a real read as an integer truncates, a boolean reads as 0 or 1.
class DefaultsValue {
public:
    enum class Kind { absent, integer, real, boolean, text };

    DefaultsValue() = default;
    static DefaultsValue integer(std::int64_t value) { return DefaultsValue(value); }
    static DefaultsValue real(double value) { return DefaultsValue(value); }
    static DefaultsValue boolean(bool value) { return DefaultsValue(value); }
    static DefaultsValue text(std::string value) { return DefaultsValue(std::move(value)); }
    // The typed value of a stored text whose type was lost (an INI file): "true"/"false" give a
    // boolean, a whole decimal number an integer, any other decimal number a real, anything
    // else stays text.
    static DefaultsValue parse(const std::string& text);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isAbsent() const { return kind() == Kind::absent; }
    bool isNumber() const { return kind() == Kind::integer || kind() == Kind::real; }

    // The number held by an integer, real or boolean (1 or 0); none for text or absence.
    std::optional<double> number() const;
    // As an integer: integers as they are, reals truncated toward zero (saturating),
    // booleans 1/0, a text that parses as a number converted likewise, everything else 0.
    std::int64_t integerValue() const;
    // As a real: numbers as they are, a numeric text parsed, everything else 0.
    double realValue() const;
    // As a boolean: non-zero numbers, true booleans and the texts "true"/"yes"/non-zero
    // numbers are true.
    bool boolValue() const;
    // The held boolean, only when the kind is boolean.
    std::optional<bool> asBoolean() const;
    const std::string* asText() const { return std::get_if<std::string>(&value_); }
    // Human-readable form for logs and the INI file: "37.25", "true", "7", the text itself.
    std::string toString() const;

    friend bool operator==(const DefaultsValue&, const DefaultsValue&) = default;

private:
    explicit DefaultsValue(std::int64_t v) : value_(v) {}
    explicit DefaultsValue(double v) : value_(v) {}
    explicit DefaultsValue(bool v) : value_(v) {}
    explicit DefaultsValue(std::string v) : value_(std::move(v)) {}

    // Index order matches Kind.
    std::variant<std::monostate, std::int64_t, double, bool, std::string> value_;
};

} // namespace tinkella
