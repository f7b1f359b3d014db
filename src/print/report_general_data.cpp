#include "model/numeric_text.h"
#include "print/page_breaker.h"
#include "print/page_frame.h"
#include "print/report_lines.h"
#include "print/report_sections.h"
#include "print/wall_table_parts.h"

#include <algorithm>
#include <array>
#include <string>

namespace calvex::report {

namespace {

constexpr int valueColumn = 57;

constexpr std::array<ColumnText, 7> headings{{
    {9, "piano"}, {17, "peso sp.muro"}, {33, "carichi solai"}, {49, "sovracc.solai"},
    {65, "carichi sbalzi"}, {82, "sovracc.sbalzi"}, {99, "altezza lorda"},
}};
constexpr std::array<ColumnText, 7> units{{
    {11, "n."}, {21, "t/mc"}, {37, "t/mq"}, {53, "t/mq"}, {70, "t/mq"}, {87, "t/mq"}, {105, "m"},
}};

// The storey values in the order of the columns, with their widths.
constexpr std::array<std::pair<FloorField, int>, kFloorFieldCount> valueColumns{{
    {FloorField::specifico, 12}, {FloorField::permsolai, 16}, {FloorField::accsolai, 16},
    {FloorField::permsbalzi, 17}, {FloorField::accsbalzi, 17}, {FloorField::hp, 17},
}};

void printHeadings(TextDevice& device)
{
    printColumnLine(device, headings);
    printColumnLine(device, units);
}

// The number read from the value, printed from the value column less the
// given length.
void printNumberBefore(TextDevice& device, const FieldValue& value, std::size_t length)
{
    device.jumpToColumn(std::max(1, valueColumn - static_cast<int>(length)));
    device.printNumber(value.typedNumber());
}

std::size_t wholePartLength(const std::string& text)
{
    return std::min(text.find_first_of(".,"), text.size());
}

void printGeneralLines(TextDevice& device, const ProjectData& project)
{
    const auto caption = [&device](std::string_view text) { device.printAtColumn(frame::headingColumn, text); };
    const auto text = [&project](GeneralField field) { return project.general(field).fieldText(); };
    const auto numberLine = [&](GeneralField field, std::size_t length) {
        printNumberBefore(device, project.general(field), length);
        device.endLine();
    };

    caption("grado di sismicit\u00e0......................... =");
    numberLine(GeneralField::grado, text(GeneralField::grado).size());
    caption("coefficiente di struttura.................. =");
    numberLine(GeneralField::strutt, wholePartLength(text(GeneralField::strutt)));
    caption("coefficiente di riduzione dei sovraccarichi =");
    printLineAt(device, valueColumn, text(GeneralField::riduz));
    caption("coefficiente di protezione sismica......... =");
    printLineAt(device, valueColumn, text(GeneralField::protez));
    caption("numero massimo dei piani................... =");
    numberLine(GeneralField::np, text(GeneralField::np).size());
    caption("numero massimo dei setti in direzione X.... =");
    numberLine(GeneralField::numsetx, text(GeneralField::numsetx).size());
    caption("numero massimo dei setti in direzione Y.... =");
    numberLine(GeneralField::numsety, text(GeneralField::numsety).size());
}

}  // namespace

void printGeneralData(TextDevice& device, const ProjectData& project)
{
    device.setFontSize(16);
    device.endLine();
    printSectionHeading(device, "A) DATI GENERALI");
    printGeneralLines(device, project);
    device.endLine();

    PageBreaker breaker(device, reportStoreyTableBreaks, printHeadings);
    breaker.printHeadings();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) {
        breaker.beforeRow();
        printNumberEndingAt(device, 11, storey);
        for (const auto& [field, width] : valueColumns)
            device.printText(formatFixed2(project.floorNumber(storey, field), width));
        device.endLine();
    }
    breaker.close();
}

}  // namespace calvex::report
