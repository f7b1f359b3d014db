#include "print/qt_word_document.h"

#include <QFont>
#include <QPageSize>
#include <QTextBlock>
#include <QBuffer>
#include <QTextDocumentWriter>
#include <QTextFrame>
#include <QTextTable>

#include <algorithm>
#include <memory>
#include <numeric>
#include <stdexcept>

namespace calvex {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The document lays out in pixels of 1/96 inch.
constexpr double pixelsPerPoint = 96.0 / 72.0;
// A centimetre and a half of margin around the text of every page.
constexpr double pageMarginPixels = 1.5 / 2.54 * 96.0;

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
    const QString family = QString::fromStdString(name);
    format_.setFontFamilies({family});
    // The OpenDocument writer names the font from this property, and from
    // the document's default font where a text has none of its own.
    format_.setProperty(QTextFormat::FontFamily, family);
    QFont font = document_.defaultFont();
    font.setFamilies({family});
    document_.setDefaultFont(font);
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
    QTextBlockFormat paragraph;
    if (pageBreakBefore_)
        paragraph.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    if (inEmptyParagraph_) {
        cursor_.setBlockFormat(paragraph);
        cursor_.setBlockCharFormat(format_);
    } else {
        cursor_.insertBlock(paragraph, format_);
    }
    cursor_.insertText(toQString(text), format_);
    inEmptyParagraph_ = false;
    pageBreakBefore_ = false;
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

void QtWordDocument::justifyParagraphs()
{
    QTextCursor edit(&document_);
    edit.beginEditBlock();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        QTextCursor paragraph(block);
        QTextBlockFormat format = paragraph.blockFormat();
        format.setAlignment(Qt::AlignJustify);
        paragraph.setBlockFormat(format);
    }
    edit.endEditBlock();
}

void QtWordDocument::fitColumnsToTheirTexts()
{
    // Every column as wide as its longest text, in proportion, so that
    // numbers are not broken over two lines in the narrow columns.
    for (QTextTable* target : tables_) {
        std::vector<qsizetype> longest(static_cast<std::size_t>(target->columns()), 3);
        for (int row = 0; row < target->rows(); ++row)
            for (int column = 0; column < target->columns(); ++column)
                longest[column] = std::max(longest[column],
                                           target->cellAt(row, column).firstCursorPosition().block().text().size());
        const double total = std::accumulate(longest.begin(), longest.end(), 0.0);
        QList<QTextLength> widths;
        for (const qsizetype characters : longest)
            widths << QTextLength(QTextLength::PercentageLength, 100.0 * static_cast<double>(characters) / total);
        QTextTableFormat format = target->format();
        format.setColumnWidthConstraints(widths);
        target->setFormat(format);
    }
}

int QtWordDocument::pageCount()
{
    fitColumnsToTheirTexts();
    // Laid out on a copy: a document with a layout lays itself out again
    // after every later change, which for tables of thousands of rows
    // costs seconds each time.
    const std::unique_ptr<QTextDocument> copy(document_.clone());
    copy->setPageSize(document_.pageSize());
    return copy->pageCount();
}

DurableWriteResult QtWordDocument::writeOpenDocument(const QString& fileName)
{
    fitColumnsToTheirTexts();
    // The package is made in memory and written only when the writer says
    // it is whole.
    QBuffer package;
    package.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&package, "odf");
    if (!writer.write(&document_))
        return {false, "impossibile comporre il documento"};
    const QByteArray& bytes = package.data();
    return writeFileDurably(fileName.toStdString(),
                            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace calvex
