#pragma once
// What the result tables print the same way in the window printouts and in
// the report: legends, the seven building values, units and storey columns.

#include <array>

#include "model/results.h"
#include "print/tables/wall_table_parts.h"

namespace calvex::tables {

inline constexpr std::array<LegendEntry, 16> kWallResultsLegend{{
    {"piano", "= numero del piano"},
    {"setto", "= numero del setto"},
    {"peso", "= peso proprio del setto murario"},
    {"car.", "= carichi sismici gravanti sul setto"},
    {"sn", "= sforzo normale alla base del setto"},
    {"sigma", "= tensione di compressione alla base"},
    {"rig.x", "= rigidezza in direzione X"},
    {"rig.y", "= rigidezza in direzione Y"},
    {"asc.", "= ascissa dal baricentro delle rigidezze"},
    {"ord.", "= ordinata dal baricentro delle rigidezze"},
    {"dir.", "= direzione delle forze agenti"},
    {"f.p.", "= forza di piano"},
    {"f.o.", "= forza orizzontale agente sul setto"},
    {"ultima", "= forza ultima tagliante"},
    {"t.max", "= tensione massima nel setto"},
    {"torc.", "= forza dovuta al momento torcente"},
}};

inline constexpr std::array<LegendEntry, 15> kStoreyResultsLegend{{
    {"piano", "= numero del piano"},
    {"peso", "= peso totale del piano"},
    {"gamma", "= coefficiente di distribuzione gamma"},
    {"fp", "= forza di piano"},
    {"xm", "= ascissa del baricentro delle masse"},
    {"ym", "= ordinata del baricentro delle masse"},
    {"xr", "= ascissa del baricentro delle rigidezze"},
    {"yr", "= ordinata del baricentro delle rigidezze"},
    {"ex", "= eccentricit\u00e0 lungo l'asse X"},
    {"ey", "= eccentricit\u00e0 lungo l'asse Y"},
    {"mp", "= momento d'inerzia polare"},
    {"mt", "= momento torcente dovuto a D/B"},
    {"ft", "= forza dovuta al momento torcente"},
    {"cfx", "= coefficiente di sicurezza in direzione X"},
    {"cfy", "= coefficiente di sicurezza in direzione Y"},
}};

struct BuildingValueLine {
    std::string_view caption;
    ResultValue BuildingResult::*value;
};

inline constexpr std::array<BuildingValueLine, 7> kBuildingValueLines{{
    {"Peso totale dell'edificio.......:", &BuildingResult::totalWeight},
    {"Baricentro verticale delle masse:", &BuildingResult::massHeight},
    {"Totale forze orizzontali........:", &BuildingResult::totalForce},
    {"Centro delle forze orizzontali..:", &BuildingResult::forceHeight},
    {"Dimensione maggiore D...........:", &BuildingResult::sideLong},
    {"Dimensione minore B.............:", &BuildingResult::sideShort},
    {"Valore di lambda................:", &BuildingResult::lambda},
}};

inline constexpr std::array<ColumnText, 15> kWallResultsUnits{{
    {6, "n"},
    {12, "n"},
    {17, "t"},
    {24, "t"},
    {32, "t"},
    {39, "t/mq"},
    {49, "t/m"},
    {59, "t/m"},
    {67, "m"},
    {74, "m"},
    {84, "t"},
    {92, "t"},
    {100, "t"},
    {107, "t/mq"},
    {115, "t"},
}};

inline constexpr std::array<ColumnText, 15> kStoreyResultsHeadings{{
    {5, "piano"},
    {12, "peso"},
    {19, "gamma"},
    {28, "fp"},
    {35, "xm"},
    {42, "ym"},
    {49, "xr"},
    {56, "yr"},
    {63, "ex"},
    {70, "ey"},
    {82, "mp"},
    {94, "mt"},
    {101, "ft"},
    {108, "cfx"},
    {115, "cfy"},
}};
inline constexpr std::array<ColumnText, 12> kStoreyResultsUnits{{
    {7, "n"},
    {14, "t"},
    {29, "t"},
    {36, "m"},
    {43, "m"},
    {50, "m"},
    {57, "m"},
    {64, "m"},
    {71, "m"},
    {82, "tm"},
    {94, "tm"},
    {102, "t"},
}};

// The fourteen storey values after the storey number, with their widths.
struct StoreyResultCell {
    ResultValue FloorResult::*value;
    int width;
};
inline constexpr std::array<StoreyResultCell, 14> kStoreyResultCells{{
    {&FloorResult::storeyWeight, 8},
    {&FloorResult::distributionCoeff, 7},
    {&FloorResult::storeyForce, 8},
    {&FloorResult::massCentreX, 7},
    {&FloorResult::massCentreY, 7},
    {&FloorResult::stiffCentreX, 7},
    {&FloorResult::stiffCentreY, 7},
    {&FloorResult::eccX, 7},
    {&FloorResult::eccY, 7},
    {&FloorResult::polarMoment, 14},
    {&FloorResult::torsionMoment, 10},
    {&FloorResult::torsionTotalForce, 7},
    {&FloorResult::safetyX, 7},
    {&FloorResult::safetyY, 7},
}};

} // namespace calvex::tables
