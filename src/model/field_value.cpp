#include "field_value.h"

#include "numeric_text.h"

namespace calvex {

bool FieldValue::isEmpty() const {
    return kind() == Kind::Empty || (kind() == Kind::Text && std::get<std::string>(value_).empty());
}

const std::string& FieldValue::textValue() const {
    static const std::string none;
    return kind() == Kind::Text ? std::get<std::string>(value_) : none;
}

double FieldValue::numberValue() const {
    switch (kind()) {
        case Kind::Integer:
            return static_cast<double>(std::get<std::int64_t>(value_));
        case Kind::Real:
            return std::get<double>(value_);
        default:
            return 0.0;
    }
}

double FieldValue::typedNumber() const {
    return kind() == Kind::Text ? readTypedNumber(std::get<std::string>(value_)) : numberValue();
}

std::string FieldValue::fieldText() const {
    switch (kind()) {
        case Kind::Text:
            return std::get<std::string>(value_);
        case Kind::Integer:
            return std::to_string(std::get<std::int64_t>(value_));
        case Kind::Real:
            return numberFieldText(std::get<double>(value_));
        default:
            return {};
    }
}

} // namespace calvex
