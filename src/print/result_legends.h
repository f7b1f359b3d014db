#pragma once
// The legends of the two result tables and the captions of the seven
// building values, the same in the window printouts and in the report.

#include <array>

#include "model/results.h"
#include "print/wall_table_parts.h"

namespace calvex {

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

}  // namespace calvex
