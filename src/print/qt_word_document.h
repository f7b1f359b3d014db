#pragma once

#include "model/durable_file.h"
#include "print/word_document.h"

#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

class QTextTable;

namespace calvex {

// A word document built as a rich-text document laid out on A4, written
// as an OpenDocument text file for the user's word processor.
class QtWordDocument : public WordDocument {
public:
    QtWordDocument();

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setBold(bool bold) override;
    void addParagraph(std::string_view text) override;
    void addPageBreak() override { pageBreakBefore_ = true; }
    int addTable(int rows, int columns) override;
    void setCell(int table, int row, int column, std::string_view text) override;
    void alignTable(int table, Alignment alignment) override;
    int pageCount() override;
    void justifyParagraphs() override;

    const QTextDocument& document() const { return document_; }
    // Writes the file whole or not at all (see durable_file.h).
    DurableWriteResult writeOpenDocument(const QString& fileName);


private:
    QTextTable* table(int number) const;
    void fitColumnsToTheirTexts();

    QTextDocument document_;
    QTextCursor cursor_;
    QTextCharFormat format_;
    std::vector<QTextTable*> tables_;
    // The cursor stands in an empty paragraph: the first one of the
    // document or the one that follows a table.
    bool inEmptyParagraph_ = true;
    bool pageBreakBefore_ = false;
};

}  // namespace calvex
