#include "print/device/page_breaker.h"
#include "print/report/report_lines.h"
#include "print/report/report_sections.h"
#include "print/tables/wall_table_parts.h"

#include <array>

namespace calvex::report {

namespace {

constexpr std::array<tables::LegendEntry, 12> legend{{
    {"piano", "= numero del piano"},
    {"setto", "= numero del setto"},
    {"dimx", "= dimensione del setto nella direzione X"},
    {"dimy", "= dimensione del setto nella direzione Y"},
    {"ascissa", "= ascissa baricentro del setto rispetto assi di riferimento"},
    {"ordin.", "= ordinata baricentro del setto rispetto assi di riferimento"},
    {"tir.v.", "= forza dovuta ai tiranti verticali posti nel setto"},
    {"tir.o.", "= forza dovuta ai tiranti orizzontali posti nel setto"},
    {"tauk", "= tensione tangenziale ammissibile nella muratura"},
    {"sigma", "= sigma ammissibile a compressione nella muratura"},
    {"solai", "= superficie dei solai del piano gravanti sul setto"},
    {"sbalzi", "= superficie degli sbalzi del piano gravanti sul setto"},
}};

} // namespace

void printWallData(TextDevice& device, const ProjectData& project) {
    printSectionHeading(device, "B) DATI DEI SETTI");
    printLegend(device, legend, 18);
    device.endLine();

    PageBreaker breaker(device, reportWallTableBreaks, tables::printWallDataHeadings);
    breaker.printHeadings();
    tables::printWallDataRows(device, project, breaker);
    breaker.close();
}

} // namespace calvex::report
