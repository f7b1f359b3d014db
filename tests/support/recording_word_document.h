#pragma once

#include "print/documents/word_document.h"

#include <optional>
#include <string>
#include <vector>

namespace calvex::testing {

// A word document that keeps what it is given, for tests: the paragraphs
// and tables in the order they were added, with the font of each.
class RecordingWordDocument : public documents::WordDocument {
public:
    struct Paragraph {
        std::string text;
        std::string font;
        double size;
        bool bold;
        bool newPage;   // starts a new page
        bool pageCount; // holds the document's page count
        bool keepWithNext = false;
    };
    struct Table {
        int rows;
        int columns;
        double size;                                 // the font size when the table was added
        std::vector<std::vector<std::string>> cells; // [row - 1][column - 1]
        std::optional<Alignment> alignment;
        int headingRows = 0;
        bool whole = false; // kept on one page
        const std::string& cell(int row, int column) const { return cells.at(row - 1).at(column - 1); }
    };
    // Where the numbered pages start, and the caption at their foot.
    struct PageNumbering {
        std::size_t firstParagraph; // into paragraphs()
        std::string caption;
    };
    // A paragraph or a table, in document order.
    struct Block {
        bool isTable;
        int index; // into paragraphs() or tables(), from 0
    };

    // The page count it states is the one a word processor would show.
    explicit RecordingWordDocument(int pages = 1) : pages_(pages) {}

    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setBold(bool bold) override { bold_ = bold; }
    void addParagraph(std::string_view text) override;
    void addPageCountParagraph(std::string_view before, std::string_view after) override;
    void keepWithNext() override;
    void addPageBreak() override { pageBreak_ = true; }
    void numberFollowingPages(std::string_view caption) override { pendingCaption_ = std::string(caption); }
    int addTable(int rows, int columns) override;
    void setCell(int table, int row, int column, std::string_view text) override;
    void alignTable(int table, Alignment alignment) override;
    void setHeadingRows(int table, int rows) override { tables_.at(table - 1).headingRows = rows; }
    void keepTableWhole(int table) override { tables_.at(table - 1).whole = true; }
    void setProperties(std::string_view title, std::string_view author) override;
    void justifyParagraphs() override { justified_ = true; }
    bool justified() const { return justified_; }

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    const std::vector<Table>& tables() const { return tables_; }
    const std::vector<Block>& blocks() const { return blocks_; }
    const std::optional<PageNumbering>& pageNumbering() const { return numbering_; }
    const std::string& title() const { return title_; }
    const std::string& author() const { return author_; }
    // The first paragraph with this text, counted from 0; nothing when absent.
    std::optional<std::size_t> paragraphIndex(const std::string& text) const;

private:
    int pages_;
    std::string font_;
    double size_ = 12;
    bool bold_ = false;
    bool pageBreak_ = false;
    bool justified_ = false;
    std::optional<std::string> pendingCaption_;
    std::optional<PageNumbering> numbering_;
    std::string title_;
    std::string author_;
    std::vector<Paragraph> paragraphs_;
    std::vector<Table> tables_;
    std::vector<Block> blocks_;
};

} // namespace calvex::testing
