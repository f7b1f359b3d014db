#include <QAction>
#include <QLineEdit>
#include <QRadioButton>

#include "windows/general_data_window.h"
#include "windows/results_window.h"
#include "windows/title_page_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class PrintCommandsTest : public WindowTest {
protected:
    GeneralDataWindow& general = shell.generalWindow();

    // One storey with an X and a Y wall, typed and computed.
    WallDataWindow& typeBuilding() {
        type(general, "grado", "9");
        type(general, "np", "1");
        type(general, "numsetx", "1");
        type(general, "numsety", "1");
        general.goAhead();
        WallDataWindow& walls = shell.wallWindow();
        const QStringList x{"5", "0.3", "2.5", "0", "0", "0", "8", "250", "10", "0"};
        const QStringList y{"0.3", "5", "0", "2.5", "0", "0", "8", "250", "10", "0"};
        for (int w = 1; w <= 2; ++w) {
            walls.showStoreyAndWall(1, w);
            for (int k = 1; k <= 10; ++k)
                walls.findChild<QLineEdit*>(QStringLiteral("datisismici%1").arg(k))->setText((w == 1 ? x : y)[k - 1]);
        }
        platform.clearRecords();
        return walls;
    }
    bool printed(const std::string& text) const {
        for (const auto& printout : platform.printouts)
            for (const auto& item : printout)
                if (item.text.find(text) != std::string::npos) return true;
        return false;
    }
};

TEST_F(PrintCommandsTest, TemplateAndTitlePageNeedNoCheck) {
    platform.printers.push_back(false);
    general.findChild<QAction*>("modello")->trigger();
    EXPECT_EQ(platform.printerDialogs, 1);
    EXPECT_TRUE(platform.printouts.empty());

    general.findChild<QAction*>("modello")->trigger();
    ASSERT_EQ(platform.printouts.size(), 1u);
    EXPECT_TRUE(printed("CALVEX - verifica antisismica di edifici in muratura"));
    EXPECT_TRUE(printed("ACQUISIZIONE DATI GENERALI"));

    TitlePageWindow& title = shell.titlePageWindow();
    EXPECT_TRUE(title.findChild<QAction*>("stampatutto")->isEnabled());
    title.findChild<QAction*>("solodati")->trigger();
    ASSERT_EQ(platform.printouts.size(), 2u);
    EXPECT_EQ(platform.printouts.back().front().font, "Roman");
}

TEST_F(PrintCommandsTest, ChecksComeBeforeThePrinter) {
    general.findChild<QAction*>("solodati")->trigger();
    EXPECT_EQ(lastMessage(), QString::fromUtf8("Immettere il grado di sismicità."));
    EXPECT_EQ(platform.printerDialogs, 0);

    ResultsWindow& results = shell.resultsWindow();
    type(general, "grado", "9");
    type(general, "np", "1");
    type(general, "numsetx", "1");
    type(general, "numsety", "1");
    platform.clearRecords();
    results.findChild<QAction*>("solodati")->trigger();
    EXPECT_EQ(lastMessage(), "Immettere correttamente i dati.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);
    EXPECT_TRUE(shell.wallWindow().isVisible());
    EXPECT_EQ(platform.printerDialogs, 0);
}

TEST_F(PrintCommandsTest, ValuesTheRunWouldMisreadOrCouldNotPrintStopAvantiAndPrinting) {
    WallDataWindow& walls = typeBuilding();
    type(general, "specifico", "nan");
    walls.findChild<QAction*>("solodati")->trigger();
    EXPECT_EQ(lastMessage(), "Vi sono valori non significativi nei dati al piano n. 1.");
    EXPECT_TRUE(general.isVisible());
    EXPECT_EQ(platform.printerDialogs, 0);

    type(general, "specifico", "1.9");
    type(general, "strutt", "0.4e1");
    general.goAhead();
    EXPECT_EQ(lastMessage(), "Digitare il coefficiente di struttura.");
    type(general, "strutt", "4");

    walls.showStoreyAndWall(1, 1);
    walls.findChild<QLineEdit*>(QStringLiteral("datisismici8"))->setText(QString(400, QLatin1Char('9')));
    platform.clearRecords();
    walls.findChild<QAction*>("solodati")->trigger();
    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("Il valore sigma del setto n. 1 al piano 1 è fuori scala")))
        << lastMessage().toStdString();
    EXPECT_EQ(platform.printerDialogs, 0);
}

TEST_F(PrintCommandsTest, ResultsArePrintedOnlyWhenTheyBelongToTheData) {
    WallDataWindow& walls = typeBuilding();
    walls.toggleLiveCalculation();
    project->setWall(1, 1, WallField::solai, FieldValue::text("20"));
    ASSERT_FALSE(project->resultsCurrent());
    shell.resultsWindow().findChild<QAction*>("solodati")->trigger();
    EXPECT_TRUE(project->resultsCurrent());
    ASSERT_EQ(platform.printouts.size(), 1u);

    walls.findChild<QAction*>("solodati")->trigger();
    ASSERT_EQ(platform.printouts.size(), 2u);
    EXPECT_TRUE(printed("DATI DEI SETTI"));
    EXPECT_TRUE(printed("RISULTATI DELLA VERIFICA"));
    walls.findChild<QAction*>("modello")->trigger();
    ASSERT_EQ(platform.printouts.size(), 3u);
    EXPECT_TRUE(printed("ACQUISIZIONE DATI PER LA VERIFICA"));

    // The report asks before printing an unverified building; No prints nothing.
    shell.titlePageWindow().findChild<QRadioButton*>("comestampo2")->click();
    project->setWall(1, 1, WallField::tauk, FieldValue::text("0.5"));
    walls.computeNow();
    ASSERT_FALSE(buildingVerified(*project));
    platform.clearRecords();
    platform.answers.push_back(MessageAnswer::no);
    shell.titlePageWindow().findChild<QAction*>("stampatutto")->trigger();
    EXPECT_EQ(lastMessage(),
              QString::fromUtf8("Attenzione: l'edificio non è verificato, si vuole comunque stampare la relazione?"));
    EXPECT_EQ(platform.printerDialogs, 0);
    platform.answers.push_back(MessageAnswer::yes);
    shell.titlePageWindow().findChild<QAction*>("stampatutto")->trigger();
    ASSERT_EQ(platform.printouts.size(), 1u);
    EXPECT_TRUE(printed("VERIFICA ANTISISMICA"));

    // A run that cannot complete prints nothing and says why.
    project->setFloor(1, FloorField::hp, FieldValue::text("0.1"));
    platform.clearRecords();
    shell.resultsWindow().findChild<QAction*>("solodati")->trigger();
    EXPECT_TRUE(lastMessage().contains(QString::fromUtf8("non può essere completata"))) << lastMessage().toStdString();
    EXPECT_EQ(platform.printerDialogs, 0);
    EXPECT_TRUE(platform.printouts.empty());
}

TEST_F(PrintCommandsTest, TheEditableReportOpensInTheWordProcessor) {
    typeBuilding();
    TitlePageWindow& title = shell.titlePageWindow();
    ASSERT_EQ(title.reportForm(), TitlePageWindow::ReportForm::wordDocument);
    title.findChild<QAction*>("stampatutto")->trigger();
    ASSERT_EQ(platform.documents.size(), 1u);
    EXPECT_EQ(platform.printerDialogs, 0);
    const auto& document = *platform.documents.front();
    EXPECT_EQ(document.paragraphs().front().text, "VERIFICA ANTISISMICA");
    ASSERT_EQ(document.tables().size(), 10u);
    // One storey of two walls: headings, units and two rows; X wall first.
    EXPECT_EQ(document.tables()[6].rows, 4);
    EXPECT_EQ(document.tables()[6].cell(3, 2), " 1-X");
    EXPECT_EQ(document.tables()[6].cell(4, 2), " 2-Y");
    EXPECT_TRUE(platform.messages.empty()) << lastMessage().toStdString();

    // A word processor that cannot open it: the program says what happened.
    platform.documentFailures.push_back(
        QString::fromUtf8("Il documento è stato scritto nel file r.odt, ma non è "
                          "stato possibile aprirlo con l'elaboratore di testi."));
    title.findChild<QAction*>("stampatutto")->trigger();
    EXPECT_EQ(platform.documents.size(), 2u);
    EXPECT_TRUE(lastMessage().startsWith(QString::fromUtf8("Il documento è stato scritto nel file r.odt")));

    // An unverified building: No opens no document.
    project->setWall(1, 1, WallField::tauk, FieldValue::text("0.5"));
    shell.wallWindow().computeNow();
    platform.clearRecords();
    platform.answers.push_back(MessageAnswer::no);
    title.findChild<QAction*>("stampatutto")->trigger();
    EXPECT_EQ(lastMessage(),
              QString::fromUtf8("Attenzione: l'edificio non è verificato, si vuole comunque stampare la relazione?"));
    EXPECT_TRUE(platform.documents.empty());
}

} // namespace
} // namespace calvex::testing
