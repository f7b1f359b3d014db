#pragma once

#include "print/device/text_device.h"

#include <string_view>

namespace calvex {

// The frame every printout shares: fonts, sizes, title line, project line
// and page footer.
inline constexpr std::string_view frameFont = "Courier New";
inline constexpr std::string_view frameTitlePageFont = "Roman";
inline constexpr double frameTitleSize = 18;
inline constexpr double frameHeadingSize = 12;
inline constexpr double frameTableSize = 8;
inline constexpr int frameFirstTop = 800;
inline constexpr int frameTitlePageFirstTop = 1000;
inline constexpr int frameTitleColumn = 7;
inline constexpr int frameHeadingColumn = 10;
inline constexpr int frameFooterX = 9800;
inline constexpr int frameFooterY = 15800;
inline constexpr std::string_view frameTitle = "CALVEX - verifica antisismica di edifici in muratura";

// Starts a printout: y at the first position, the title line at 18 points
// in the given font, then the size of headings and general lines.
void printTitleLine(TextDevice& device, std::string_view fontName = frameFont, int firstTop = frameFirstTop);

// "Progetto: " and the project name at the heading column, as one line.
void printProjectLine(TextDevice& device, std::string_view projectName);

// "pagina " and the current page number, at 12 points at the footer position.
void printPageFooter(TextDevice& device);

// Prints a whole number as a number with its last digit on the given column;
// the blank the number is printed with follows that column.
void printNumberEndingAt(TextDevice& device, int column, int value);

} // namespace calvex
