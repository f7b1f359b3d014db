#include "cp1252.h"

#include <array>

namespace calvex {

namespace {

// Code points of bytes 0x80 to 0x9F; the undefined bytes map to themselves.
constexpr std::array<char32_t, 32> kHighControls{0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t{byte};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The byte that holds `c`, or '?' when Windows-1252 has none.
char byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

// Length, payload bits and smallest allowed value of a sequence by its
// lead byte; length 0 for a byte that cannot start a sequence.
struct Lead {
    int length;
    char32_t bits;
    char32_t minimum;
};

Lead leadOf(unsigned char byte) {
    if (byte < 0x80) return {1, byte, 0};
    if ((byte & 0xE0) == 0xC0) return {2, char32_t{byte & 0x1Fu}, 0x80};
    if ((byte & 0xF0) == 0xE0) return {3, char32_t{byte & 0x0Fu}, 0x800};
    if ((byte & 0xF8) == 0xF0) return {4, char32_t{byte & 0x07u}, 0x10000};
    return {0, 0, 0};
}

// Decodes the UTF-8 sequence at `pos` and advances past it. Overlong forms,
// surrogates, values above U+10FFFF and cut sequences are invalid: then
// one byte is consumed and false returned.
bool decodeOne(std::string_view text, std::size_t& pos, char32_t& out) {
    const Lead lead = leadOf(static_cast<unsigned char>(text[pos]));
    const auto length = static_cast<std::size_t>(lead.length);
    bool valid = length > 0 && text.size() - pos >= length;
    char32_t c = lead.bits;
    for (std::size_t i = 1; valid && i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        valid = (byte & 0xC0) == 0x80;
        c = (c << 6) | (byte & 0x3Fu);
    }
    valid = valid && c >= lead.minimum && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
    pos += valid ? length : 1;
    out = c;
    return valid;
}

} // namespace

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char byte : bytes) appendUtf8(out, codePointOf(static_cast<unsigned char>(byte)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        char32_t c = 0;
        out.push_back(decodeOne(text, pos, c) ? byteOf(c) : '?');
    }
    return out;
}

} // namespace calvex
