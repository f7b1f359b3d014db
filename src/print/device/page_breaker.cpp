#include "print/device/page_breaker.h"

#include "print/device/page_frame.h"

#include <utility>

namespace calvex {

PageBreaker::PageBreaker(TextDevice& device, TableBreakRule rule, Headings headings)
    : device_(device), rule_(rule), headings_(std::move(headings)) {}

void PageBreaker::printHeadings() {
    device_.setFontSize(frameTableSize);
    headings_(device_);
    device_.endLine();
}

void PageBreaker::beforeRow() {
    headerOff_ = false;
    ++lineCount_;
    breakTest();
}

void PageBreaker::close() {
    lineCount_ = rule_.limit;
    headerOff_ = true;
    breakTest();
}

bool PageBreaker::rowReachesFooter() const { return device_.nextLineTop() + device_.lineHeight() > frameFooterY; }

void PageBreaker::breakTest() {
    if (lineCount_ != rule_.limit && !rowReachesFooter()) return;
    if (rule_.restartCount) lineCount_ = 0;
    printPageFooter(device_);
    device_.newPage();
    device_.setCurrentY(rule_.continuationTop);
    if (!headerOff_) printHeadings();
}

} // namespace calvex
