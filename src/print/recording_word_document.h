#pragma once

#include "print/word_document.h"

#include <optional>
#include <string>
#include <vector>

namespace calvex {

// A word document that keeps what it is given, for tests: the paragraphs
// and tables in the order they were added, with the font of each.
class RecordingWordDocument : public WordDocument {
public:
    struct Paragraph {
        std::string text;
        std::string font;
        double size;
        bool bold;
        bool newPage;  // starts a new page
    };
    struct Table {
        int rows;
        int columns;
        double size;  // the font size when the table was added
        std::vector<std::vector<std::string>> cells;  // [row - 1][column - 1]
        std::optional<Alignment> alignment;
        const std::string& cell(int row, int column) const { return cells.at(row - 1).at(column - 1); }
    };
    // A paragraph or a table, in document order.
    struct Block {
        bool isTable;
        int index;  // into paragraphs() or tables(), from 0
    };

    explicit RecordingWordDocument(int pages = 1) : pages_(pages) {}

    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setBold(bool bold) override { bold_ = bold; }
    void addParagraph(std::string_view text) override;
    void addPageBreak() override { pageBreak_ = true; }
    int addTable(int rows, int columns) override;
    void setCell(int table, int row, int column, std::string_view text) override;
    void alignTable(int table, Alignment alignment) override;
    int pageCount() override { return pages_; }
    void justifyParagraphs() override { justified_ = true; }
    bool justified() const { return justified_; }

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    const std::vector<Table>& tables() const { return tables_; }
    const std::vector<Block>& blocks() const { return blocks_; }
    // The first paragraph with this text, counted from 0; nothing when absent.
    std::optional<std::size_t> paragraphIndex(const std::string& text) const;

private:
    int pages_;
    std::string font_;
    double size_ = 12;
    bool bold_ = false;
    bool pageBreak_ = false;
    bool justified_ = false;
    std::vector<Paragraph> paragraphs_;
    std::vector<Table> tables_;
    std::vector<Block> blocks_;
};

}  // namespace calvex
