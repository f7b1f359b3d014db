#pragma once
// The columns of every table the printouts, the printed report and the
// editable report show, declared once: the general data's storey table, the
// wall data, the wall results and the storey results, and the building
// values.

#include <array>
#include <string>
#include <string_view>

#include "model/project_data.h"
#include "model/results.h"
#include "print/tables/table_column.h"

namespace calvex::tables {

using StoreyDataColumn = TableColumn<FloorField>;
using WallDataColumn = TableColumn<WallField>;
using StoreyResultColumn = TableColumn<ResultValue FloorResult::*>;

// A wall result read from the same member for every wall, or from the member
// of the wall's direction.
struct WallResultSource {
    ResultValue WallResult::*x = nullptr;
    ResultValue WallResult::*y = nullptr;
    ResultValue WallResult::*of(bool xWall) const { return xWall ? x : y; }
};
constexpr WallResultSource both(ResultValue WallResult::*member) { return {member, member}; }
using WallResultColumn = TableColumn<WallResultSource>;

// One row per column: symbol, meaning, unit; printed heading column, unit
// column and width; source, document pattern, kind; the window's and the
// document's own wording.
// clang-format off
inline constexpr std::array<StoreyDataColumn, 7> kStoreyDataColumns{{
    {"piano",          "", "n.",    9,  11, 11, {},                     {},                      ColumnKind::storey},
    {"peso sp.muro",   "", "t/mc", 17,  21, 12, FloorField::specifico,  NumberPattern::grouped2},
    {"carichi solai",  "", "t/mq", 33,  37, 16, FloorField::permsolai,  NumberPattern::grouped2},
    {"sovracc.solai",  "", "t/mq", 49,  53, 16, FloorField::accsolai,   NumberPattern::grouped2},
    {"carichi sbalzi", "", "t/mq", 65,  70, 17, FloorField::permsbalzi, NumberPattern::grouped2},
    {"sovracc.sbalzi", "", "t/mq", 82,  87, 17, FloorField::accsbalzi,  NumberPattern::grouped2, ColumnKind::value,
     {}, {"sovr.sbalzi"}},
    {"altezza lorda",  "", "m",    99, 105, 17, FloorField::hp,         NumberPattern::grouped2},
}};

inline constexpr std::array<WallDataColumn, 12> kWallDataColumns{{
    {"piano",   "numero del piano",                                           "n",     9,  11, 11, {}, {},
     ColumnKind::storey},
    {"setto",   "numero del setto",                                           "n",    18,  20, 20, {}, {},
     ColumnKind::wall},
    {"dimx",    "dimensione del setto nella direzione X",                     "m",    27,  28,  9, WallField::dimx},
    {"dimy",    "dimensione del setto nella direzione Y",                     "m",    36,  37,  9, WallField::dimy},
    {"ascissa", "ascissa baricentro del setto rispetto assi di riferimento",  "m",    45,  48, 11, WallField::ascissa,
     NumberPattern::plain2, ColumnKind::value,
     {{}, "ascissa del baricentro del setto rispetto agli assi di riferimento"}},
    {"ordin.",  "ordinata baricentro del setto rispetto assi di riferimento", "m",    54,  56,  8, WallField::ordinata,
     NumberPattern::plain2, ColumnKind::value,
     {{}, "ordinata del baricentro del setto rispetto agli assi di riferimento"}},
    {"tir.v.",  "forza dovuta ai tiranti verticali posti nel setto",          "t",    63,  65,  9, WallField::tirantiV},
    {"tir.o.",  "forza dovuta ai tiranti orizzontali posti nel setto",        "t",    72,  74,  9, WallField::tirantiO,
     NumberPattern::plain2, ColumnKind::value,
     {}, {{}, "forza dovuta ai tiranti orizzontal posti nel setto"}},
    {"tauk",    "tensione tangenziale ammissibile nella muratura",            "t/mq", 81,  81,  8, WallField::tauk},
    {"sigma",   "sigma ammissibile a compressione nella muratura",            "t/mq", 90,  90, 10, WallField::sigma,
     NumberPattern::plain2, ColumnKind::value,
     {{}, "sigma ammissibile nella muratura"}},
    {"solai",   "superficie dei solai del piano gravanti sul setto",          "mq",   99, 100,  9, WallField::solai},
    {"sbalzi",  "superficie degli sbalzi del piano gravanti sul setto",       "mq",  108, 110,  9, WallField::sbalzi},
}};

inline constexpr std::array<WallResultColumn, 16> kWallResultsColumns{{
    {"piano",  "numero del piano",                       "n",      4,   6,  6, {}, {}, ColumnKind::storey,
     {}, {"pia"}},
    {"setto",  "numero del setto",                       "n",     10,  12, 12, {}, {}, ColumnKind::wall,
     {}, {"se", "numero del setto e direzione"}},
    {"peso",   "peso proprio del setto murario",         "t",     16,  17,  6, both(&WallResult::selfWeightShare),
     NumberPattern::grouped2},
    {"car.",   "carichi sismici gravanti sul setto",     "t",     23,  24,  7, both(&WallResult::slabLoad),
     NumberPattern::grouped2},
    {"sn",     "sforzo normale alla base del setto",     "t",     31,  32,  8, both(&WallResult::normalForce),
     NumberPattern::grouped2},
    {"sigma",  "tensione di compressione alla base",     "t/mq",  38,  39,  8, both(&WallResult::baseStress),
     NumberPattern::grouped2},
    {"rig.x",  "rigidezza in direzione X",               "t/m",   48,  49, 10, both(&WallResult::stiffnessX),
     NumberPattern::grouped0},
    {"rig.y",  "rigidezza in direzione Y",               "t/m",   58,  59, 10, both(&WallResult::stiffnessY),
     NumberPattern::grouped0},
    {"asc.",   "ascissa dal baricentro delle rigidezze", "m",     66,  67,  7, both(&WallResult::armX),
     NumberPattern::grouped2},
    {"ord.",   "ordinata dal baricentro delle rigidezze","m",     73,  74,  7, both(&WallResult::armY),
     NumberPattern::grouped2},
    {"dir.",   "direzione delle forze agenti",           "",      78,   0,  3, {}, {}, ColumnKind::direction},
    {"f.p.",   "forza di piano",                         "t",     83,  84,  7,
     {&WallResult::storeyShareX, &WallResult::storeyShareY}, NumberPattern::grouped2},
    {"f.o.",   "forza orizzontale agente sul setto",     "t",     91,  92,  8,
     {&WallResult::horizontalForceX, &WallResult::horizontalForceY}, NumberPattern::grouped2},
    {"ultima", "forza ultima tagliante",                 "t",     97, 100,  8,
     {&WallResult::ultimateShearX, &WallResult::ultimateShearY}, NumberPattern::grouped2},
    {"t.max",  "tensione massima nel setto",             "t/mq", 106, 107,  8, both(&WallResult::maxStress),
     NumberPattern::grouped2, ColumnKind::value, {"tens."}},
    {"torc.",  "forza dovuta al momento torcente",       "t",    114, 115,  7, both(&WallResult::torsionForce),
     NumberPattern::grouped2},
}};

inline constexpr std::array<StoreyResultColumn, 15> kStoreyResultsColumns{{
    {"piano", "numero del piano",                         "n",    5,   7,  7, {}, {}, ColumnKind::storey},
    {"peso",  "peso totale del piano",                    "t",   12,  14,  8, &FloorResult::storeyWeight,
     NumberPattern::grouped2},
    {"gamma", "coefficiente di distribuzione gamma",      "",    19,   0,  7, &FloorResult::distributionCoeff},
    {"fp",    "forza di piano",                           "t",   28,  29,  8, &FloorResult::storeyForce},
    {"xm",    "ascissa del baricentro delle masse",       "m",   35,  36,  7, &FloorResult::massCentreX},
    {"ym",    "ordinata del baricentro delle masse",      "m",   42,  43,  7, &FloorResult::massCentreY},
    {"xr",    "ascissa del baricentro delle rigidezze",   "m",   49,  50,  7, &FloorResult::stiffCentreX},
    {"yr",    "ordinata del baricentro delle rigidezze",  "m",   56,  57,  7, &FloorResult::stiffCentreY},
    {"ex",    "eccentricit\u00e0 lungo l'asse X",         "m",   63,  64,  7, &FloorResult::eccX},
    {"ey",    "eccentricit\u00e0 lungo l'asse Y",         "m",   70,  71,  7, &FloorResult::eccY},
    {"mp",    "momento d'inerzia polare",                 "tm",  82,  82, 14, &FloorResult::polarMoment,
     NumberPattern::grouped0},
    {"mt",    "momento torcente dovuto a D/B",            "tm",  94,  94, 10, &FloorResult::torsionMoment},
    {"ft",    "forza dovuta al momento torcente",         "t",  101, 102,  7, &FloorResult::torsionTotalForce},
    {"cfx",   "coefficiente di sicurezza in direzione X", "",   108,   0,  7, &FloorResult::safetyX},
    {"cfy",   "coefficiente di sicurezza in direzione Y", "",   115,   0,  7, &FloorResult::safetyY},
}};
// clang-format on

// The seven building values, by name; the printed forms lead the name with
// dots to the value (`dottedCaption`), the document writes it as it is.
struct BuildingValue {
    std::string_view name;
    ResultValue BuildingResult::*value;
    NumberPattern pattern = NumberPattern::grouped2;
};
inline constexpr std::array<BuildingValue, 7> kBuildingValues{{
    {"Peso totale dell'edificio", &BuildingResult::totalWeight},
    {"Baricentro verticale delle masse", &BuildingResult::massHeight},
    {"Totale forze orizzontali", &BuildingResult::totalForce},
    {"Centro delle forze orizzontali", &BuildingResult::forceHeight},
    {"Dimensione maggiore D", &BuildingResult::sideLong},
    {"Dimensione minore B", &BuildingResult::sideShort},
    {"Valore di lambda", &BuildingResult::lambda},
}};

// "Valore di lambda................:": the name filled with dots to 32
// characters, then the colon.
inline std::string dottedCaption(const BuildingValue& line) {
    constexpr std::size_t captionLength = 32;
    std::string caption(line.name);
    if (caption.size() < captionLength) caption.append(captionLength - caption.size(), '.');
    return caption + ":";
}

} // namespace calvex::tables
