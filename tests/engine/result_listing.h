#pragma once
// Every result of a project as lines of text, so that two projects can be
// compared value for value with one assertion that names what differs.

#include <charconv>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace calvex::testing {

inline std::string exactText(const ResultValue& value) {
    if (!value.isNumber()) return value.isEmptyText() ? "(empty)" : "(never)";
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value.number()).ptr;
    return std::string(digits, end);
}

// Building values and lists, levels 0 to np + 1 and the walls in use; numbers
// in their round-trip form, so equal lines mean bit-equal values.
inline std::vector<std::string> resultLines(const ProjectData& project) {
    std::vector<std::string> lines;
    for (const auto& named : kBuildingNumbers)
        lines.push_back(std::string(named.name) + " " + exactText(project.building().*named.member));
    for (const NamedList& named : kBuildingTexts)
        lines.push_back(std::string(named.name) + " " + project.failureList(named.kind).str());
    const int storeys = project.storeyCount();
    for (int level = 0; level <= storeys + 1; ++level)
        for (const auto& named : kFloorResultNumbers)
            lines.push_back("level " + std::to_string(level) + " " + std::string(named.name) + " " +
                            exactText(project.floorResult(level).*named.member));
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= project.wallCount(); ++w) {
            const std::string place = "storey " + std::to_string(s) + " wall " + std::to_string(w) + " ";
            const WallResult result = project.wallResult(s, w);
            for (const auto& named : kWallResultNumbers)
                lines.push_back(place + std::string(named.name) + " " + exactText(result.*named.member));
            for (const auto& text : wallResultTexts(result))
                lines.push_back(place + std::string(text.name) + " " + (text.written ? text.text : "(never)"));
        }
    return lines;
}

} // namespace calvex::testing
