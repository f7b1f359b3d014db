#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <nlohmann/json.hpp>

#include "model/archive.h"
#include "windows/accessible_rows.h"
#include "windows/general_data_window.h"
#include "windows/number_display.h"
#include "windows/results_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class WallWindowTest : public WindowTest {
protected:
    GeneralDataWindow& general = shell.generalWindow();

    // Types the general data of a building and goes ahead to the walls.
    WallDataWindow& start(const char* storeys, const char* xWalls, const char* yWalls) {
        type(general, "grado", "9");
        type(general, "np", storeys);
        type(general, "numsetx", xWalls);
        type(general, "numsety", yWalls);
        general.goAhead();
        platform.clearRecords();
        return shell.wallWindow();
    }
    static QLineEdit* field(WallDataWindow& window, int k) {
        return window.findChild<QLineEdit*>(QStringLiteral("datisismici%1").arg(k));
    }
    static void typeWall(WallDataWindow& window, const QStringList& values) {
        for (int k = 1; k <= values.size(); ++k) field(window, k)->setText(values[k - 1]);
    }
};

TEST_F(WallWindowTest, FirstCharacterAndDirectionRules) {
    WallDataWindow& window = start("1", "2", "1");
    field(window, 1)->setText(".");
    EXPECT_EQ(field(window, 1)->text(), "0.");
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(),
              QString::fromUtf8("Inserire i dati inferiori all'unità digitando prima lo zero e poi il punto."));
    EXPECT_EQ(project->wall(1, 1, WallField::dimx), FieldValue::text("0."));

    field(window, 3)->setText("a");
    EXPECT_EQ(field(window, 3)->text(), "");
    EXPECT_EQ(lastMessage(), "Inserire valori numerici significativi.");
    EXPECT_EQ(field(window, 3)->palette().color(QPalette::Base), QColor(255, 0, 0));
    field(window, 4)->setText("1");
    EXPECT_NE(field(window, 3)->palette().color(QPalette::Base), QColor(255, 0, 0));

    window.showWall(2);
    field(window, 1)->setText("0.3");
    field(window, 2)->setText("4");
    EXPECT_EQ(lastMessage(), "Bisogna digitare prima i setti in direzione X.");
    EXPECT_EQ(field(window, 2)->text(), "");
    EXPECT_EQ(project->wall(1, 2, WallField::dimy), FieldValue::text(""));
    window.showWall(3);
    platform.clearRecords();
    field(window, 1)->setText("0.3");
    field(window, 2)->setText("4");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(project->wall(1, 3, WallField::dimy), FieldValue::text("4"));
}

TEST_F(WallWindowTest, NavigationLimitsAndCopyButtons) {
    WallDataWindow& window = start("2", "2", "1");
    window.findChild<QScrollBar*>("HScroll1")->setValue(4);
    EXPECT_EQ(lastMessage(), "Non vi sono altri setti.");
    EXPECT_EQ(project->currentWall, 3);
    window.findChild<QScrollBar*>("VScroll1")->setValue(3);
    EXPECT_EQ(lastMessage(), "Non vi sono altri piani.");
    EXPECT_EQ(project->currentFloor, 2);

    window.showStoreyAndWall(1, 1);
    field(window, 7)->setText("8");
    window.findChild<QPushButton*>("copiami7")->click(); // wall 0: empties the field
    EXPECT_EQ(field(window, 7)->text(), "");
    field(window, 7)->setText("8");
    window.showWall(2);
    window.findChild<QPushButton*>("copiami7")->click();
    EXPECT_EQ(field(window, 7)->text(), "8");
    EXPECT_EQ(project->wall(1, 2, WallField::tauk), FieldValue::text("8"));
    EXPECT_EQ(window.findChild<QPushButton*>("copiami7")->accessibleName(), "C Tensione tangenziale ammissibile t/mq");
}

TEST_F(WallWindowTest, ValidationOrderAndAbsentWalls) {
    WallDataWindow& window = start("3", "1", "1");
    window.checkData();
    EXPECT_EQ(lastMessage(),
              "Digitare un valore significativo per la dimensione in direzione X del setto n. 1 al piano 1.");
    for (int s = 1; s <= 3; ++s) {
        window.showStoreyAndWall(s, 1);
        typeWall(window, {"5", "0.3", "2.5", "0", "0", "0", "8", "250", "10", "0"});
        window.showWall(2);
        typeWall(window, {"0.3", "4", "0", "2", "0", "0", "8", "250", "10", "0"});
    }
    window.showStoreyAndWall(3, 2);
    typeWall(window, {"", ""});
    field(window, 1)->setText("");
    field(window, 2)->setText("");
    platform.clearRecords();
    window.checkData();
    EXPECT_EQ(
        lastMessage(),
        "Azzerare i valori dei dati del setto n. 2 al piano 3 o digitare le misure in direzione X e Y del setto.");
    EXPECT_EQ(field(window, 1)->palette().color(QPalette::Base), QColor(255, 0, 0));

    for (int k = 3; k <= 10; ++k) field(window, k)->setText("0");
    platform.answers.push_back(MessageAnswer::yes);
    window.checkData();
    ASSERT_GE(platform.messages.size(), 2u);
    const QString question = platform.messages[platform.messages.size() - 2].request.text;
    EXPECT_EQ(question, QString::fromUtf8("I seguenti setti risultano inesistenti: è corretto?\n\n"
                                          "Piano n. 1 ---> nessuno (tutti i setti sono presenti)\n"
                                          "Piano n. 2 ---> nessuno (tutti i setti sono presenti)\n"
                                          "Piano n. 3 --->  2-\n"));
    EXPECT_EQ(lastMessage(), "I dati sono stati immessi correttamente.");
}

TEST_F(WallWindowTest, CopyClearAndOrder) {
    WallDataWindow& window = start("2", "2", "2");
    const QStringList y{"0.3", "4", "0", "2", "0", "0", "8", "250", "10", "0"};
    const QStringList x{"4", "0.3", "2", "0", "0", "0", "8", "250", "10", "0"};
    // Walls typed Y, X, Y, X (the X list allows a Y wall only after the direction rule: type X first).
    project->setGeneral(GeneralField::numsetx, FieldValue::real(0));
    for (int w = 1; w <= 4; ++w) {
        window.showStoreyAndWall(1, w);
        typeWall(window, w % 2 ? y : x);
        project->setWall(1, w, WallField::ascissa, FieldValue::text(std::to_string(w)));
    }
    window.showStoreyAndWall(1, 1);
    window.copyToNextStorey();
    EXPECT_EQ(project->currentFloor, 2);
    EXPECT_EQ(project->wall(2, 3, WallField::dimx), FieldValue::text("0.3"));
    window.copyToNextStorey();
    EXPECT_EQ(lastMessage(), "Non esistono altri piani.");

    window.orderWalls();
    for (int s = 1; s <= 2; ++s) {
        EXPECT_EQ(project->wall(s, 1, WallField::ascissa), FieldValue::text("2")) << s;
        EXPECT_EQ(project->wall(s, 2, WallField::ascissa), FieldValue::text("4"));
        EXPECT_EQ(project->wall(s, 3, WallField::ascissa), FieldValue::text("1"));
        EXPECT_EQ(project->wall(s, 4, WallField::ascissa), FieldValue::text("3"));
    }
    EXPECT_EQ(general.fieldTexts().numsetx, "2");
    EXPECT_EQ(project->xWallCount(), 2);

    window.clearWindow();
    EXPECT_EQ(project->wall(2, 4, WallField::dimx), FieldValue::text(""));
    EXPECT_EQ(field(window, 1)->text(), "");
    EXPECT_EQ(window.resultField(1), "");
    EXPECT_EQ(shell.resultsWindow().storeySelector(), 0);
}

TEST_F(WallWindowTest, RedMarksAndVerdictGoWhenTheProgramRefillsTheFields) {
    WallDataWindow& window = start("1", "1", "1");
    const auto redFields = [&] {
        QList<int> red;
        for (int k = 1; k <= 10; ++k)
            if (field(window, k)->palette().color(QPalette::Base) == QColor(255, 0, 0)) red << k;
        return red;
    };
    typeWall(window, {"5", "0.3", "2.5", "0", "0", "0", "", "250", "10", "0"});
    EXPECT_FALSE(window.validate(CheckMode::silent));
    EXPECT_EQ(redFields(), QList<int>{7});
    window.showWall(2);
    EXPECT_EQ(redFields(), QList<int>{});

    typeWall(window, {"0.3", "5", "0", "2.5", "0", "0", "8", "", "10", "0"});
    window.showWall(1);
    field(window, 7)->setText("8");
    EXPECT_FALSE(window.validate(CheckMode::silent));
    EXPECT_EQ(project->currentWall, 2);
    EXPECT_EQ(redFields(), QList<int>{8});

    field(window, 8)->setText("250");
    EXPECT_TRUE(window.validate(CheckMode::silent));
    EXPECT_EQ(window.verdictText(), "setto verificato");
    field(window, 8)->setText("");
    EXPECT_FALSE(window.validate(CheckMode::silent));
    window.clearWindow();
    EXPECT_EQ(redFields(), QList<int>{});
    EXPECT_EQ(window.verdictText(), "");
}

TEST_F(WallWindowTest, LiveCalculationSwitch) {
    WallDataWindow& window = start("1", "1", "1");
    typeWall(window, {"5", "0.3", "2.5", "0", "0", "0", "8", "250", "10", "0"});
    window.showWall(2);
    typeWall(window, {"0.3", "5", "0", "2.5", "0", "0", "8", "250", "10", "0"});
    ASSERT_TRUE(project->resultsCurrent());
    const QString force = window.resultField(11);
    EXPECT_FALSE(force.isEmpty());
    EXPECT_EQ(window.resultField(9), "Y");
    EXPECT_EQ(window.verdictText(), "setto verificato");
    // The button as painted, beside its caption.
    auto* button = window.findChild<QPushButton*>("risulta");
    const auto buttonColour = [button] { return button->grab().toImage().pixelColor(4, button->height() / 2); };
    EXPECT_EQ(buttonColour(), QColor(255, 255, 0));

    window.toggleLiveCalculation();
    EXPECT_FALSE(window.liveCalculation());
    EXPECT_EQ(buttonColour(), QColor(255, 0, 0));
    field(window, 10)->setText("40");
    EXPECT_EQ(window.resultField(11), force);
    EXPECT_EQ(window.verdictText(), "risultati non aggiornati");
    EXPECT_FALSE(project->resultsCurrent());

    window.toggleLiveCalculation();
    EXPECT_TRUE(project->resultsCurrent());
    EXPECT_EQ(project->currentWall, 1);
    EXPECT_EQ(window.resultField(9), "X");
    EXPECT_NE(window.verdictText(), "risultati non aggiornati");
    EXPECT_EQ(buttonColour(), QColor(255, 255, 0));
}

// The example building typed field by field gives what the batch tool
// computes from its archive.
TEST_F(WallWindowTest, TypedBuildingMatchesTheBatchTool) {
    const QString file = QStringLiteral(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio");
    auto reference = std::make_unique<ProjectData>();
    ASSERT_TRUE(readArchiveFile(file.toStdString(), *reference).complete);
    auto text = [](const FieldValue& value) { return QString::fromStdString(value.fieldText()); };
    for (GeneralField f : kGeneralEntryOrder)
        type(general, kGeneralFieldNames[static_cast<int>(f)].data(), text(reference->general(f)));
    const int storeys = reference->storeyCount(), walls = reference->wallCount();
    for (int s = 1; s <= storeys; ++s) {
        general.showStorey(s);
        for (int f = 0; f < kFloorFieldCount; ++f)
            type(general, kFloorFieldNames[f].data(), text(reference->floor(s, static_cast<FloorField>(f))));
    }
    general.goAhead();
    WallDataWindow& window = shell.wallWindow();
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w) {
            window.showStoreyAndWall(s, w);
            for (int f = 0; f < kWallFieldCount; ++f)
                field(window, f + 1)->setText(text(reference->wall(s, w, static_cast<WallField>(f))));
        }
    window.showStoreyAndWall(1, 1);
    ASSERT_TRUE(project->resultsCurrent());

    QProcess batch;
    batch.start(QStringLiteral(CALVEX_BINARY_DIR "/bin/calvex-batch"), {"verifica", file, "--json"});
    ASSERT_TRUE(batch.waitForFinished(20000));
    const auto json = nlohmann::json::parse(batch.readAllStandardOutput().toStdString());
    ASSERT_TRUE(json["complete"].get<bool>());
    ASSERT_EQ(json["walls"].size(), static_cast<std::size_t>(storeys * walls));
    for (const auto& wall : json["walls"]) {
        const WallResult r = project->wallResult(wall["storey"], wall["wall"]);
        for (const auto& named : kWallResultNumbers) {
            const auto& expected = wall[std::string(named.name)];
            if (!expected.is_number()) continue;
            EXPECT_EQ((r.*named.member).number(), expected.get<double>())
                << named.name << " storey " << wall["storey"] << " wall " << wall["wall"];
        }
        EXPECT_EQ(r.verdict.str(), wall["verdict"].get<std::string>());
    }
    // Beside the wall shown (storey 1, wall 1), that wall's own results.
    const auto& shown = json["walls"][0];
    ASSERT_EQ(shown["storey"], 1);
    ASSERT_EQ(shown["wall"], 1);
    EXPECT_EQ(window.resultField(3), displayNumber(shown["normalForce"].get<double>()));
    EXPECT_EQ(window.resultField(13), displayNumber(shown["maxStress"].get<double>()));
    for (const auto& floor : json["floors"])
        EXPECT_EQ(project->floorResult(floor["level"]).safetyX.number(),
                  floor["safetyX"].is_number() ? floor["safetyX"].get<double>() : 0.0);
    EXPECT_EQ(project->failureList(FailureKind::shear).str(), json["shearFailList"].get<std::string>());

    // The results window reads out the same three lists, entry by entry.
    shell.showWorkWindow(WorkWindowId::risultati);
    ResultsWindow& results = shell.resultsWindow();
    for (int box = 1; box <= 3; ++box) {
        const auto& expected = json[std::string(kBuildingTexts[box - 1].name)].get<std::string>();
        EXPECT_EQ(accessibleRows(results.findChild<QWidget*>(QStringLiteral("comm%1").arg(box))).join("").toStdString(),
                  expected)
            << box;
        EXPECT_EQ(results.failureList(box).toStdString(), expected);
    }
}

} // namespace
} // namespace calvex::testing
