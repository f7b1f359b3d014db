#pragma once

#include "print/device/text_device.h"

#include <functional>

namespace calvex {

// How a paged table breaks: the line count that forces a break, the y of
// the first line on the following page, and whether the count starts again
// from 0 after a break.
struct TableBreakRule {
    int limit;
    int continuationTop;
    bool restartCount;
};

// Table of walls to modify.
inline constexpr TableBreakRule wallsToModifyBreaks{85, 1000, true};
// Tables of the printed calculation report.
inline constexpr TableBreakRule reportStoreyTableBreaks{8, 800, false};
inline constexpr TableBreakRule reportWallTableBreaks{82, 800, true};
inline constexpr TableBreakRule reportResultsTableBreaks{75, 800, true};

// The line counter of one paged table and its page break. Before each row
// the printout calls beforeRow(); after the last row, close(), which writes
// the footer of the last page and starts a new page without headings.
//
// A page also breaks, in the same way, before a row that would reach the
// page footer: the tables that open a report section start low on their
// first page and would otherwise run into the footer before their count.
class PageBreaker {
public:
    using Headings = std::function<void(TextDevice&)>;

    // The headings print the table's column-heading lines.
    PageBreaker(TextDevice& device, TableBreakRule rule, Headings headings);

    // At table size: the column-heading lines and one empty line.
    void printHeadings();

    int lineCount() const { return lineCount_; }
    void setLineCount(int count) { lineCount_ = count; }

    void beforeRow();
    void close();

private:
    bool rowReachesFooter() const;
    void breakTest();

    TextDevice& device_;
    TableBreakRule rule_;
    Headings headings_;
    int lineCount_ = 0;
    bool headerOff_ = false;
};

} // namespace calvex
