#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace calvex {

// Every line of every font is this many twips per point of the font size
// (0.95 of the size). At this pitch the paged tables of the printouts fit
// above the page footer of an A4 sheet with the line counts they break at.
inline constexpr double linePitchTwipsPerPoint = 19;

// The page box every printout is laid out on, in twips from its top left
// corner: wide enough for the 18-point title line from column 7, tall
// enough for the page footer. A device fits the box on its sheet.
inline constexpr int pageBoxWidth = 12600;
inline constexpr int pageBoxHeight = 16100;

// Writes a number as its shortest round-trip decimal form with "." as the
// separator: 3 -> "3", 2.5 -> "2.5", -0.125 -> "-0.125".
std::string shortestNumberText(double value);

// A printer driven as a text device. Positions are in twips (1/1440 inch)
// from the top left corner of the page box; y is the top of the line being
// written. Texts are UTF-8.
//
// The column, number and line logic lives here; a concrete device supplies
// the font metrics and the drawing.
class TextDevice {
public:
    using NumberFormatter = std::function<std::string(double)>;

    virtual ~TextDevice() = default;

    void setFont(const std::string& name, double points);
    void setFontName(const std::string& name);
    void setFontSize(double points);
    const std::string& fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }

    int currentX() const { return x_; }
    int currentY() const { return y_; }
    void setCurrentX(int twips) { x_ = twips; }
    void setCurrentY(int twips) { y_ = twips; }

    // Width of one character of the current font.
    virtual int characterWidth() const = 0;
    // Height of one line of the current font.
    virtual int lineHeight() const;
    // Top of the line the next column jump to the first columns writes on.
    int nextLineTop() const { return x_ > 0 ? y_ + lineHeight() : y_; }
    // Advance of a text in the current font.
    virtual int textWidth(std::string_view text) const = 0;
    // Height of the page box; a line that would pass it goes to a new page.
    virtual int pageHeight() const = 0;

    // Draws the text at the current position and moves x past it. A text
    // whose line would pass the bottom of the page goes to the top of a new
    // page, as a printer does by itself. The text is drawn as printableText
    // makes it, as the word documents write it.
    void printText(std::string_view text);

    // Moves to column n (counted from 1) of the current line: column n starts
    // at (n - 1) character widths. When x is already beyond that column, the
    // jump goes to column n of the next line.
    void jumpToColumn(int column);
    void printAtColumn(int column, std::string_view text);

    // Draws the text as printText does; one that would run past the right
    // edge of the page box is drawn at a font size stepped down until it
    // fits, then the size is restored. A text too wide even at the smallest
    // size goes on over further lines, starting where it started.
    void printFittingText(std::string_view text);
    void printFittingAtColumn(int column, std::string_view text);

    // A blank when the value is not negative, the number written by the
    // number formatter, one blank after.
    void printNumber(double value);
    // The formatter is shortestNumberText unless a printout sets another
    // (for instance one using the user's locale).
    void setNumberFormatter(NumberFormatter formatter);

    // x back to 0, y down by one line of the current font.
    void endLine();

    // Draws a straight line; the position moves to its end point, so the
    // next line of text starts below a rule drawn across the page.
    void drawLine(int x1, int y1, int x2, int y2, int widthTwips);

    // Draws a rectangle filled with a colour (0xRRGGBB) and outlined in black
    // by a pen `outlineTwips` wide (none when 0). The position stays.
    void drawRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips);

    // Turns the page box of the pages drawn from now on: landscape, it is
    // pageBoxHeight wide and pageBoxWidth tall. Call it at the top of a page.
    void setLandscape(bool landscape);
    bool landscape() const { return landscape_; }

    // Pages are counted from 1 within a document.
    int pageNumber() const { return page_; }
    // Ends the current page; the position goes to the top left corner.
    void newPage();
    // Sends the document; a following document starts again at page 1.
    void endDocument();

protected:
    virtual void fontChanged() = 0;
    virtual void drawText(int x, int y, std::string_view text) = 0;
    virtual void drawStraightLine(int x1, int y1, int x2, int y2, int widthTwips) = 0;
    virtual void drawFilledRectangle(int x, int y, int width, int height, unsigned fillRgb, int outlineTwips) = 0;
    virtual void orientationChanged() = 0;
    virtual void pageEnded() = 0;
    virtual void documentEnded() = 0;

private:
    // The bytes of the longest start of the text, cut between characters,
    // that is at most `room` wide; at least one character.
    std::size_t fittingPrefixLength(std::string_view text, int room) const;

    std::string fontName_ = "Courier New";
    double fontSize_ = 12;
    int x_ = 0;
    int y_ = 0;
    int page_ = 1;
    bool landscape_ = false;
    NumberFormatter formatNumber_ = shortestNumberText;
};

} // namespace calvex
