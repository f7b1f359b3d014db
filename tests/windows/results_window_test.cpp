#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <nlohmann/json.hpp>

#include "engine/test_building.h"
#include "large_building.h"
#include "model/archive.h"
#include "windows/accessible_rows.h"
#include "windows/failure_list_view.h"
#include "windows/general_data_window.h"
#include "windows/number_display.h"
#include "windows/results_window.h"
#include "windows/shown_windows.h"
#include "windows/wall_check_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

// Numbers shown the Italian way while it lives.
struct ItalianLocale {
    ItalianLocale() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }
    ~ItalianLocale() { QLocale::setDefault(previous); }
    QLocale previous;
};

class ResultsWindowTest : public WindowTest {
protected:
    ResultsWindow& window = shell.resultsWindow();

    // A computed building of square storeys with two X and two Y walls
    // 6 m long; a low tau makes the lower storeys fail in shear.
    void compute(int storeys, const std::string& tauk) {
        TestBuilding b(storeys, 2, 2);
        for (int s = 1; s <= storeys; ++s) {
            b.storey(s, "3", "1.8");
            for (int w = 1; w <= 2; ++w) {
                b.wall(s, w,
                       {.dimx = "6",
                        .dimy = "0.4",
                        .ascissa = "3",
                        .ordinata = std::to_string(5 * w - 5),
                        .tauk = tauk,
                        .sigma = "2500",
                        .solai = "10"});
                b.wall(s, w + 2,
                       {.dimx = "0.4",
                        .dimy = "6",
                        .ascissa = std::to_string(6 * w - 6),
                        .ordinata = "3",
                        .tauk = tauk,
                        .sigma = "2500",
                        .solai = "10"});
            }
        }
        ASSERT_TRUE(b.run().complete);
        *project = *b.project;
        window.publishRun();
    }
    void setSafety(int storey, ResultValue x, ResultValue y) {
        project->floorResult(storey).safetyX = x;
        project->floorResult(storey).safetyY = y;
    }
    QLabel* label(const char* name) { return window.findChild<QLabel*>(name); }
};

TEST_F(ResultsWindowTest, FixedTextsSelectorAndHelp) {
    EXPECT_EQ(window.windowTitle(), "Calvex: risultati dei piani e verifica globale");
    QStringList captions;
    for (const QLabel* caption : window.findChildren<QLabel*>()) captions << caption->text();
    for (const char* text :
         {"RISULTATI GENERALI", "Centro delle forze orizzontali..........m.",
          "Valore di lambda..............................:", "Momento torcente dovuto a D/B tm.",
          "Coefficiente di sicurezza (direz. Y)", "per sezione parzializzata (inserire tiranti verticali)"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(text))) << text;
    EXPECT_TRUE(captions.contains(QString::fromUtf8("Eccentricità lungo l'asse X............m.")));

    auto* open = window.findChild<QPushButton*>("Command1");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), "S&ETTI DA MODIFICARE:");
    EXPECT_EQ(open->toolTip(), "cliccare per visualizzare la finestra 'Controllo dei setti'");
    for (int box = 1; box <= 3; ++box) {
        auto* list = window.findChild<FailureListView*>(QStringLiteral("comm%1").arg(box));
        ASSERT_NE(list, nullptr) << box;
        EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        EXPECT_EQ(list->toolTip(), "elenco degli eventuali setti da modificare");
    }
    auto* selector = window.findChild<QScrollBar*>("VScroll1");
    EXPECT_EQ(selector->minimum(), 0);
    EXPECT_EQ(selector->maximum(), 20);
    EXPECT_EQ(window.storeySelector(), 1);

    EXPECT_EQ(window.buildingVerdict(), "verifica edificio");
    EXPECT_EQ(label("verificaedificio")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window.storeyVerdict(), "");
    EXPECT_TRUE(window.action(Command::controllodat)->isEnabled());
    EXPECT_FALSE(window.action(Command::copiadati)->isEnabled());
    EXPECT_FALSE(window.action(Command::cancella)->isEnabled());

    window.showWindowHelp();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages.back().request.title, "Calvex: aiuto in linea");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::information);
    const QStringList lines = lastMessage().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QString::fromUtf8("- La finestra è di sola lettura;"));
    EXPECT_EQ(lines[3],
              "- cliccare sul tasto 'Controllo' per visualizzare la finestra con la mappa delle modifiche da "
              "apportare alla struttura.");
}

TEST_F(ResultsWindowTest, PublishedValuesInTheLocalesFormAndLists) {
    const ItalianLocale italian;
    compute(3, "20");
    const BuildingResult& building = project->building();
    EXPECT_EQ(window.generalValue(1), displayResult(building.totalWeight));
    EXPECT_EQ(window.generalValue(7), displayResult(building.lambda));
    EXPECT_TRUE(window.generalValue(2).contains(',')) << window.generalValue(2).toStdString();
    for (int box = 1; box <= 3; ++box) EXPECT_EQ(window.failureList(box), "*** nessuno ***");

    compute(12, "20");
    EXPECT_TRUE(window.failureList(1).startsWith("piano n. 1 - setto n. 1 (direzione X)  taglio t.=  96 < "));
    EXPECT_EQ(window.failureList(2), "*** nessuno ***");

    window.setStoreySelector(2);
    EXPECT_EQ(window.storeyCaption(), "Piano n. 2");
    EXPECT_EQ(window.storeyItem(1), displayResult(project->floorResult(2).storeyWeight));
    EXPECT_EQ(window.storeyItem(12), displayResult(project->floorResult(2).torsionTotalForce));
    EXPECT_EQ(window.storeyItem(13), "0,83");

    window.clearResults();
    EXPECT_EQ(window.generalValue(1), "");
    EXPECT_EQ(window.failureList(1), "");
    EXPECT_EQ(window.storeySelector(), 0);
    EXPECT_EQ(window.storeyCaption(), "Piano n. 0");
    EXPECT_EQ(window.storeyItem(1), displayResult(project->floorResult(0).storeyWeight));
    EXPECT_EQ(window.storeyItem(13), "0,83");
    EXPECT_EQ(window.storeyVerdict(), "piano n. 2 non verificato");
}

TEST_F(ResultsWindowTest, SelectorBeyondTheTopStorey) {
    compute(3, "20");
    window.setStoreySelector(4);
    EXPECT_EQ(window.storeySelector(), 3);
    EXPECT_EQ(window.storeyCaption(), "Piano n. 3");
    EXPECT_EQ(project->currentFloor, 3);
    EXPECT_EQ(window.storeyItem(3), displayResult(project->floorResult(3).storeyForce));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Non vi sono altri piani.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::exclamation);
    EXPECT_EQ(platform.messages.back().request.title, "Calvex: controllo dati immessi nella finestra attiva");
}

TEST_F(ResultsWindowTest, StoreyAndBuildingVerdicts) {
    const ItalianLocale italian;
    compute(3, "20");
    setSafety(2, 1.0, 0.99);
    window.setStoreySelector(2);
    EXPECT_EQ(window.storeyItem(13), "1");
    EXPECT_EQ(window.storeyItem(14), "0,99");
    EXPECT_EQ(window.storeyVerdict(), "piano n. 2 non verificato");
    EXPECT_EQ(label("verificapiani")->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(window.buildingVerdict(), "edificio non verificato");

    // Coefficients read back from their Italian texts.
    setSafety(2, 1.0, 1.0);
    setSafety(3, 1.5, 1.25);
    window.setStoreySelector(3);
    EXPECT_EQ(window.storeyVerdict(), "piano n. 3 verificato");
    window.setStoreySelector(2);
    EXPECT_EQ(window.storeyVerdict(), "piano n. 2 verificato");
    EXPECT_EQ(window.buildingVerdict(), "edificio verificato");

    // Storey 1 below 1: the building fails while the storey shown stands.
    setSafety(1, 0.98, 1.2);
    window.setStoreySelector(3);
    EXPECT_EQ(window.storeyVerdict(), "piano n. 3 verificato");
    EXPECT_EQ(window.buildingVerdict(), "edificio non verificato");

    // A coefficient never computed or zero leaves items 13, 14 and the verdicts.
    setSafety(1, 2.0, 2.0);
    setSafety(2, 3.0, ResultValue());
    window.setStoreySelector(2);
    EXPECT_EQ(window.storeyCaption(), "Piano n. 2");
    EXPECT_EQ(window.storeyItem(13), "1,5");
    EXPECT_EQ(window.storeyVerdict(), "piano n. 3 verificato");
    EXPECT_EQ(window.buildingVerdict(), "edificio non verificato");
    setSafety(2, 0.0, 3.0);
    window.setStoreySelector(1);
    window.setStoreySelector(2);
    EXPECT_EQ(window.storeyItem(13), "2");
    EXPECT_EQ(window.storeyVerdict(), "piano n. 1 verificato");
    // A never-computed storey also fails the building.
    EXPECT_EQ(window.buildingVerdict(), "edificio non verificato");
}

TEST_F(ResultsWindowTest, MapButtonAnswers) {
    window.openWallCheck();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Mancano i dati da elaborare.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);
    EXPECT_NE(shownWindow<WallDataWindow>(), nullptr);
    EXPECT_EQ(shell.existingWorkWindow(WorkWindowId::controllasetti), nullptr);

    compute(3, "20");
    window.setStoreySelector(1);
    ASSERT_EQ(window.buildingVerdict(), "edificio verificato");
    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_EQ(lastMessage(),
              QString::fromUtf8("Non vi sono setti da controllare per modificarli: l'edificio è verificato."));
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::exclamation);
    EXPECT_EQ(shell.existingWorkWindow(WorkWindowId::controllasetti), nullptr);

    // A failing building: the map starts afresh at wall 1 and storey 1 each time.
    compute(12, "20");
    window.setStoreySelector(1);
    platform.clearRecords();
    window.openWallCheck();
    auto* map = shownWindow<WallCheckWindow>();
    ASSERT_NE(map, nullptr);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(map->wallCaption(), "Setto n. 1 (direzione X)");
    EXPECT_EQ(map->rowText(1, 1), "tonn. 96 < tonn. 111");
    map->setWallSelector(3);
    map->setStoreySelector(4);
    window.openWallCheck();
    auto* fresh = static_cast<WallCheckWindow*>(shell.existingWorkWindow(WorkWindowId::controllasetti));
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, map);
    EXPECT_EQ(fresh->wallCaption(), "Setto n. 1 (direzione X)");
    EXPECT_EQ(fresh->rowText(1, 0), "1");
    EXPECT_EQ(project->currentWall, 1);
}

TEST_F(ResultsWindowTest, VerdictMarkedWhileResultsAreNotCurrent) {
    compute(3, "20");
    window.setStoreySelector(1);
    ASSERT_EQ(window.buildingVerdict(), "edificio verificato");
    for (int w = 1; w <= 2; ++w) project->setWall(2, w, WallField::tauk, FieldValue::text("1"));
    window.refreshCurrency();
    EXPECT_EQ(window.buildingVerdict(), "risultati non aggiornati");
    window.setStoreySelector(2);
    EXPECT_EQ(window.buildingVerdict(), "risultati non aggiornati");

    ASSERT_TRUE(runEngine(*project, RunContext{true, 2, 1, false}).complete);
    window.publishRun();
    EXPECT_EQ(window.buildingVerdict(), "edificio verificato");
    EXPECT_NE(window.failureList(1), "*** nessuno ***");
    window.setStoreySelector(1);
    EXPECT_EQ(window.buildingVerdict(), "edificio non verificato");
}

// The largest building, opened and computed as the user does it: the
// lists read out as the batch tool prints them, every entry fits in its
// row, the boxes show whole rows at any size, and the rows scroll, select
// and copy.
TEST_F(ResultsWindowTest, ListsOfTheLargestBuilding) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("Calvex-dati-grande"));
    writeArchiveFile(file.toStdString(), *makeLargeBuilding());
    QProcess batch;
    batch.start(QStringLiteral(CALVEX_BINARY_DIR "/bin/calvex-batch"), {"verifica", file, "--json"});
    ASSERT_TRUE(batch.waitForFinished(20000));
    const auto json = nlohmann::json::parse(batch.readAllStandardOutput().toStdString());

    platform.files.push_back(file);
    shell.generalWindow().action(Command::apri)->trigger();
    shell.generalWindow().goAhead();
    shell.showWorkWindow(WorkWindowId::risultati);
    for (int box = 1; box <= 3; ++box) {
        auto* list = window.findChild<FailureListView*>(QStringLiteral("comm%1").arg(box));
        const QStringList rows = accessibleRows(list);
        EXPECT_EQ(rows.join("").toStdString(), json[std::string(kBuildingTexts[box - 1].name)].get<std::string>());

        const QFontMetrics metrics(list->font());
        const int textWidth = list->viewport()->width() - 2 * FailureListView::kTextMargin;
        const int textHeight = list->rowHeight() - 2 * FailureListView::kTextMargin;
        for (const QString& row : rows)
            ASSERT_LE(metrics.boundingRect(QRect(0, 0, textWidth, 1 << 20), Qt::TextWordWrap, row).height(), textHeight)
                << row.toStdString();
    }
    ASSERT_NE(json["sectionFailList"], "*** nessuno ***");

    auto* shear = window.findChild<FailureListView*>("comm1");
    for (const double scale : {1.0, 1.37, 2.2}) {
        window.resize(QSize(960, 720) * scale);
        const int shown = shear->viewport()->height();
        EXPECT_GE(shown, shear->rowHeight()) << scale;
        EXPECT_EQ(shown % shear->rowHeight(), 0) << scale;
    }
    shear->verticalScrollBar()->setValue(shear->verticalScrollBar()->maximum());
    const QModelIndex last = shear->model()->index(shear->model()->rowCount() - 1, 0);
    EXPECT_TRUE(shear->viewport()->rect().contains(shear->visualRect(last)));

    QTest::mouseClick(shear->viewport(), Qt::LeftButton, {}, shear->visualRect(last).center());
    QTest::mouseClick(shear->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      shear->visualRect(last.siblingAtRow(last.row() - 1)).center());
    QTest::keySequence(shear, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(),
              last.siblingAtRow(last.row() - 1).data().toString() + last.data().toString());
}

TEST_F(ResultsWindowTest, CheckDataGoesToTheWindowThatFails) {
    GeneralDataWindow& general = shell.generalWindow();
    window.checkData();
    EXPECT_TRUE(general.isVisible());
    EXPECT_NE(lastMessage(), "I dati sono stati immessi correttamente.");

    type(general, "grado", "9");
    type(general, "np", "1");
    type(general, "numsetx", "1");
    type(general, "numsety", "1");
    general.goAhead();
    general.hide();
    WallDataWindow& walls = shell.wallWindow();
    walls.hide();
    platform.clearRecords();
    window.action(Command::controllodat)->trigger();
    EXPECT_FALSE(general.isVisible());
    EXPECT_TRUE(walls.isVisible());
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);

    for (int w = 1; w <= 2; ++w)
        for (int f = 0; f < kWallFieldCount; ++f)
            project->setWall(1, w, static_cast<WallField>(f), FieldValue::text(w == 1 ? "5" : "0.3"));
    project->setWall(1, 2, WallField::dimy, FieldValue::text("5"));
    platform.clearRecords();
    window.checkData();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "I dati sono stati immessi correttamente.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::information);
    EXPECT_EQ(platform.messages.back().request.title, "Calvex: controllo dati immessi nella finestra attiva");
}

} // namespace
} // namespace calvex::testing
