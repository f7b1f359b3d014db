#include "archive_fields.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

#include "cp1252.h"

namespace calvex {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Sign, digits, at most one "." and at least one digit, nothing else.
struct NumberShape {
    bool isNumber = false;
    bool hasPoint = false;
};

NumberShape shapeOf(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    NumberShape shape;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            anyDigit = true;
        } else if (text[i] == '.' && !shape.hasPoint) {
            shape.hasPoint = true;
        } else {
            return {};
        }
    }
    shape.isNumber = anyDigit;
    return shape;
}

} // namespace

FieldValue bareFieldValue(std::string_view trimmed) {
    if (trimmed.empty()) return {};
    const NumberShape shape = shapeOf(trimmed);
    if (shape.isNumber) {
        // from_chars takes a minus sign but no plus sign.
        const std::string_view digits = trimmed.front() == '+' ? trimmed.substr(1) : trimmed;
        const char* first = digits.data();
        const char* last = digits.data() + digits.size();
        if (!shape.hasPoint) {
            std::int64_t whole = 0;
            if (std::from_chars(first, last, whole).ec == std::errc{}) return FieldValue::integer(whole);
        }
        // A number beyond the range of a double stays the text it was.
        double value = 0.0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc{} && end == last) return FieldValue::real(value);
    }
    return FieldValue::text(cp1252ToUtf8(trimmed));
}

ArchiveFieldScanner::ArchiveFieldScanner(std::string_view bytes) : bytes_(bytes) {
    if (bytes_.starts_with(kByteOrderMark)) pos_ = contentStart_ = kByteOrderMark.size();
}

void ArchiveFieldScanner::skipBlankLines() {
    const bool atLineStart = pos_ == contentStart_ || bytes_[pos_ - 1] == '\n' || bytes_[pos_ - 1] == '\r';
    if (!atLineStart || afterComma_) return;
    for (;;) {
        std::size_t end = pos_;
        while (end < bytes_.size() && isBlank(bytes_[end])) ++end;
        if (end >= bytes_.size() || (bytes_[end] != '\r' && bytes_[end] != '\n')) return;
        pos_ = end;
        skipLineEnd();
    }
}

std::optional<FieldValue> ArchiveFieldScanner::next() {
    if (atEnd() && !afterComma_) return std::nullopt;
    afterComma_ = false;
    while (!atEnd() && isBlank(peek())) ++pos_;
    fieldLine_ = line_;
    if (!atEnd() && peek() == '"') {
        const std::string_view text = quotedText();
        while (!atEnd() && peek() != ',' && !atLineEnd()) ++pos_;
        skipTerminator();
        return FieldValue::text(cp1252ToUtf8(text));
    }
    const std::string_view text = bareText();
    skipTerminator();
    return bareFieldValue(text);
}

void ArchiveFieldScanner::skipLineEnd() {
    if (peek() == '\r' && pos_ + 1 < bytes_.size() && bytes_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    if (line_ < std::numeric_limits<int>::max()) ++line_;
}

void ArchiveFieldScanner::skipTerminator() {
    endedLine_ = atEnd() || peek() != ',';
    if (atEnd()) return;
    if (peek() == ',') {
        ++pos_;
        afterComma_ = true;
    } else {
        skipLineEnd();
    }
}

// The text after an opening quote up to the next quote, line ends included;
// an unclosed quote runs to the end of the input.
std::string_view ArchiveFieldScanner::quotedText() {
    ++pos_;
    const std::size_t start = pos_;
    while (!atEnd() && peek() != '"') {
        if (atLineEnd())
            skipLineEnd();
        else
            ++pos_;
    }
    const std::string_view text = bytes_.substr(start, pos_ - start);
    if (!atEnd()) ++pos_;
    return text;
}

// The text up to the next comma or line end, without blanks at its end.
std::string_view ArchiveFieldScanner::bareText() {
    const std::size_t start = pos_;
    while (!atEnd() && peek() != ',' && !atLineEnd()) ++pos_;
    std::size_t end = pos_;
    while (end > start && isBlank(bytes_[end - 1])) --end;
    return bytes_.substr(start, end - start);
}

} // namespace calvex
