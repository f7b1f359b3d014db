#include "print/device/printable_text.h"

#include <cstddef>

namespace calvex {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The bytes of the well-formed UTF-8 sequence at the start of the text, or
// 0 when it does not start with one. The second byte's range excludes the
// overlong forms, the surrogate halves and what lies past U+10FFFF.
std::size_t sequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    const auto second = static_cast<unsigned char>(text[1]);
    if (second < low || second > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (!isContinuation(static_cast<unsigned char>(text[i]))) return 0;
    return length;
}

// The bytes a broken sequence spans: its lead and the continuation bytes
// that follow it, so that one broken character gives one mark.
std::size_t brokenLength(std::string_view text) {
    std::size_t length = 1;
    if (isContinuation(static_cast<unsigned char>(text[0]))) return length;
    while (length < text.size() && length < 4 && isContinuation(static_cast<unsigned char>(text[length]))) ++length;
    return length;
}

bool isForbidden(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return lead < 0x20 && lead != '\t' && lead != '\n' && lead != '\r';
    // U+FFFE and U+FFFF.
    return character == "\xEF\xBF\xBE" || character == "\xEF\xBF\xBF";
}

} // namespace

std::string printableText(std::string_view text) {
    std::string printable;
    printable.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = sequenceLength(text);
        if (length == 0) {
            printable += unprintableMark;
            text.remove_prefix(brokenLength(text));
            continue;
        }
        const std::string_view character = text.substr(0, length);
        if (isForbidden(character))
            printable += unprintableMark;
        else
            printable += character;
        text.remove_prefix(length);
    }
    return printable;
}

} // namespace calvex
