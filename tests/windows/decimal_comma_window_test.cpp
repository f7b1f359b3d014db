#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include "engine/result_listing.h"
#include "model/archive.h"
#include "model/numeric_text.h"
#include "windows/general_data_window.h"
#include "windows/results_window.h"
#include "windows/title_page_window.h"
#include "windows/wall_data_window.h"
#include "windows/window_fixture.h"

namespace calvex::testing {
namespace {

void typeInto(QWidget& window, std::string_view field, const QString& text) {
    const QString name = QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
    if (auto* combo = window.findChild<QComboBox*>(name)) return combo->setEditText(text);
    window.findChild<QLineEdit*>(name)->setText(text);
}

// A program of its own: the example building typed into its windows, every
// count as "n.0", with points or with every point typed as a comma.
struct TypedProgram {
    ScriptedPlatform platform;
    ProjectData project;
    Shell shell{platform, project, {"Studio", "Via Roma 1, 00100 Roma", "."}};

    TypedProgram(const ProjectData& reference, bool commas) {
        auto text = [commas](const FieldValue& value, bool count = false) {
            const std::string typed = value.fieldText() + (count ? ".0" : "");
            return QString::fromStdString(commas ? pointsToCommas(typed) : typed);
        };
        GeneralDataWindow& general = shell.generalWindow();
        for (GeneralField f : kGeneralEntryOrder) {
            const bool count = f == GeneralField::np || f == GeneralField::numsetx || f == GeneralField::numsety;
            typeInto(general, kGeneralFieldNames[static_cast<int>(f)], text(reference.general(f), count));
        }
        for (int s = 1; s <= reference.storeyCount(); ++s) {
            general.showStorey(s);
            for (int f = 0; f < kFloorFieldCount; ++f)
                typeInto(general, kFloorFieldNames[f], text(reference.floor(s, static_cast<FloorField>(f))));
        }
        general.goAhead();
        WallDataWindow& walls = shell.wallWindow();
        for (int s = 1; s <= reference.storeyCount(); ++s)
            for (int w = 1; w <= reference.wallCount(); ++w) {
                walls.showStoreyAndWall(s, w);
                for (int f = 0; f < kWallFieldCount; ++f)
                    walls.findChild<QLineEdit*>(QStringLiteral("datisismici%1").arg(f + 1))
                        ->setText(text(reference.wall(s, w, static_cast<WallField>(f))));
            }
        walls.showStoreyAndWall(1, 1);
    }

    // Every printout of the windows, then the report printed and as a document.
    void printEverything() {
        platform.clearRecords();
        for (WorkWindowId id :
             {WorkWindowId::dati, WorkWindowId::sismica, WorkWindowId::risultati, WorkWindowId::controllasetti})
            shell.showWorkWindow(id)->findChild<QAction*>("solodati")->trigger();
        TitlePageWindow& title = shell.titlePageWindow();
        for (const char* form : {"comestampo2", "comestampo1"}) {
            title.findChild<QRadioButton*>(form)->click();
            platform.answers.push_back(MessageAnswer::yes); // the example is not verified
            title.findChild<QAction*>("stampatutto")->trigger();
        }
    }

    // What was printed and written, item by item, with the separators of the
    // texts as held (`riduz` and `protez` are printed as typed) read alike.
    std::vector<std::string> output() const {
        std::vector<std::string> lines;
        for (const auto& printout : platform.printouts)
            for (const auto& item : printout)
                lines.push_back(std::to_string(item.page) + " " + std::to_string(item.x) + " " +
                                std::to_string(item.y) + " " + commasToPoints(item.text));
        for (const auto& document : platform.documents) {
            for (const auto& paragraph : document->paragraphs()) lines.push_back(commasToPoints(paragraph.text));
            for (const auto& table : document->tables())
                for (const auto& row : table.cells)
                    for (const auto& cell : row) lines.push_back(commasToPoints(cell));
        }
        return lines;
    }
};

TEST(DecimalCommaWindows, ABuildingTypedWithCommasComputesAndPrintsAsWithPoints) {
    ProjectData reference;
    ASSERT_TRUE(readArchiveFile(CALVEX_SOURCE_DIR "/examples/Calvex-dati-esempio", reference).complete);
    TypedProgram points(reference, false);
    TypedProgram commas(reference, true);
    ASSERT_EQ(commas.project.general(GeneralField::riduz), FieldValue::text("0,33"));
    ASSERT_EQ(commas.project.wall(1, 1, WallField::dimy), FieldValue::text("0,4"));
    ASSERT_TRUE(points.project.resultsCurrent());
    ASSERT_TRUE(commas.project.resultsCurrent());
    EXPECT_GT(points.project.building().totalWeight.number(), 0);
    EXPECT_EQ(resultLines(commas.project), resultLines(points.project));

    points.printEverything();
    commas.printEverything();
    EXPECT_EQ(points.platform.printouts.size(), 5u);
    EXPECT_EQ(points.platform.documents.size(), 1u);
    EXPECT_EQ(commas.platform.messages.size(), points.platform.messages.size());
    EXPECT_EQ(commas.output(), points.output());
}

} // namespace
} // namespace calvex::testing
