#include "support/recording_device.h"

#include <algorithm>
#include <cmath>

namespace calvex::testing {

namespace {

int codePoints(std::string_view text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool isCourier(const std::string& font) { return font == "Courier New"; }

int characterWidthOf(const std::string& font, double points) {
    return static_cast<int>(std::lround(points * (isCourier(font) ? 12 : 10)));
}

} // namespace

int RecordingDevice::characterWidth() const { return characterWidthOf(fontName(), fontSize()); }

int RecordingDevice::lineHeight() const { return static_cast<int>(std::lround(fontSize() * linePitchPerPoint_)); }

int RecordingDevice::textWidth(std::string_view text) const { return codePoints(text) * characterWidth(); }

void RecordingDevice::drawText(int x, int y, std::string_view text) {
    const int width = characterWidth();
    const int column = x % width == 0 ? x / width + 1 : 0;
    items_.push_back({Kind::Text, pageNumber(), x, y, column, fontName(), fontSize(), std::string(text)});
}

void RecordingDevice::drawStraightLine(int x1, int y1, int x2, int y2, int widthTwips) {
    items_.push_back({Kind::Line, pageNumber(), x1, y1, 0, fontName(), fontSize(), "", x2, y2, widthTwips});
}

void RecordingDevice::drawFilledRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) {
    items_.push_back({Kind::Rectangle, pageNumber(), x, y, 0, fontName(), fontSize(), "", x + width, y + height,
                      outlineTwips, fillRgb, landscape()});
}

void RecordingDevice::record(Kind kind, std::string text) {
    items_.push_back({kind, pageNumber(), currentX(), currentY(), 0, fontName(), fontSize(), std::move(text)});
}

void RecordingDevice::pageEnded() { record(Kind::PageEnd, ""); }

void RecordingDevice::documentEnded() { record(Kind::DocumentEnd, ""); }

std::vector<RecordingDevice::Item> RecordingDevice::texts() const { return itemsOf(Kind::Text); }

std::vector<RecordingDevice::Item> RecordingDevice::itemsOf(Kind kind) const {
    std::vector<Item> result;
    std::copy_if(items_.begin(), items_.end(), std::back_inserter(result),
                 [kind](const Item& item) { return item.kind == kind; });
    return result;
}

std::vector<RecordingDevice::Item> RecordingDevice::textsOnPage(int page) const {
    std::vector<Item> result = texts();
    std::erase_if(result, [page](const Item& item) { return item.page != page; });
    return result;
}

std::string RecordingDevice::lineText(int page, int y) const {
    std::vector<Item> line = textsOnPage(page);
    std::erase_if(line, [y](const Item& item) { return item.y != y; });
    std::stable_sort(line.begin(), line.end(), [](const Item& a, const Item& b) { return a.x < b.x; });
    std::string result;
    int x = 0;
    for (const Item& item : line) {
        const int width = characterWidthOf(item.font, item.size);
        if (item.x > x) result.append(static_cast<std::size_t>((item.x - x) / width), ' ');
        result += item.text;
        x = item.x + codePoints(item.text) * width;
    }
    return result;
}

int RecordingDevice::pageEnds() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& item) { return item.kind == Kind::PageEnd; }));
}

int RecordingDevice::documentEnds() const {
    return static_cast<int>(
        std::count_if(items_.begin(), items_.end(), [](const Item& item) { return item.kind == Kind::DocumentEnd; }));
}

} // namespace calvex::testing
