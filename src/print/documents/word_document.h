#pragma once

#include <string>
#include <string_view>

namespace calvex::documents {

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
    // A paragraph of the text before, the number of pages of the whole
    // document and the text after: the number is the word processor's own
    // count, kept true as the document is edited.
    virtual void addPageCountParagraph(std::string_view before, std::string_view after) = 0;
    // The last paragraph written stays on the page of the paragraph or
    // table after it, moving to the next page with it: a heading with what
    // it heads, the lines of a closing block with one another.
    virtual void keepWithNext() = 0;
    // The next paragraph starts a new page.
    virtual void addPageBreak() = 0;
    // The pages from the next page break on carry at their foot the caption
    // followed by their page number.
    virtual void numberFollowingPages(std::string_view caption) = 0;

    // A table of rows x columns of empty cells at the end of the document;
    // the number it returns names it in the calls below, from 1.
    virtual int addTable(int rows, int columns) = 0;
    // Rows and columns are counted from 1.
    virtual void setCell(int table, int row, int column, std::string_view text) = 0;
    // The first rows of the table are its heading, repeated at the top of
    // every page the table runs over.
    virtual void setHeadingRows(int table, int rows) = 0;
    // The table stays whole on one page: where it does not fit in what is
    // left of a page, it starts on the next. For short tables, a legend say.
    virtual void keepTableWhole(int table) = 0;
    // The paragraphs of every cell of the table.
    virtual void alignTable(int table, Alignment alignment) = 0;
    // Every paragraph of the document set justified.
    virtual void justifyParagraphs() = 0;

    // The document's title and author, as its properties.
    virtual void setProperties(std::string_view title, std::string_view author) = 0;
};

} // namespace calvex::documents
