// What assistive technology hears of the windows, through Qt's
// accessibility interfaces: fields by their caption, values by their text.

#include <QAccessible>
#include <QComboBox>
#include <QFileDialog>
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

// The choices the list child of a drop-down reads out, checking that the
// list knows the drop-down as its parent.
QStringList choicesHeard(QComboBox* combo) {
    QAccessibleInterface* box = accessible(combo);
    for (int i = 0; i < box->childCount(); ++i) {
        QAccessibleInterface* list = box->child(i);
        if (!list || list->role() != QAccessible::List) continue;
        EXPECT_EQ(list->parent(), box);
        EXPECT_EQ(box->indexOfChild(list), i);
        QStringList choices;
        for (int row = 0; row < list->childCount(); ++row) choices << list->child(row)->text(QAccessible::Name);
        return choices;
    }
    return {};
}

QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    return items;
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
        auto* widget = general.findChild<QComboBox*>(name);
        QAccessibleInterface* combo = accessible(widget);
        EXPECT_EQ(combo->role(), QAccessible::ComboBox);
        EXPECT_EQ(combo->text(QAccessible::Name), QString::fromUtf8(caption));
        EXPECT_EQ(combo->text(QAccessible::Value), value);
        EXPECT_TRUE(labelledBy(widget).contains(QString::fromUtf8(caption)));
        EXPECT_GT(widget->count(), 1) << name;
        EXPECT_EQ(choicesHeard(widget), itemsOf(widget)) << name;
    }

    QLabel* hint = general.findChild<QLabel*>("passo");
    EXPECT_EQ(accessible(hint)->text(QAccessible::Name), general.hintText());
    type(general, "np", "2");
    EXPECT_EQ(accessible(hint)->text(QAccessible::Name), general.hintText());
}

TEST_F(AccessibilityTest, TheFileTypeListOfTheFileDialogsByItsCaptionWithItsChoices) {
    // The dialogs open from the work windows, the general data window first.
    shell.generalWindow();
    QFileDialog dialog(nullptr, QStringLiteral("Apri"), QString(),
                       QStringLiteral("Archivi (Calvex-dati-*);;Tutti i file (*)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    // Its caption is no label's buddy: it stands on its left.
    auto* caption = dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
    ASSERT_NE(caption, nullptr);
    ASSERT_FALSE(caption->text().isEmpty());
    EXPECT_EQ(accessible(types)->text(QAccessible::Name), caption->text().remove(u'&'));
    EXPECT_EQ(accessible(types)->text(QAccessible::Value), QStringLiteral("Archivi (Calvex-dati-*)"));
    EXPECT_EQ(choicesHeard(types), (QStringList{"Archivi (Calvex-dati-*)", "Tutti i file (*)"}));
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
    for (const char* list : {"comm1", "comm2", "comm3"})
        EXPECT_EQ(accessible(results.findChild<QWidget*>(list))->text(QAccessible::Description),
                  "elenco degli eventuali setti da modificare");

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
