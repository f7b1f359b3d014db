#include "print/tables/printable_values.h"

#include <array>
#include <cmath>
#include <string_view>
#include <utility>

#include "model/numeric_text.h"
#include "print/tables/result_tables.h"

namespace calvex::tables {

namespace {

// The printed wall results with the symbol of their legend entry.
constexpr std::array<std::pair<ResultValue WallResult::*, std::string_view>, 16> kPrintedWallResults{{
    {&WallResult::selfWeightShare, "peso"},
    {&WallResult::slabLoad, "car."},
    {&WallResult::normalForce, "sn"},
    {&WallResult::baseStress, "sigma"},
    {&WallResult::stiffnessX, "rig.x"},
    {&WallResult::stiffnessY, "rig.y"},
    {&WallResult::armX, "asc."},
    {&WallResult::armY, "ord."},
    {&WallResult::storeyShareX, "f.p."},
    {&WallResult::storeyShareY, "f.p."},
    {&WallResult::horizontalForceX, "f.o."},
    {&WallResult::horizontalForceY, "f.o."},
    {&WallResult::ultimateShearX, "ultima"},
    {&WallResult::ultimateShearY, "ultima"},
    {&WallResult::maxStress, "t.max"},
    {&WallResult::torsionForce, "torc."},
}};

constexpr std::array<GeneralField, 4> kPrintedGeneralNumbers{GeneralField::grado, GeneralField::strutt,
                                                             GeneralField::riduz, GeneralField::protez};

// "sigma (tensione di compressione alla base)": the symbol and what it means.
std::string legendName(std::span<const LegendEntry> legend, std::string_view symbol) {
    std::string name(symbol);
    for (const LegendEntry& entry : legend) {
        if (entry.symbol != symbol) continue;
        std::string_view meaning = entry.meaning;
        if (meaning.starts_with("= ")) meaning.remove_prefix(2);
        name.append(" (").append(meaning).append(")");
    }
    return name;
}

bool resultPrintable(const ResultValue& value) { return !value.isNumber() || isPrintable(value.number()); }

std::string refusal(std::string_view name, std::string_view place) {
    std::string text = "Il valore ";
    text.append(name).append(place);
    text.append(" \u00e8 fuori scala e non pu\u00f2 essere stampato: correggere i dati.");
    return text;
}

std::string storeyPlace(int storey) {
    std::string text = " del piano n.";
    appendStr(text, storey);
    return text;
}

std::string wallPlace(int storey, int wall) {
    std::string text = " del setto n.";
    appendStr(text, wall);
    text.append(" al piano");
    appendStr(text, storey);
    return text;
}

} // namespace

bool isPrintable(double value) { return std::fabs(value) < kLargestPrintableValue; }

std::optional<std::string> unprintableValueMessage(const ProjectData& project) {
    for (GeneralField field : kPrintedGeneralNumbers)
        if (!isPrintable(project.general(field).typedNumber()))
            return refusal(kGeneralFieldNames[static_cast<int>(field)], "");
    const int storeys = project.storeyCount();
    const int walls = project.wallCount();
    for (int s = 1; s <= storeys; ++s)
        for (int f = 0; f < kFloorFieldCount; ++f)
            if (!isPrintable(project.floor(s, static_cast<FloorField>(f)).typedNumber()))
                return refusal(kFloorFieldNames[f], storeyPlace(s));
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w)
            for (int f = 0; f < kWallFieldCount; ++f)
                if (!isPrintable(project.wall(s, w, static_cast<WallField>(f)).typedNumber()))
                    return refusal(kWallFieldNames[f], wallPlace(s, w));

    const BuildingResult& building = project.building();
    for (const BuildingValueLine& line : kBuildingValueLines) {
        if (resultPrintable(building.*line.value)) continue;
        std::string caption = "\"";
        caption.append(line.caption.substr(0, line.caption.find(".."))).append("\"");
        return refusal(caption, "");
    }
    for (int level = 0; level <= storeys; ++level) {
        const FloorResult& floor = project.floorResult(level);
        for (std::size_t i = 0; i < kStoreyResultCells.size(); ++i)
            if (!resultPrintable(floor.*kStoreyResultCells[i].value))
                return refusal(legendName(kStoreyResultsLegend, kStoreyResultsLegend[i + 1].symbol),
                               storeyPlace(level));
    }
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w) {
            const WallResult result = project.wallResult(s, w);
            for (const auto& [member, symbol] : kPrintedWallResults)
                if (!resultPrintable(result.*member))
                    return refusal(legendName(kWallResultsLegend, symbol), wallPlace(s, w));
        }
    return std::nullopt;
}

} // namespace calvex::tables
