#pragma once

#include "print/device/text_device.h"

#include <string_view>

namespace calvex {

// The frame every printout shares: fonts, sizes, title line, project line
// and page footer.
namespace frame {

inline constexpr std::string_view font = "Courier New";
inline constexpr std::string_view titlePageFont = "Roman";
inline constexpr double titleSize = 18;
inline constexpr double headingSize = 12;
inline constexpr double tableSize = 8;
inline constexpr int firstTop = 800;
inline constexpr int titlePageFirstTop = 1000;
inline constexpr int titleColumn = 7;
inline constexpr int headingColumn = 10;
inline constexpr int footerX = 9800;
inline constexpr int footerY = 15800;
inline constexpr std::string_view title =
    "CALVEX - verifica antisismica di edifici in muratura";

}  // namespace frame

// Starts a printout: y at the first position, the title line at 18 points
// in the given font, then the size of headings and general lines.
void printTitleLine(TextDevice& device, std::string_view fontName = frame::font,
                    int firstTop = frame::firstTop);

// "Progetto: " and the project name at the heading column, as one line.
void printProjectLine(TextDevice& device, std::string_view projectName);

// "pagina " and the current page number, at 12 points at the footer position.
void printPageFooter(TextDevice& device);

// Prints a whole number as a number with its last digit on the given column;
// the blank the number is printed with follows that column.
void printNumberEndingAt(TextDevice& device, int column, int value);

}  // namespace calvex
