#pragma once
// Texts travel to and from the archive in Windows-1252, the 8-bit Western
// European character set; in memory they are UTF-8.

#include <string>
#include <string_view>

namespace calvex {

// Every byte becomes one character. The five bytes Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become U+0081 and so on, so
// that any file reads and writes back unchanged.
std::string cp1252ToUtf8(std::string_view bytes);

// A character Windows-1252 cannot hold, and every byte of invalid UTF-8,
// becomes "?".
std::string utf8ToCp1252(std::string_view text);

} // namespace calvex
