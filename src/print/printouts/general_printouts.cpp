#include "print/printouts/general_printouts.h"

#include "model/numeric_text.h"
#include "print/device/page_frame.h"
#include "print/tables/printout_lines.h"
#include "print/tables/storey_table_parts.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace calvex::printouts {

namespace {

using tables::emptyLines;
using tables::headingLine;

constexpr int kTemplateStoreys = 20;
constexpr int kStoreyColumnEnd = 11;
constexpr int kValueColumn = 57;

void printHeading(TextDevice& device, std::string_view heading) {
    emptyLines(device, 2);
    headingLine(device, heading);
    emptyLines(device, 3);
}

void printTemplateGeneralLines(TextDevice& device) {
    constexpr std::array<std::string_view, 7> lines{
        "grado di sismicit\u00e0......................... = __________",
        "coefficiente di struttura.................. = __________",
        "coefficiente di riduzione dei sovraccarichi = __________",
        "coefficiente di protezione sismica......... = __________",
        "numero massimo dei piani................... = __________",
        "numero massimo dei setti in direzione X.... = __________",
        "numero massimo dei setti in direzione Y.... = __________",
    };
    for (std::string_view line : lines) {
        headingLine(device, line);
        device.endLine();
    }
}

// The number read from a field's text, printed so that the last of
// `alignedLength` characters falls on the value column.
void printValueEndingAtValueColumn(TextDevice& device, const std::string& text, std::size_t alignedLength) {
    device.jumpToColumn(std::max(1, kValueColumn - static_cast<int>(alignedLength)));
    device.printNumber(readTypedNumber(text));
}

std::size_t wholePartLength(const std::string& text) { return std::min(text.find_first_of(".,"), text.size()); }

void printTableGeneralLines(TextDevice& device, const GeneralFieldTexts& texts) {
    const auto caption = [&device](std::string_view text) { device.printAtColumn(frameHeadingColumn, text); };
    const auto endValue = [&device] { emptyLines(device, 2); };

    caption("grado di sismicit\u00e0......................... =");
    printValueEndingAtValueColumn(device, texts.grado, texts.grado.size());
    endValue();
    caption("coefficiente di struttura.................. =");
    printValueEndingAtValueColumn(device, texts.strutt, wholePartLength(texts.strutt));
    endValue();
    caption("coefficiente di riduzione dei sovraccarichi =");
    device.printAtColumn(kValueColumn, texts.riduz);
    endValue();
    caption("coefficiente di protezione sismica......... =");
    device.printAtColumn(kValueColumn, texts.protez);
    endValue();
    caption("numero massimo dei piani................... =");
    printValueEndingAtValueColumn(device, texts.np, texts.np.size());
    endValue();
    caption("numero massimo dei setti in direzione X.... =");
    printValueEndingAtValueColumn(device, texts.numsetx, texts.numsetx.size());
    endValue();
    caption("numero massimo dei setti in direzione Y.... =");
    printValueEndingAtValueColumn(device, texts.numsety, texts.numsety.size());
    endValue();
}

} // namespace

void printGeneralDataTemplate(TextDevice& device, const TextDevice::NumberFormatter& formatNumber) {
    device.setNumberFormatter(formatNumber);
    printTitleLine(device);
    printHeading(device, "ACQUISIZIONE DATI GENERALI");
    printTemplateGeneralLines(device);
    device.endLine();
    headingLine(device, "Riferimento della verifica: __________________________________________");
    device.endLine();

    device.setFontSize(frameTableSize);
    device.printAtColumn(9,
                         "piano   peso sp.muro    carichi solai   sovracc.solai   carichi sbalzi   "
                         "sovracc.sbalzi   altezza lorda");
    device.endLine();
    device.printAtColumn(9,
                         "  n.        t/mq            t/mq            t/mq             t/mq            "
                         "t /mq              m");
    device.endLine();
    device.endLine();
    for (int storey = 1; storey <= kTemplateStoreys; ++storey) {
        printNumberEndingAt(device, kStoreyColumnEnd, storey);
        device.printAtColumn(17,
                             "_____________   _____________   _____________   ______________   "
                             "______________   _____________");
        device.endLine();
        device.endLine();
    }
    device.endDocument();
}

void printGeneralDataTable(TextDevice& device, const ProjectData& project, const GeneralFieldTexts& texts,
                           const TextDevice::NumberFormatter& formatNumber) {
    device.setNumberFormatter(formatNumber);
    printTitleLine(device);
    printHeading(device, "DATI GENERALI");
    printTableGeneralLines(device, texts);
    device.endLine();
    printProjectLine(device, project.title(TitleField::progetto));
    device.endLine();

    device.setFontSize(frameTableSize);
    tables::printStoreyDataHeadings(device);
    device.endLine();
    for (int storey = 1; storey <= project.storeyCount(); ++storey) tables::printStoreyDataRow(device, project, storey);
    device.endDocument();
}

} // namespace calvex::printouts
