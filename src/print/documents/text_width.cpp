#include "print/documents/text_width.h"

#include <string_view>

namespace calvex::documents {

namespace {

// Advance widths in thousandths of the font size, by kind of character.
int advance(unsigned char c) {
    if (c >= '0' && c <= '9') return 640;
    if (c >= 'A' && c <= 'Z') return c == 'I' ? 300 : c == 'M' || c == 'W' ? 960 : 780;
    switch (c) {
        case ' ':
        case '.':
        case ',':
        case ':':
        case ';':
        case '\'':
        case 'i':
        case 'j':
        case 'l':
            return 320;
        case '-':
        case '(':
        case ')':
        case '/':
            return 400;
        case 'f':
        case 'r':
        case 't':
            return 440;
        case 'm':
        case 'w':
            return 980;
        default:
            return 700;
    }
}

} // namespace

double textWidthPoints(std::string_view text, double points) {
    int thousandths = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        // A character beyond ASCII counts once, at its lead byte.
        if ((byte & 0xC0) == 0x80) continue;
        thousandths += advance(byte >= 0x80 ? 'a' : byte);
    }
    return thousandths * points / 1000.0;
}

} // namespace calvex::documents
