#pragma once

#include <string>
#include <string_view>

namespace calvex {

// A new document in a word processor, written from its start to its end:
// paragraphs in the current font, and tables of text cells. A document
// that is shown to the user stays his to edit, print or save.
class WordDocument {
public:
    enum class Alignment { left, centre, right };

    virtual ~WordDocument() = default;

    // The font of the paragraphs written from now on.
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool bold) = 0;

    // A paragraph with the text in the current font; an empty text gives an
    // empty paragraph.
    virtual void addParagraph(std::string_view text) = 0;
    // The next paragraph starts a new page.
    virtual void addPageBreak() = 0;

    // A table of rows x columns of empty cells at the end of the document;
    // the number it returns names it in the calls below, from 1.
    virtual int addTable(int rows, int columns) = 0;
    // Rows and columns are counted from 1.
    virtual void setCell(int table, int row, int column, std::string_view text) = 0;
    // The paragraphs of every cell of the table.
    virtual void alignTable(int table, Alignment alignment) = 0;
    // Every paragraph of the document set justified.
    virtual void justifyParagraphs() = 0;

    // The pages of the document as it stands, on A4.
    virtual int pageCount() = 0;
};

}  // namespace calvex
