#include "print/printouts/wall_tables.h"

#include "print/device/page_breaker.h"
#include "print/tables/wall_table_parts.h"

#include <array>

namespace calvex::printouts {

namespace {

constexpr TableBreakRule dataTableBreaks{85, 1000, true};
constexpr int firstPageLineCount = 25;

constexpr std::array<tables::LegendEntry, 12> legend{{
    {"piano", "= numero del piano"},
    {"setto", "= numero del setto"},
    {"dimx", "= dimensione del setto nella direzione X"},
    {"dimy", "= dimensione del setto nella direzione Y"},
    {"ascissa", "= ascissa del baricentro del setto rispetto agli assi di riferimento"},
    {"ordin.", "= ordinata del baricentro del setto rispetto agli assi di riferimento"},
    {"tir.v.", "= forza dovuta ai tiranti verticali posti nel setto"},
    {"tir.o.", "= forza dovuta ai tiranti orizzontali posti nel setto"},
    {"tauk", "= tensione tangenziale ammissibile nella muratura"},
    {"sigma", "= sigma ammissibile nella muratura"},
    {"solai", "= superficie dei solai del piano gravanti sul setto"},
    {"sbalzi", "= superficie degli sbalzi del piano gravanti sul setto"},
}};

} // namespace

void printWallDataTable(TextDevice& device, const ProjectData& project) {
    device.endLine();
    tables::printWallTableIntroduction(device, "DATI DEI SETTI", legend, project.title(TitleField::progetto));

    PageBreaker breaker(device, dataTableBreaks, tables::printWallDataHeadings);
    breaker.printHeadings();
    breaker.setLineCount(firstPageLineCount);
    tables::printWallDataRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::printouts
