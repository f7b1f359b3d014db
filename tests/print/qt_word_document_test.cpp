#include "print/qt_word_document.h"
#include "print/report_document.h"

#include "engine/test_building.h"
#include "print/gui_application.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

namespace calvex {
namespace {

class QtWordDocumentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testing::ensureGuiApplication(); }
};

std::vector<QTextTable*> tablesOf(const QTextDocument& document)
{
    std::vector<QTextTable*> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            tables.push_back(table);
    return tables;
}

QString cellText(QTextTable* table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    return cell.firstCursorPosition().block().text();
}

TEST_F(QtWordDocumentTest, ParagraphsAndTablesInOrderWrittenAsOpenDocument)
{
    QtWordDocument document;
    document.setFontName("Century Gothic");
    document.setFontSize(20);
    document.addParagraph("VERIFICA ANTISISMICA");
    document.setBold(true);
    document.addParagraph("progetto: Casa \u00e0");
    const int table = document.addTable(3, 2);
    document.setCell(table, 1, 1, "simbolo");
    document.setCell(table, 3, 2, "12,50");
    document.alignTable(table, WordDocument::Alignment::right);
    document.addParagraph("dopo la tabella");
    EXPECT_THROW(document.setCell(table, 4, 1, "fuori"), std::out_of_range);
    EXPECT_THROW(document.setCell(2, 1, 1, "nessuna"), std::out_of_range);

    const QTextDocument& text = document.document();
    const QTextBlock first = text.begin();
    EXPECT_EQ(first.text(), "VERIFICA ANTISISMICA");
    EXPECT_EQ(first.charFormat().fontPointSize(), 20);
    EXPECT_EQ(first.next().text(), QString::fromUtf8("progetto: Casa à"));
    EXPECT_EQ(first.next().begin().fragment().charFormat().fontWeight(), QFont::Bold);
    const auto tables = tablesOf(text);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(cellText(tables[0], 0, 0), "simbolo");
    EXPECT_EQ(cellText(tables[0], 2, 1), "12,50");
    EXPECT_EQ(tables[0]->cellAt(2, 1).firstCursorPosition().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(text.lastBlock().text(), "dopo la tabella");
    EXPECT_EQ(document.pageCount(), 1);

    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString file = directory.filePath("relazione.odt");
    ASSERT_TRUE(document.writeOpenDocument(file).ok);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("PK"));
    EXPECT_TRUE(bytes.contains("application/vnd.oasis.opendocument.text"));
    EXPECT_FALSE(document.writeOpenDocument(directory.filePath("manca/relazione.odt")).ok);
}

TEST_F(QtWordDocumentTest, TheLargestBuildingsReportRunsOverManyPages)
{
    testing::TestBuilding building(20, 50, 50);
    for (int storey = 1; storey <= 20; ++storey) {
        building.storey(storey, "3", "1.8");
        for (int wall = 1; wall <= 100; ++wall)
            building.wall(storey, wall, testing::WallTexts{wall <= 50 ? "4" : "0.3", wall <= 50 ? "0.3" : "4",
                                                            std::to_string(wall % 50), "10"});
    }
    QtWordDocument document;
    buildReportDocument(document, *building.project, "Ing. Bianchi", NumberSymbols{});
    const auto tables = tablesOf(document.document());
    ASSERT_EQ(tables.size(), 10u);
    EXPECT_EQ(tables[4]->rows(), 2 + 2000);
    EXPECT_EQ(tables[6]->columns(), 15);
    EXPECT_EQ(cellText(tables[6], 2 + 1999, 1), " 100-Y");
    // Two thousand rows in each of two tables: dozens of A4 pages, counted
    // before the closing block states them.
    const QString text = document.document().toPlainText();
    const QString count = QString::fromUtf8("La presente relazione è composta di n. ");
    const qsizetype at = text.indexOf(count);
    ASSERT_GE(at, 0);
    EXPECT_GT(text.mid(at + count.size()).section(' ', 0, 0).toInt(), 50);
}

}  // namespace
}  // namespace calvex
