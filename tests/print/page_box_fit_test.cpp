#include "print/printouts/general_printouts.h"
#include "print/printouts/results_printouts.h"
#include "print/printouts/title_page_printout.h"
#include "print/printouts/wall_printouts.h"
#include "print/report/report_printout.h"
#include "support/recording_device.h"

#include "engine/test_building.h"
#include "rules/general_entry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

namespace calvex {
namespace {

using testing::RecordingDevice;
using testing::TestBuilding;
using testing::WallTexts;

// The largest building: 20 storeys of 50 X walls and 50 Y walls.
TestBuilding makeLargestBuilding() {
    TestBuilding building(20, 50, 50);
    for (int storey = 1; storey <= 20; ++storey) {
        building.storey(storey, "3", "1.8");
        for (int wall = 1; wall <= 100; ++wall) {
            const bool x = wall <= 50;
            const std::string position = std::to_string(wall % 50);
            building.wall(storey, wall,
                          WallTexts{x ? "4" : "0.3", x ? "0.3" : "4", x ? position : "25", x ? "20" : position});
        }
    }
    EXPECT_TRUE(building.run().complete);
    ProjectData& project = *building.project;
    project.setTitle(TitleField::progetto, "Edificio residenziale di venti piani in muratura portante");
    project.setTitle(TitleField::localita, "Citt\u00e0 di Castello (PG), via dei Tigli 4");
    project.setTitle(TitleField::luogo, "Perugia");
    project.setTitle(TitleField::data, "12 marzo 2024");
    project.setTitle(TitleField::allegati, "tavole strutturali; relazione geologica");
    return building;
}

int codePoints(const std::string& text) {
    return static_cast<int>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

int pageWith(const RecordingDevice& device, const std::string& text) {
    for (const auto& item : device.texts())
        if (item.text == text) return item.page;
    return 0;
}

// Lines of table-size texts on a page, less the two heading lines.
int tableRowsOn(const RecordingDevice& device, int page) {
    std::set<int> tops;
    for (const auto& item : device.textsOnPage(page))
        if (item.size == 8) tops.insert(item.y);
    return static_cast<int>(tops.size()) - 2;
}

bool isFooter(const RecordingDevice::Item& item) { return item.y == 15800 && item.x >= 9800; }

// Every text inside the page box, every line above the footer, no page
// started by the device itself (its texts would begin at the very top),
// and, when the printout is paged, one footer on every page from the
// first numbered one on.
void expectFitsThePageBox(const RecordingDevice& device, const std::string& printout, int firstNumberedPage) {
    std::map<int, int> footers;
    std::map<int, int> firstY;
    for (const auto& item : device.texts()) {
        const int characterWidth = static_cast<int>(std::lround(item.size * (item.font == "Courier New" ? 12 : 10)));
        const int pitch = static_cast<int>(std::lround(item.size * linePitchTwipsPerPoint));
        EXPECT_LE(item.x + codePoints(item.text) * characterWidth, pageBoxWidth)
            << printout << ", page " << item.page << ": " << item.text;
        if (isFooter(item)) {
            if (item.text == "pagina ") ++footers[item.page];
            continue;
        }
        EXPECT_LE(item.y + pitch, 15800) << printout << ", page " << item.page << ": " << item.text;
        if (!firstY.contains(item.page)) firstY[item.page] = item.y;
    }
    for (const auto& [page, y] : firstY) EXPECT_GE(y, 800) << printout << ", page " << page;
    if (firstNumberedPage == 0) return;
    const int pages = device.texts().back().page;
    for (int page = firstNumberedPage; page <= pages; ++page)
        EXPECT_EQ(footers[page], 1) << printout << ", page " << page;
}

TEST(PageBoxFit, EveryPrintoutOfTheLargestBuildingFitsItsSheets) {
    TestBuilding building = makeLargestBuilding();
    const ProjectData& project = *building.project;
    const auto number = [](double value) { return shortestNumberText(value); };
    const auto print = [](const std::function<void(TextDevice&)>& printout) {
        RecordingDevice device;
        printout(device);
        return device;
    };

    const RecordingDevice report = print([&](TextDevice& device) {
        report::printCalculationReport(device, project, "Studio Tecnico Associato Rossi e Bianchi",
                                       "via Garibaldi 7, 06012 Citt\u00e0 di Castello (PG)");
    });
    expectFitsThePageBox(report, "report", 2);
    // The wall table starts below its legend: its first page fills up
    // before the line count breaks it; the next page holds the full count.
    const int wallSection = pageWith(report, "B) DATI DEI SETTI");
    EXPECT_LT(tableRowsOn(report, wallSection), 81);
    EXPECT_EQ(tableRowsOn(report, wallSection + 1), 82);
    // The long signature ends on the page, moved left from column 50.
    const auto closing = report.textsOnPage(pageWith(report, "il calcolatore"));
    const auto signature =
        std::find_if(closing.begin(), closing.end(), [](const auto& item) { return item.text.starts_with("(Studio"); });
    ASSERT_NE(signature, closing.end());
    EXPECT_LT(signature->column, 50);

    const RecordingDevice wallsToModify =
        print([&](TextDevice& d) { printouts::printWallsToModify(d, project, number); });
    expectFitsThePageBox(wallsToModify, "walls to modify", 1);
    // On the sheet the breaks are those of the line count: 81, then 85.
    EXPECT_EQ(wallsToModify.pageEnds(), 1 + (2000 - 81 + 84) / 85);

    const RecordingDevice wallTables =
        print([&](TextDevice& d) { printouts::printWallDataAndResults(d, project, number); });
    expectFitsThePageBox(wallTables, "wall data and results", 1);
    EXPECT_EQ(wallTables.pageEnds(), (1 + (2000 - 59 + 84) / 85) + (1 + (2000 - 56 + 81) / 82));

    const GeneralFieldTexts texts{.grado = "12", .np = "20", .numsetx = "50", .numsety = "50"};
    const RecordingDevice unpaged[] = {
        print([&](TextDevice& d) { printouts::printGeneralDataTemplate(d, number); }),
        print([&](TextDevice& d) { printouts::printGeneralDataTable(d, project, texts, number); }),
        print([&](TextDevice& d) { printouts::printResultsTable(d, project, number); }),
        print([&](TextDevice& d) { printouts::printWallTemplate(d); }),
        print([&](TextDevice& d) { printouts::printTitlePageData(d, project, "Studio Tecnico Rossi", "via Roma 1"); }),
    };
    for (const auto& device : unpaged) {
        expectFitsThePageBox(device, "unpaged printout", 0);
        EXPECT_EQ(device.pageEnds(), 0);
    }
}

} // namespace
} // namespace calvex
