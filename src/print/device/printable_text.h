#pragma once

#include <string>
#include <string_view>

namespace calvex {

// What stands in a printout or a document for a character neither may hold.
// The report's fonts lack U+FFFD, so the mark is one they all draw.
inline constexpr char unprintableMark = '?';

// The text as every printout and document shows it, the same on paper and
// in the XML of a word document: each character XML 1.0 forbids (NUL and
// the other control characters below U+0020 except tab, line feed and
// carriage return; U+FFFE and U+FFFF) and each piece of bytes that is not
// UTF-8 (a surrogate half among them) becomes the mark. Everything else is
// kept, and a NUL ends nothing: the text after it stays.
std::string printableText(std::string_view text);

} // namespace calvex
