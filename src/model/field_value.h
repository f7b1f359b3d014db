#pragma once
// One stored input value: empty, text, integer or real. Typed values stay
// texts; the kind decides how the archive writes the value.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace calvex {

class FieldValue {
public:
    enum class Kind { Empty, Text, Integer, Real };

    FieldValue() = default;
    static FieldValue text(std::string value) { return FieldValue(std::move(value)); }
    static FieldValue integer(std::int64_t value) { return FieldValue(value); }
    static FieldValue real(double value) { return FieldValue(value); }

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isNumber() const { return kind() == Kind::Integer || kind() == Kind::Real; }
    bool isText() const { return kind() == Kind::Text; }
    // True for the empty kind and for the empty text; false for the number 0.
    bool isEmpty() const;

    // The text held; "" for the other kinds.
    const std::string& textValue() const;
    // The number held; 0 for the other kinds.
    double numberValue() const;

    // The numeric reading: numbers are used directly, empty reads as 0,
    // texts are read with readTypedNumber, so a typed decimal comma means
    // the same as a point wherever the value is used.
    double typedNumber() const;

    // What an entry field shows for this value: the text itself, a number
    // with "." and a zero before the point ("0.33"), nothing when empty.
    std::string fieldText() const;

    bool operator==(const FieldValue&) const = default;

private:
    explicit FieldValue(std::string value) : value_(std::move(value)) {}
    explicit FieldValue(std::int64_t value) : value_(value) {}
    explicit FieldValue(double value) : value_(value) {}

    std::variant<std::monostate, std::string, std::int64_t, double> value_;
};

} // namespace calvex
