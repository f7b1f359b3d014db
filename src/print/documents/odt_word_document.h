#pragma once

#include "print/documents/word_document.h"

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace calvex::documents {

// A word document kept as paragraphs and tables until it is written as an
// OpenDocument text: A4 pages with their margins, numbered pages with the
// page number at their foot, the page count as a field, and tables with
// thin borders, their heading rows repeated on every page and columns as
// wide as their longest text. Paragraphs kept with the next block and
// tables kept whole are so for the word processor, whatever the fonts it
// lays them out in.
class OdtWordDocument : public WordDocument {
public:
    void setFontName(const std::string& name) override { font_.name = name; }
    void setFontSize(double points) override { font_.size = points; }
    void setBold(bool bold) override { font_.bold = bold; }
    void addParagraph(std::string_view text) override;
    void addPageCountParagraph(std::string_view before, std::string_view after) override;
    void keepWithNext() override;
    void addPageBreak() override { pageBreak_ = true; }
    void numberFollowingPages(std::string_view caption) override { pendingCaption_ = std::string(caption); }
    int addTable(int rows, int columns) override;
    void setCell(int table, int row, int column, std::string_view text) override;
    void setHeadingRows(int table, int rows) override;
    void keepTableWhole(int table) override;
    void alignTable(int table, Alignment alignment) override;
    void justifyParagraphs() override { justified_ = true; }
    void setProperties(std::string_view title, std::string_view author) override;

    // The document as the bytes of an OpenDocument text file; nothing when
    // it cannot be made.
    std::optional<std::string> package() const;

    struct Font {
        std::string name;
        double size = 12;
        bool bold = false;
    };
    struct Paragraph {
        std::string text;
        Font font;
        bool pageBreak = false;
        bool keepWithNext = false;
        // The caption of the numbered pages that start with this paragraph.
        std::optional<std::string> numberedPages;
        // The page count follows the text, then this text.
        std::optional<std::string> afterPageCount;
    };
    struct Table {
        int rows;
        int columns;
        Font font;
        std::vector<std::string> cells; // row by row
        int headingRows = 0;
        std::optional<Alignment> alignment;
        bool whole = false;
        std::string& cell(int row, int column) {
            return cells[static_cast<std::size_t>((row - 1) * columns + column - 1)];
        }
    };

private:
    Table& table(int number);

    Font font_;
    bool pageBreak_ = false;
    std::optional<std::string> pendingCaption_;
    bool justified_ = false;
    std::string title_;
    std::string author_;
    std::vector<std::variant<Paragraph, Table>> blocks_;
    std::vector<std::size_t> tables_; // into blocks_
};

} // namespace calvex::documents
