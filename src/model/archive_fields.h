#pragma once
// Splits archive bytes into fields, one at a time, in the order they stand.
// Commas and line ends (CR LF, a lone LF or a lone CR) both end a field;
// records are not checked against lines.

#include <cstddef>
#include <optional>
#include <string_view>

#include "field_value.h"

namespace calvex {

// The first record holds the seven general values typed by the user;
// wallCount is derived from numsetx and numsety and not stored.
inline constexpr int kGeneralRecordFieldCount = 7;

class ArchiveFieldScanner {
public:
    explicit ArchiveFieldScanner(std::string_view bytes) : bytes_(bytes) {}

    // The next field, or nothing when the input has run out. A field right
    // after a comma at the end of the input exists and is empty.
    std::optional<FieldValue> next();

    // 1-based line of the current position, and of the last field read.
    int line() const { return line_; }
    int fieldLine() const { return fieldLine_; }

private:
    bool atEnd() const { return pos_ >= bytes_.size(); }
    char peek() const { return bytes_[pos_]; }
    bool atLineEnd() const { return !atEnd() && (peek() == '\r' || peek() == '\n'); }
    // Steps over one line end (CR LF counts once) and counts the line.
    void skipLineEnd();
    // Steps over the comma or line end that ends a field, if any.
    void skipTerminator();
    std::string_view quotedText();
    std::string_view bareText();

    std::string_view bytes_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int fieldLine_ = 1;
    bool afterComma_ = false;
};

// What an unquoted field holds: empty when blank, an integer for a plain
// whole number, a real for a decimal number with ".", a text otherwise.
FieldValue bareFieldValue(std::string_view trimmed);

} // namespace calvex
