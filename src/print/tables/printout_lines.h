#pragma once
// Line helpers shared by the window printouts and the printed report.

#include "print/device/page_frame.h"

#include <string_view>

namespace calvex::tables {

inline void emptyLines(TextDevice& device, int count) {
    for (int i = 0; i < count; ++i) device.endLine();
}

// A text at the heading column, as one line.
inline void headingLine(TextDevice& device, std::string_view text) {
    device.printAtColumn(frameHeadingColumn, text);
    device.endLine();
}

} // namespace calvex::tables
