#include "print/qt_word_document.h"

#include <QFont>
#include <QPageSize>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>

#include <memory>
#include <stdexcept>

namespace calvex {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The document lays out in pixels of 1/96 inch.
constexpr double pixelsPerPoint = 96.0 / 72.0;
// Two centimetres of margin around the text of every page.
constexpr double pageMarginPixels = 2.0 / 2.54 * 96.0;

Qt::Alignment qtAlignment(WordDocument::Alignment alignment)
{
    switch (alignment) {
    case WordDocument::Alignment::centre:
        return Qt::AlignHCenter;
    case WordDocument::Alignment::right:
        return Qt::AlignRight;
    case WordDocument::Alignment::left:
        break;
    }
    return Qt::AlignLeft;
}

}  // namespace

QtWordDocument::QtWordDocument() : cursor_(&document_)
{
    document_.setPageSize(QPageSize(QPageSize::A4).size(QPageSize::Point) * pixelsPerPoint);
    QTextFrameFormat page = document_.rootFrame()->frameFormat();
    page.setMargin(pageMarginPixels);
    document_.rootFrame()->setFrameFormat(page);
    format_.setFontPointSize(12);
}

void QtWordDocument::setFontName(const std::string& name)
{
    format_.setFontFamilies({QString::fromStdString(name)});
}

void QtWordDocument::setFontSize(double points)
{
    format_.setFontPointSize(points);
}

void QtWordDocument::setBold(bool bold)
{
    format_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void QtWordDocument::addParagraph(std::string_view text)
{
    cursor_.movePosition(QTextCursor::End);
    if (inEmptyParagraph_)
        cursor_.setBlockCharFormat(format_);
    else
        cursor_.insertBlock(QTextBlockFormat(), format_);
    cursor_.insertText(toQString(text), format_);
    inEmptyParagraph_ = false;
}

int QtWordDocument::addTable(int rows, int columns)
{
    cursor_.movePosition(QTextCursor::End);
    QTextTableFormat format;
    format.setBorder(0.5);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(2);
    format.setCellSpacing(0);
    format.setHeaderRowCount(1);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tables_.push_back(cursor_.insertTable(rows, columns, format));
    cursor_.movePosition(QTextCursor::End);
    inEmptyParagraph_ = true;
    return static_cast<int>(tables_.size());
}

QTextTable* QtWordDocument::table(int number) const
{
    if (number < 1 || number > static_cast<int>(tables_.size()))
        throw std::out_of_range("no such table");
    return tables_[number - 1];
}

void QtWordDocument::setCell(int number, int row, int column, std::string_view text)
{
    QTextTable* target = table(number);
    if (row < 1 || row > target->rows() || column < 1 || column > target->columns())
        throw std::out_of_range("cell outside its table");
    QTextCursor cell = target->cellAt(row - 1, column - 1).firstCursorPosition();
    cell.setBlockCharFormat(format_);
    cell.insertText(toQString(text), format_);
}

void QtWordDocument::alignTable(int number, Alignment alignment)
{
    QTextTable* target = table(number);
    QTextCursor edit(&document_);
    edit.beginEditBlock();
    for (int row = 0; row < target->rows(); ++row) {
        for (int column = 0; column < target->columns(); ++column) {
            QTextCursor cell = target->cellAt(row, column).firstCursorPosition();
            QTextBlockFormat format = cell.blockFormat();
            format.setAlignment(qtAlignment(alignment));
            cell.setBlockFormat(format);
        }
    }
    edit.endEditBlock();
}

int QtWordDocument::pageCount()
{
    // Laid out on a copy: a document with a layout lays itself out again
    // after every later change, which for tables of thousands of rows
    // costs seconds each time.
    const std::unique_ptr<QTextDocument> copy(document_.clone());
    copy->setPageSize(document_.pageSize());
    return copy->pageCount();
}

bool QtWordDocument::writeOpenDocument(const QString& fileName)
{
    QTextDocumentWriter writer(fileName, "odf");
    return writer.write(&document_);
}

}  // namespace calvex
