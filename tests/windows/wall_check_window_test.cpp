#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "engine/test_building.h"
#include "windows/general_data_window.h"
#include "windows/wall_check_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

class WallCheckWindowTest : public WindowTest {
protected:
    WallCheckWindow& window = static_cast<WallCheckWindow&>(*shell.showWorkWindow(WorkWindowId::controllasetti));

    // A computed building of walls 6 m long, X walls stacked along Y and Y
    // walls along X; with tau 20 the storeys below the upper third fail in
    // shear, with tau 60 every wall stands.
    TestBuilding& compute(int storeys, const std::string& tauk, int xWalls = 2, int yWalls = 2) {
        building = std::make_unique<TestBuilding>(storeys, xWalls, yWalls);
        for (int s = 1; s <= storeys; ++s) {
            building->storey(s, "3", "1.8");
            for (int w = 1; w <= xWalls; ++w)
                building->wall(s, w,
                               {.dimx = "6",
                                .dimy = "0.4",
                                .ascissa = "3",
                                .ordinata = std::to_string(5 * w - 5),
                                .tauk = tauk,
                                .sigma = "2500",
                                .solai = "10"});
            for (int w = 1; w <= yWalls; ++w)
                building->wall(s, xWalls + w,
                               {.dimx = "0.4",
                                .dimy = "6",
                                .ascissa = std::to_string(6 * w - 6),
                                .ordinata = "3",
                                .tauk = tauk,
                                .sigma = "2500",
                                .solai = "10"});
        }
        return *building;
    }
    void load() {
        ASSERT_TRUE(building->run().complete);
        *project = *building->project;
    }
    QColor markColour() const { return window.findChild<QLabel*>("modifica")->palette().color(QPalette::WindowText); }
    QString shear(int storey, int wall) const {
        return QString::fromStdString(project->wallResult(storey, wall).shearCheckText.str());
    }

    std::unique_ptr<TestBuilding> building;
};

TEST_F(WallCheckWindowTest, FirstShownWithoutRefreshAndItsFixedTexts) {
    EXPECT_EQ(window.windowTitle(), "Calvex: controllo dei setti da modificare");
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(window.rowText(row, 0), QString::number(row));
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(window.rowText(row, column), "");
    }
    EXPECT_EQ(window.wallCaption(), "Setto n.");
    EXPECT_EQ(window.wallMark(), "");
    auto* storeys = window.findChild<QScrollBar*>("VScroll1");
    auto* walls = window.findChild<QScrollBar*>("HScroll1");
    EXPECT_EQ(std::tuple(storeys->minimum(), storeys->maximum(), storeys->value()), std::tuple(1, 11, 1));
    EXPECT_EQ(std::tuple(walls->minimum(), walls->maximum(), walls->value(), walls->pageStep()),
              std::tuple(1, 100, 1, 5));
    EXPECT_TRUE(window.action(Command::controllodat)->isEnabled());
    EXPECT_FALSE(window.action(Command::cancella)->isEnabled());

    const std::array<std::pair<const char*, const char*>, 3> headers{{
        {"cmdtaglio", "forza ultima tagliante < forza orizz.agente"},
        {"cmdsigma", "sigma ammissibile < sigma di lavoro"},
        {"cmdsez", "sezione parzializzata"},
    }};
    for (const auto& [name, caption] : headers) {
        auto* button = window.findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->toolTip(), "cliccare per avere dei suggerimenti sulle modifiche da apportare");
        EXPECT_EQ(button->palette().color(QPalette::Button), QColor(255, 255, 0));
        button->click();
        EXPECT_EQ(platform.messages.back().request.title, "Calvex: aiuto in linea");
        EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::information);
    }
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_TRUE(platform.messages[0].request.text.startsWith("Aumentare il tau del setto, con interventi"));
    EXPECT_EQ(platform.messages[1].request.text,
              QString::fromUtf8("Biosogna aumentare la capacità portante del setto o diminuire i carichi gravanti: il "
                                "problema si verifica anche quando il setto è troppo alto."));
    EXPECT_TRUE(platform.messages[2].request.text.endsWith("rispetto al corrispondente del piano superiore."));

    window.showWindowHelp();
    const QStringList lines = lastMessage().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[2],
              "- cliccare sulla barra di scorrimento orizzontale per visualizzare gli altri setti da modificare;");
}

TEST_F(WallCheckWindowTest, NoDataEntered) {
    window.setStoreySelector(2);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Attenzione: non risultano inseriti i dati.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::critical);
    EXPECT_EQ(platform.messages.back().request.title, "Calvex: controllo dati immessi nella finestra attiva");
    EXPECT_EQ(window.rowText(1, 0), "1");
    window.setWallSelector(2);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(window.wallCaption(), "Setto n.");
    EXPECT_EQ(project->currentWall, 1);
}

TEST_F(WallCheckWindowTest, StoreySelectorBeyondThreeStoreys) {
    compute(3, "20");
    load();
    project->wallResults(4).shearCheckText[1].set(1, 2); // left over above the top storey
    window.setSelectors(1, 1);
    window.showWall();
    window.setStoreySelector(4);
    EXPECT_EQ(window.findChild<QScrollBar*>("VScroll1")->value(), 3);
    EXPECT_EQ(project->currentFloor, 3);
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(window.rowText(row, 0), QString::number(row + 2));
    for (int row = 2; row <= 10; ++row)
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(window.rowText(row, column), "") << row;
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Non vi sono altri piani.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::exclamation);
}

TEST_F(WallCheckWindowTest, RowsOfFourteenStoreys) {
    compute(14, "20");
    load();
    project->wallResults(16).sigmaCheckText[2].set(1, 2);
    window.setSelectors(1, 2);
    window.showWall();
    window.setStoreySelector(5);
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(window.rowText(row, 0), QString::number(row + 4));
        EXPECT_EQ(window.rowText(row, 1), shear(row + 4, 2));
    }
    EXPECT_EQ(window.rowText(1, 1), "tonn. 90 < tonn. 124");
    EXPECT_EQ(window.rowText(6, 1), "tonn. 72 < tonn. 76");
    EXPECT_EQ(project->currentFloor, 5);

    window.findChild<QScrollBar*>("VScroll1")->setValue(11);
    EXPECT_TRUE(platform.messages.empty());
    for (int row = 1; row <= 10; ++row) EXPECT_EQ(window.rowText(row, 0), QString::number(row + 10));
    for (int row = 5; row <= 10; ++row)
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(window.rowText(row, column), "") << row;
}

TEST_F(WallCheckWindowTest, DirectionCaptionsAndWallSelector) {
    compute(1, "60", 4, 3);
    load();
    window.setWallSelector(5);
    EXPECT_EQ(window.wallCaption(), "Setto n. 5 (direzione Y)");
    EXPECT_EQ(project->currentWall, 5);
    window.setWallSelector(4);
    EXPECT_EQ(window.wallCaption(), "Setto n. 4 (direzione X)");
    EXPECT_TRUE(platform.messages.empty());

    window.findChild<QScrollBar*>("HScroll1")->setValue(8);
    EXPECT_EQ(window.findChild<QScrollBar*>("HScroll1")->value(), 7);
    EXPECT_EQ(window.wallCaption(), "Setto n. 7 (direzione Y)");
    EXPECT_EQ(project->currentWall, 7);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), "Non vi sono altri setti.");
    EXPECT_EQ(platform.messages.back().request.icon, MessageIcon::exclamation);
}

TEST_F(WallCheckWindowTest, WallMarks) {
    compute(12, "60").wall(
        12, 2,
        {.dimx = "6", .dimy = "0.4", .ascissa = "3", .ordinata = "5", .tauk = "60", .sigma = "10", .solai = "10"});
    load();
    window.setSelectors(1, 2);
    window.showWall();
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(window.rowText(row, column), "") << row;
    EXPECT_EQ(window.wallMark(), "modificare");
    EXPECT_EQ(markColour(), QColor(255, 0, 0));

    window.setWallSelector(1);
    EXPECT_EQ(window.wallMark(), "corretto");
    EXPECT_EQ(markColour(), QColor(0, 0, 255));
    window.setStoreySelector(3);
    EXPECT_EQ(window.rowText(10, 2), "");
    window.setWallSelector(2);
    EXPECT_EQ(window.rowText(10, 2), "tonn. 10 < tonn. 14");
}

TEST_F(WallCheckWindowTest, CheckDataStartsWithTheGeneralWindow) {
    window.action(Command::controllodat)->trigger();
    EXPECT_TRUE(shell.generalWindow().isVisible());
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(lastMessage(), "I dati sono stati immessi correttamente.");
}

} // namespace
} // namespace calvex::testing
