#include "rules/storey_plan.h"

#include "rules/wall_check_rules.h"

namespace calvex {

namespace {

bool hasSize(const ProjectData& project, int storey, int wall, WallField field) {
    return !project.wallIsEmpty(storey, wall, field) && project.wallNumber(storey, wall, field) > 0;
}

std::optional<double> computed(const ResultValue& value) {
    if (!value.isNumber()) return std::nullopt;
    return value.number();
}

std::optional<PlanPoint> computedPoint(const ResultValue& x, const ResultValue& y) {
    if (!x.isNumber() || !y.isNumber()) return std::nullopt;
    return PlanPoint{x.number(), y.number()};
}

std::vector<std::string> failedChecks(const WallResultRows& results, int wall) {
    std::vector<std::string> checks;
    const auto comparison = [&checks](std::string_view caption, const ComparisonText& text) {
        if (!text.isEmpty()) checks.push_back(std::string(caption) + ": " + text.str());
    };
    comparison(kCheckCaptions[0], results.shearCheckText[wall]);
    comparison(kCheckCaptions[1], results.sigmaCheckText[wall]);
    if (!results.sectionCheckText[wall].isEmpty()) checks.emplace_back(kCheckCaptions[2]);
    return checks;
}

} // namespace

StoreyPlan readStoreyPlan(const ProjectData& project, int storey) {
    StoreyPlan plan;
    plan.storey = storey;
    plan.resultsCurrent = project.resultsCurrent();
    const WallResultRows& results = project.wallResults(storey);
    for (int wall = 1; wall <= project.wallCount(); ++wall) {
        if (!hasSize(project, storey, wall, WallField::dimx) || !hasSize(project, storey, wall, WallField::dimy)) {
            plan.wallsWithoutData.push_back(wall);
            continue;
        }
        plan.walls.push_back({.number = wall,
                              .xDirection = wall <= project.xWallCount(),
                              .centre = {project.wallNumber(storey, wall, WallField::ascissa),
                                         project.wallNumber(storey, wall, WallField::ordinata)},
                              .sizeX = project.wallNumber(storey, wall, WallField::dimx),
                              .sizeY = project.wallNumber(storey, wall, WallField::dimy),
                              .failedChecks = failedChecks(results, wall)});
    }
    const FloorResult& floor = project.floorResult(storey);
    plan.massCentre = computedPoint(floor.massCentreX, floor.massCentreY);
    plan.stiffnessCentre = computedPoint(floor.stiffCentreX, floor.stiffCentreY);
    plan.sideLong = computed(project.building().sideLong);
    plan.sideShort = computed(project.building().sideShort);
    plan.safetyX = computed(floor.safetyX);
    plan.safetyY = computed(floor.safetyY);
    return plan;
}

std::string wallDescription(const ProjectData& project, const PlanWall& wall) {
    std::string text = wallCheckCaption(project, wall.number);
    for (const std::string& check : wall.failedChecks) text += "\n" + check;
    return text;
}

std::string planValuesLine(const StoreyPlan& plan, const PlanNumberFormat& format) {
    std::string line;
    const auto add = [&](const char* name, const std::optional<double>& value, const char* unit) {
        if (!value) return;
        if (!line.empty()) line += "   ";
        line += std::string(name) + " = " + format(*value) + unit;
    };
    add("D", plan.sideLong, " m");
    add("B", plan.sideShort, " m");
    add("coefficiente di sicurezza X", plan.safetyX, "");
    add("Y", plan.safetyY, "");
    return line;
}

std::string wallsWithoutDataLine(const StoreyPlan& plan) {
    if (plan.wallsWithoutData.empty()) return {};
    std::string line = "Setti senza dati (non disegnati): ";
    for (std::size_t i = 0; i < plan.wallsWithoutData.size(); ++i)
        line += (i ? ", " : "") + std::to_string(plan.wallsWithoutData[i]);
    return line;
}

} // namespace calvex
