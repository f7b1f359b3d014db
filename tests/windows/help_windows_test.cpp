#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "windows/help_index_window.h"
#include "windows/help_page_window.h"
#include "windows/help_texts.h"
#include "windows/shown_windows.h"
#include "windows/tip_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class HelpWindowsTest : public WindowTest {
protected:
    HelpIndexWindow& openIndex() {
        shell.showHelpIndex();
        auto* index = shownWindow<HelpIndexWindow>();
        EXPECT_NE(index, nullptr);
        return *index;
    }
    static QPushButton* button(QWidget& window, const QString& name) { return window.findChild<QPushButton*>(name); }
    static QString titleOf(QWidget& page) { return page.findChild<QLabel*>("lblTitolo")->text(); }
    // The mouse moving over a widget without a button pressed.
    static void hover(QWidget* widget, QPoint at = QPoint(2, 2)) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static QList<int> boldEntries(const HelpIndexWindow& index) {
        QList<int> bold;
        for (int entry = 1; entry <= HelpIndexWindow::kEntryCount; ++entry)
            if (index.entryLabel(entry)->font().bold()) bold << entry;
        return bold;
    }
};

TEST_F(HelpWindowsTest, PagesShowTheirTitleAtTheirSize) {
    const std::pair<HelpPage, const char*> pages[] = {
        {HelpPage::manuale, "MANUALE D'USO RAPIDO"},
        {HelpPage::guidafunzionamento, "FUNZIONAMENTO DEL PROGRAMMA"},
        {HelpPage::guidaarchivio, "ARCHIVIO DATI"},
        {HelpPage::guidastampa, "COME STAMPARE"},
        {HelpPage::guidadati, "FINESTRA DATI"},
        {HelpPage::guidasismica, "FINESTRA VERIFICA SISMICA"},
        {HelpPage::guidarisultati, "FINESTRA RISULTATI DEI PIANI"},
        {HelpPage::guidacontrollo, "FINESTRA CONTROLLO DEI SETTI"},
        {HelpPage::guidafrontespizio, "FINESTRA FRONTESPIZIO"},
        {HelpPage::guidapianta, "FINESTRA PIANTA DEL PIANO"},
        {HelpPage::guidavalidazione, "VALIDAZIONE DEL PROGRAMMA"},
    };
    for (const auto& [page, title] : pages) {
        HelpPageWindow window(shell, page);
        EXPECT_EQ(window.windowTitle(), "Guida in linea");
        EXPECT_EQ(titleOf(window), title);
        const QString text = window.findChild<QLabel*>("lblTesto")->text();
        EXPECT_GT(text.size(), 1000) << title;
        EXPECT_FALSE(text.contains('\n')) << title;
        // 15 twips to the pixel: 9600 x 6825 for the manual, 5640 x 6825 at 5467 for the others.
        if (page == HelpPage::manuale) {
            EXPECT_EQ(window.size(), QSize(640, 455));
        } else {
            EXPECT_EQ(window.size(), QSize(376, 455)) << title;
            EXPECT_EQ(window.x(), 364) << title;
        }
    }
    HelpPageWindow manual(shell, HelpPage::manuale);
    EXPECT_TRUE(manual.findChild<QLabel*>("lblTesto")->text().startsWith("CALVEX consente la verifica"));
}

TEST_F(HelpWindowsTest, PageButtons) {
    shell.showHelpPage(HelpPage::guidastampa);
    QPointer<HelpPageWindow> page = shownWindow<HelpPageWindow>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page(), HelpPage::guidastampa);

    // "S&tampa" copies the page into a document of the word processor.
    button(*page, "cmdStampa")->click();
    ASSERT_EQ(platform.documents.size(), 1u);
    const auto& copy = *platform.documents.front();
    const HelpText help = helpText(HelpPage::guidastampa);
    EXPECT_EQ(platform.documentNames.front(), "Calvex-guida - " + help.title);
    ASSERT_EQ(copy.paragraphs().size(), 7u);
    EXPECT_EQ(copy.paragraphs()[0].text, "Calvex");
    EXPECT_EQ(copy.paragraphs()[0].size, 20);
    EXPECT_EQ(copy.paragraphs()[0].font, "Century Gothic");
    EXPECT_EQ(copy.paragraphs()[3].text, "verifica di edifici in muratura in zona sismica");
    EXPECT_EQ(copy.paragraphs()[4].text, "Guida: " + help.title.toStdString());
    EXPECT_EQ(copy.paragraphs()[6].text, help.text.toStdString());
    EXPECT_EQ(copy.paragraphs()[6].size, 12);
    EXPECT_TRUE(copy.justified());
    // A word processor that cannot open it: the page says so and stays.
    platform.documentFailures.push_back(QStringLiteral("Impossibile scrivere il documento nel file g.odt."));
    button(*page, "cmdStampa")->click();
    EXPECT_EQ(lastMessage(), "Impossibile scrivere il documento nel file g.odt.");
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(button(*page, "cmdSommario")->toolTip(), "cliccare per tornare al sommario");

    button(*page, "cmdSommario")->click();
    EXPECT_NE(shownWindow<HelpIndexWindow>(), nullptr);

    EXPECT_EQ(button(*page, "cmdChiudi")->toolTip(), "cliccare per chiudere la finestra");
    button(*page, "cmdChiudi")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(page.isNull());
    // The next use builds the page again.
    shell.showHelpPage(HelpPage::guidastampa);
    EXPECT_NE(shownWindow<HelpPageWindow>(), nullptr);
}

TEST_F(HelpWindowsTest, IndexEntriesOpenTheirWindows) {
    HelpIndexWindow& index = openIndex();
    EXPECT_EQ(index.windowTitle(), "Calvex: guida in linea");
    EXPECT_EQ(index.size(), QSize(265, 455));
    EXPECT_EQ(index.entryLabel(4)->text(), " Come stampare");
    EXPECT_EQ(button(index, "puls1")->text(), "--->");

    button(index, "puls9")->click();
    HelpPageWindow* page = shownWindow<HelpPageWindow>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page(), HelpPage::guidafrontespizio);
    page->close();

    button(index, "puls10")->click();
    page = shownWindow<HelpPageWindow>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page(), HelpPage::guidapianta);
    page->close();

    button(index, "puls11")->click();
    page = shownWindow<HelpPageWindow>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page(), HelpPage::guidavalidazione);
    page->close();

    button(index, "puls12")->click();
    EXPECT_NE(shownWindow<TipWindow>(), nullptr);

    // Pressing on a caption shows it flat and opens the entry; releasing
    // gives its frame back.
    QLabel* manual = index.entryLabel(1);
    EXPECT_EQ(manual->frameShape(), QFrame::Box);
    QTest::mousePress(manual, Qt::LeftButton);
    EXPECT_EQ(manual->frameShape(), QFrame::NoFrame);
    page = shownWindow<HelpPageWindow>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->page(), HelpPage::manuale);
    QTest::mouseRelease(manual, Qt::LeftButton);
    EXPECT_EQ(manual->frameShape(), QFrame::Box);
    EXPECT_EQ(manual->frameShadow(), QFrame::Plain);
}

TEST_F(HelpWindowsTest, TheEntryUnderTheMouseIsTheOnlyOneInBold) {
    HelpIndexWindow& index = openIndex();
    EXPECT_TRUE(boldEntries(index).isEmpty());
    hover(index.entryLabel(1));
    EXPECT_EQ(boldEntries(index), QList<int>{1});
    hover(index.entryLabel(2));
    EXPECT_EQ(boldEntries(index), QList<int>{2});
    hover(button(index, "puls7"));
    EXPECT_EQ(boldEntries(index), QList<int>{7});
    // The background between the entries.
    hover(&index, index.entryLabel(3)->geometry().bottomLeft() + QPoint(0, 3));
    EXPECT_TRUE(boldEntries(index).isEmpty());
}

TEST_F(HelpWindowsTest, IndexButtons) {
    HelpIndexWindow& index = openIndex();
    EXPECT_EQ(button(index, "cmdstampa")->toolTip(), "cliccare per avere la copia su carta del sommario");
    button(index, "cmdstampa")->click();
    ASSERT_EQ(platform.documents.size(), 1u);
    EXPECT_EQ(platform.documentNames.front(), "Calvex-guida");
    const auto& copy = platform.documents.front()->paragraphs();
    ASSERT_EQ(copy.size(), 6u + HelpIndexWindow::kEntryCount);
    EXPECT_EQ(copy[4].text, "Guida: Argomenti della guida");
    EXPECT_EQ(copy[6].text, "Manuale d'uso rapido");
    EXPECT_EQ(copy.back().text, index.entryLabel(HelpIndexWindow::kEntryCount)->text().trimmed().toStdString());

    platform.answers.push_back(MessageAnswer::no);
    button(index, "cmduscita")->click();
    EXPECT_EQ(lastMessage(), "Vuoi uscire da Calvex?");
    EXPECT_TRUE(index.isVisible());

    button(index, "cmdchiudi")->click();
    EXPECT_FALSE(index.isVisible());
    shell.showHelpIndex();
    EXPECT_EQ(shownWindow<HelpIndexWindow>(), &index);
}

} // namespace
} // namespace calvex::testing
