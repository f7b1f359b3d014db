// What assistive technology hears of the windows, through Qt's
// accessibility interfaces: fields by their caption, values by their text.

#include <QAccessible>
#include <QLabel>

#include "engine/test_building.h"
#include "windows/general_data_window.h"
#include "windows/results_window.h"
#include "windows/wall_check_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

// The text of the control that labels this one, or "" without one.
QString labelledBy(QObject* object) {
    const auto labels = accessible(object)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

class AccessibilityTest : public WindowTest {
protected:
    // A value display says its value and is labelled by its caption.
    static void expectValueField(QWidget* field, const QString& shown) {
        ASSERT_NE(field, nullptr);
        EXPECT_FALSE(shown.isEmpty()) << field->objectName().toStdString();
        EXPECT_EQ(accessible(field)->text(QAccessible::Name), shown) << field->objectName().toStdString();
        const QString caption = labelledBy(field);
        EXPECT_FALSE(caption.isEmpty()) << field->objectName().toStdString();
        EXPECT_NE(caption, shown);
    }
};

TEST_F(AccessibilityTest, DropDownsByTheirCaptionAndTheHintByItsText) {
    GeneralDataWindow& general = shell.generalWindow();
    type(general, "grado", "9");
    for (const auto& [name, caption, value] : {std::tuple{"grado", "Grado di sismicità", "9"},
                                               {"riduz", "Coefficiente di riduzione dei sovraccarichi", "0.33"},
                                               {"protez", "Coefficiente di protezione sismica", "1.0"}}) {
        QAccessibleInterface* combo = accessible(general.findChild<QWidget*>(name));
        EXPECT_EQ(combo->role(), QAccessible::ComboBox);
        EXPECT_EQ(combo->text(QAccessible::Name), QString::fromUtf8(caption));
        EXPECT_EQ(combo->text(QAccessible::Value), value);
        EXPECT_TRUE(labelledBy(general.findChild<QWidget*>(name)).contains(QString::fromUtf8(caption)));
    }

    QLabel* hint = general.findChild<QLabel*>("passo");
    EXPECT_EQ(accessible(hint)->text(QAccessible::Name), general.hintText());
    type(general, "np", "2");
    EXPECT_EQ(accessible(hint)->text(QAccessible::Name), general.hintText());
}

TEST_F(AccessibilityTest, ResultValuesAndMapCellsSayTheirTexts) {
    // Walls 6 m long with a low tau: the lower storeys fail in shear.
    TestBuilding building(14, 2, 2);
    for (int s = 1; s <= 14; ++s) {
        building.storey(s, "3", "1.8");
        for (int w = 1; w <= 2; ++w) {
            building.wall(s, w,
                          {.dimx = "6",
                           .dimy = "0.4",
                           .ascissa = "3",
                           .ordinata = std::to_string(5 * w - 5),
                           .tauk = "20",
                           .sigma = "2500",
                           .solai = "10"});
            building.wall(s, w + 2,
                          {.dimx = "0.4",
                           .dimy = "6",
                           .ascissa = std::to_string(6 * w - 6),
                           .ordinata = "3",
                           .tauk = "20",
                           .sigma = "2500",
                           .solai = "10"});
        }
    }
    *project = *building.project;
    WallDataWindow& walls = shell.wallWindow();
    walls.showStoreyAndWall(1, 2);
    ASSERT_TRUE(project->resultsCurrent());
    for (int i = 1; i <= 14; ++i)
        expectValueField(walls.findChild<QLabel*>(QStringLiteral("risultati%1").arg(i)), walls.resultField(i));

    ResultsWindow& results = shell.resultsWindow();
    results.setStoreySelector(1);
    for (int row = 1; row <= 7; ++row)
        expectValueField(results.findChild<QLabel*>(QStringLiteral("generali%1").arg(row)), results.generalValue(row));
    for (int item = 1; item <= 14; ++item)
        expectValueField(results.findChild<QLabel*>(QStringLiteral("rispiani%1").arg(item)), results.storeyItem(item));

    auto& map = static_cast<WallCheckWindow&>(*shell.showWorkWindow(WorkWindowId::controllasetti));
    map.setSelectors(1, 2);
    map.showWall();
    ASSERT_FALSE(map.rowText(1, 1).isEmpty());
    QStringList heard;
    for (QLabel* cell : map.findChildren<QLabel*>())
        if (cell->frameStyle() == (QFrame::Panel | QFrame::Sunken)) heard << accessible(cell)->text(QAccessible::Name);
    for (int row = 1; row <= 10; ++row) {
        EXPECT_TRUE(heard.contains(map.rowText(row, 0)));
        EXPECT_TRUE(heard.contains(map.rowText(row, 1))) << row;
    }
}

} // namespace
} // namespace calvex::testing
