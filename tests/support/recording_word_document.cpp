#include "support/recording_word_document.h"

#include <stdexcept>

namespace calvex::testing {

void RecordingWordDocument::addParagraph(std::string_view text) {
    if (pageBreak_ && pendingCaption_) {
        numbering_ = PageNumbering{paragraphs_.size(), *pendingCaption_};
        pendingCaption_.reset();
    }
    blocks_.push_back({false, static_cast<int>(paragraphs_.size())});
    paragraphs_.push_back({std::string(text), font_, size_, bold_, pageBreak_, false});
    pageBreak_ = false;
}

void RecordingWordDocument::keepWithNext() {
    if (blocks_.empty() || blocks_.back().isTable) throw std::logic_error("no paragraph to keep with the next block");
    paragraphs_.back().keepWithNext = true;
}

void RecordingWordDocument::addPageCountParagraph(std::string_view before, std::string_view after) {
    std::string text(before);
    text += std::to_string(pages_);
    text += after;
    addParagraph(text);
    paragraphs_.back().pageCount = true;
}

void RecordingWordDocument::setProperties(std::string_view title, std::string_view author) {
    title_ = title;
    author_ = author;
}

int RecordingWordDocument::addTable(int rows, int columns) {
    blocks_.push_back({true, static_cast<int>(tables_.size())});
    tables_.push_back({rows, columns, size_,
                       std::vector<std::vector<std::string>>(rows, std::vector<std::string>(columns)), std::nullopt});
    return static_cast<int>(tables_.size());
}

void RecordingWordDocument::setCell(int table, int row, int column, std::string_view text) {
    Table& target = tables_.at(table - 1);
    if (row < 1 || row > target.rows || column < 1 || column > target.columns)
        throw std::out_of_range("cell outside its table");
    target.cells[row - 1][column - 1] = std::string(text);
}

void RecordingWordDocument::alignTable(int table, Alignment alignment) { tables_.at(table - 1).alignment = alignment; }

std::optional<std::size_t> RecordingWordDocument::paragraphIndex(const std::string& text) const {
    for (std::size_t i = 0; i < paragraphs_.size(); ++i)
        if (paragraphs_[i].text == text) return i;
    return std::nullopt;
}

} // namespace calvex::testing
