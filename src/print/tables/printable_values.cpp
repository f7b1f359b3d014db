#include "print/tables/printable_values.h"

#include <array>
#include <cmath>
#include <string_view>

#include "model/numeric_text.h"
#include "print/tables/table_columns.h"

namespace calvex::tables {

namespace {

constexpr std::array<GeneralField, 4> kPrintedGeneralNumbers{GeneralField::grado, GeneralField::strutt,
                                                             GeneralField::riduz, GeneralField::protez};

// "sigma (tensione di compressione alla base)": the symbol and what it means.
template <class Source>
std::string legendName(const TableColumn<Source>& column) {
    std::string name(column.symbol);
    return name.append(" (").append(column.meaning).append(")");
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
    for (const BuildingValue& line : kBuildingValues) {
        if (resultPrintable(building.*line.value)) continue;
        std::string quoted = "\"";
        quoted.append(line.name).append("\"");
        return refusal(quoted, "");
    }
    for (int level = 0; level <= storeys; ++level) {
        const FloorResult& floor = project.floorResult(level);
        for (const StoreyResultColumn& column : kStoreyResultsColumns)
            if (column.kind == ColumnKind::value && !resultPrintable(floor.*column.source))
                return refusal(legendName(column), storeyPlace(level));
    }
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w) {
            const WallResult result = project.wallResult(s, w);
            for (const WallResultColumn& column : kWallResultsColumns)
                if (column.kind == ColumnKind::value &&
                    !(resultPrintable(result.*column.source.x) && resultPrintable(result.*column.source.y)))
                    return refusal(legendName(column), wallPlace(s, w));
        }
    return std::nullopt;
}

} // namespace calvex::tables
