#pragma once
// Splits archive bytes into fields, one at a time, in the order they stand.
// Commas and line ends (CR LF, a lone LF or a lone CR) both end a field, so
// fields are read in sequence across lines; the reader checks records
// against lines with endedLine(). A UTF-8 byte-order mark at the start, put
// there by some editors, is skipped.

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
    explicit ArchiveFieldScanner(std::string_view bytes);

    // The next field, or nothing when the input has run out. A field right
    // after a comma at the end of the input exists and is empty.
    std::optional<FieldValue> next();

    // 1-based line of the current position, and of the last field read.
    int line() const { return line_; }
    int fieldLine() const { return fieldLine_; }
    // Whether the last field read was the last of its line: a line end or
    // the end of the input came after it, not a comma.
    bool endedLine() const { return endedLine_; }

    // Steps over lines that hold nothing but blanks, when the position is at
    // the start of a line: no record can be such a line, since every record
    // has several fields and so commas.
    void skipBlankLines();

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
    std::size_t contentStart_ = 0; // after a byte-order mark
    int line_ = 1;
    int fieldLine_ = 1;
    bool afterComma_ = false;
    bool endedLine_ = true;
};

// What an unquoted field holds: empty when blank, an integer for a plain
// whole number, a real for a decimal number with ".", a text otherwise.
FieldValue bareFieldValue(std::string_view trimmed);

} // namespace calvex
