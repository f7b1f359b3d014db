#pragma once

#include "print/device/text_device.h"

#include <string>
#include <vector>

namespace calvex::testing {

// A text device that draws nothing and records every item, for tests.
//
// Fixed metrics, proportional to the font size in points: "Courier New"
// characters are 12 twips wide per point (8 points: 96 twips), any other
// font's 10. A text is as wide as its characters (UTF-8 code points) times
// the character width. Lines have the printer's pitch and pages the page
// box's height unless a test asks for others: a shorter pitch shows the
// breaks the line counters make without any page filling up first.
class RecordingDevice : public TextDevice {
public:
    explicit RecordingDevice(int pageHeight = pageBoxHeight, double linePitchPerPoint = linePitchTwipsPerPoint)
        : pageHeight_(pageHeight), linePitchPerPoint_(linePitchPerPoint) {}

    enum class Kind { Text, Line, Rectangle, PageEnd, DocumentEnd };

    struct Item {
        Kind kind;
        int page;
        int x;
        int y;
        int column; // column the text starts at, 0 when between columns
        std::string font;
        double size;
        std::string text;
        int x2 = 0; // lines and rectangles (the bottom right corner) only
        int y2 = 0;
        int width = 0; // of the line or the outline
        unsigned fill = 0;
        bool landscape = false;
    };

    int characterWidth() const override;
    int lineHeight() const override;
    int textWidth(std::string_view text) const override;
    int pageHeight() const override { return pageHeight_; }

    const std::vector<Item>& items() const { return items_; }
    std::vector<Item> texts() const;
    std::vector<Item> itemsOf(Kind kind) const;
    std::vector<Item> textsOnPage(int page) const;
    // The texts of one line (same page and y), joined in order of x with the
    // gaps filled by blanks, one character width per blank.
    std::string lineText(int page, int y) const;
    int pageEnds() const;
    int documentEnds() const;

protected:
    void fontChanged() override {}
    void drawText(int x, int y, std::string_view text) override;
    void drawStraightLine(int x1, int y1, int x2, int y2, int widthTwips) override;
    void drawFilledRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) override;
    void orientationChanged() override {}
    void pageEnded() override;
    void documentEnded() override;

private:
    void record(Kind kind, std::string text);

    int pageHeight_;
    double linePitchPerPoint_;
    std::vector<Item> items_;
};

} // namespace calvex::testing
