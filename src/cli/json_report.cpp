#include "json_report.h"

namespace calvex::cli {

namespace {

using Json = nlohmann::ordered_json;

// Never written -> null, the empty text -> "", a number -> a number.
Json valueJson(const ResultValue& value) {
    if (value.isNeverWritten()) return nullptr;
    if (value.isEmptyText()) return "";
    return value.number();
}

Json textJson(const FailureList& text) { return text.isWritten() ? Json(text.str()) : Json(nullptr); }

Json floorJson(const ProjectData& project, int level) {
    const FloorResult& floor = project.floorResult(level);
    Json json = {{"level", level}};
    for (const auto& field : kFloorResultNumbers) json[std::string(field.name)] = valueJson(floor.*field.member);
    return json;
}

Json wallJson(const ProjectData& project, int storey, int wall) {
    const WallResult result = project.wallResult(storey, wall);
    Json json = {{"storey", storey}, {"wall", wall}};
    for (const auto& field : kWallResultNumbers) json[std::string(field.name)] = valueJson(result.*field.member);
    for (const NamedText& text : wallResultTexts(result))
        json[std::string(text.name)] = text.written ? Json(text.text) : Json(nullptr);
    return json;
}

} // namespace

Json jsonReport(const ProjectData& project, const std::string& stopReason) {
    Json json;
    json["complete"] = stopReason.empty();
    json["stopReason"] = stopReason.empty() ? Json(nullptr) : Json(stopReason);
    const BuildingResult& building = project.building();
    for (const auto& field : kBuildingNumbers) json[std::string(field.name)] = valueJson(building.*field.member);
    for (const NamedList& list : kBuildingTexts)
        json[std::string(list.name)] = textJson(project.failureList(list.kind));

    const int storeys = project.storeyCount();
    const int walls = project.wallCount();
    Json floors = Json::array();
    for (int level = 0; level <= storeys; ++level) floors.push_back(floorJson(project, level));
    json["floors"] = std::move(floors);
    Json wallList = Json::array();
    for (int s = 1; s <= storeys; ++s)
        for (int w = 1; w <= walls; ++w) wallList.push_back(wallJson(project, s, w));
    json["walls"] = std::move(wallList);
    return json;
}

} // namespace calvex::cli
