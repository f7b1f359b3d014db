#include "print/device/text_device.h"

#include "print/device/printable_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace calvex {

std::string shortestNumberText(double value) {
    if (value == 0) return "0";
    std::array<char, 32> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

void TextDevice::setFont(const std::string& name, double points) {
    fontName_ = name;
    fontSize_ = points;
    fontChanged();
}

void TextDevice::setFontName(const std::string& name) { setFont(name, fontSize_); }

void TextDevice::setFontSize(double points) { setFont(fontName_, points); }

int TextDevice::lineHeight() const { return static_cast<int>(std::lround(fontSize_ * linePitchTwipsPerPoint)); }

void TextDevice::printText(std::string_view text) {
    if (text.empty()) return;
    if (y_ + lineHeight() > pageHeight()) {
        const int x = x_;
        newPage();
        x_ = x;
    }
    const std::string printable = printableText(text);
    drawText(x_, y_, printable);
    x_ += textWidth(printable);
}

void TextDevice::jumpToColumn(int column) {
    const int target = (column - 1) * characterWidth();
    if (x_ > target) endLine();
    x_ = target;
}

void TextDevice::printAtColumn(int column, std::string_view text) {
    jumpToColumn(column);
    printText(text);
}

void TextDevice::printFittingText(std::string_view text) {
    constexpr double sizeStep = 0.5;
    constexpr double smallestSize = 4;
    const double size = fontSize_;
    const int room = pageBoxWidth - x_;
    // Measured as it will be drawn.
    const std::string printable = printableText(text);
    for (double smaller = size; textWidth(printable) > room && smaller > smallestSize;) {
        smaller = std::max(smallestSize, smaller - sizeStep);
        setFontSize(smaller);
    }
    // Still too wide at the smallest size: the rest goes on the next lines,
    // from the same place, so that nothing of the text is cut off.
    std::string_view rest = printable;
    const int start = x_;
    while (room > 0 && textWidth(rest) > room) {
        const std::size_t fit = fittingPrefixLength(rest, room);
        printText(rest.substr(0, fit));
        endLine();
        x_ = start;
        rest.remove_prefix(fit);
    }
    printText(rest);
    if (fontSize_ != size) setFontSize(size);
}

std::size_t TextDevice::fittingPrefixLength(std::string_view text, int room) const {
    const auto isContinuationByte = [&](std::size_t i) { return (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80; };
    const auto characterStart = [&](std::size_t i) {
        while (i > 0 && i < text.size() && isContinuationByte(i)) --i;
        return i;
    };
    // The longest prefix that fits, found by halving; at least one character.
    std::size_t low = 0;
    std::size_t high = text.size();
    while (low < high) {
        const std::size_t middle = characterStart(low + (high - low + 1) / 2);
        if (middle <= low) break;
        if (textWidth(text.substr(0, middle)) <= room)
            low = middle;
        else
            high = middle - 1;
    }
    if (low > 0) return low;
    std::size_t first = 1;
    while (first < text.size() && isContinuationByte(first)) ++first;
    return first;
}

void TextDevice::printFittingAtColumn(int column, std::string_view text) {
    jumpToColumn(column);
    printFittingText(text);
}

void TextDevice::printNumber(double value) {
    std::string text = value < 0 ? "" : " ";
    text += formatNumber_(value);
    text += ' ';
    printText(text);
}

void TextDevice::setNumberFormatter(NumberFormatter formatter) { formatNumber_ = std::move(formatter); }

void TextDevice::endLine() {
    x_ = 0;
    y_ += lineHeight();
}

void TextDevice::drawLine(int x1, int y1, int x2, int y2, int widthTwips) {
    drawStraightLine(x1, y1, x2, y2, widthTwips);
    x_ = x2;
    y_ = y2;
}

void TextDevice::drawRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) {
    drawFilledRectangle(x, y, width, height, fillRgb, outlineTwips);
}

void TextDevice::setLandscape(bool landscape) {
    if (landscape == landscape_) return;
    landscape_ = landscape;
    orientationChanged();
}

void TextDevice::newPage() {
    pageEnded();
    ++page_;
    x_ = 0;
    y_ = 0;
}

void TextDevice::endDocument() {
    documentEnded();
    page_ = 1;
    x_ = 0;
    y_ = 0;
}

} // namespace calvex
