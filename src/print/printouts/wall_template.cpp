#include "print/printouts/wall_printouts.h"

#include "print/device/page_frame.h"

#include <array>
#include <string_view>

namespace calvex::printouts {

namespace {

constexpr std::array<std::string_view, 12> legendLines{
    "piano   = numero del piano",
    "setto   = numero del setto",
    "dimx    = dimensione del setto nella direzione X",
    "dimy    = dimensione del setto nella direzione Y",
    "ascissa = ascissa del baricentro del setto rispetto agli assi di riferimento",
    "ordin.  = ordinata del baricentro del setto rispetto agli assi di riferimento",
    "tir.v.  = forza dovuta ai tiranti verticali posti nel setto",
    "tir.o.  = forza dovuta ai tiranti orizzontali posti nel setto",
    "tauk    = tensione tangenziale ammissibile nella muratura",
    "sigma   = sigma ammissibile nella muratura",
    "solai   = superficie dei solai del piano gravanti sul setto",
    "sbalzi  = superficie degli sbalzi del piano gravanti sul setto",
};

constexpr int tableColumn = 9;
constexpr int blankRows = 30;

constexpr std::string_view headingLine =
    "piano    setto    dimx     dimy     ascissa  ordin.   tir.v.   tir.o.   tauk     sigma    solai    sbalzi";
constexpr std::string_view unitLine =
    "  n        n       m        m          m       m        t        t      t/mq     t/mq      mq        mq";
constexpr std::string_view blankRow =
    "______   ______   ______   ______   _______  ______   ______   ______   ______   ______   ______   ______";

void printLine(TextDevice& device, int column, std::string_view text) {
    device.printAtColumn(column, text);
    device.endLine();
}

} // namespace

void printWallTemplate(TextDevice& device) {
    printTitleLine(device);
    device.endLine();
    printLine(device, frameHeadingColumn, "ACQUISIZIONE DATI PER LA VERIFICA");
    device.endLine();
    printLine(device, frameHeadingColumn, "Legenda:");
    device.endLine();
    for (std::string_view line : legendLines) printLine(device, frameHeadingColumn, line);
    device.endLine();
    device.endLine();
    printLine(device, frameHeadingColumn, "Progetto: __________________________________________");
    device.endLine();

    device.setFontSize(frameTableSize);
    printLine(device, tableColumn, headingLine);
    printLine(device, tableColumn, unitLine);
    device.endLine();
    for (int row = 0; row < blankRows; ++row) {
        printLine(device, tableColumn, blankRow);
        device.endLine();
    }
    device.endDocument();
}

} // namespace calvex::printouts
