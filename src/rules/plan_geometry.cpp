#include "rules/plan_geometry.h"

#include <algorithm>
#include <cmath>

namespace calvex {

namespace {

struct Extent {
    double minX = 0, maxX = 0, minY = 0, maxY = 0; // the origin is always in
    void add(double x, double y) {
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
};

Extent extentOf(const StoreyPlan& plan) {
    Extent extent;
    for (const PlanWall& wall : plan.walls) {
        extent.add(wall.centre.x - wall.sizeX / 2, wall.centre.y - wall.sizeY / 2);
        extent.add(wall.centre.x + wall.sizeX / 2, wall.centre.y + wall.sizeY / 2);
    }
    for (const auto& centre : {plan.massCentre, plan.stiffnessCentre})
        if (centre) extent.add(centre->x, centre->y);
    // A margin around the drawing, so that no wall touches the axes.
    const double margin = std::max(0.5, 0.04 * std::max(extent.maxX - extent.minX, extent.maxY - extent.minY));
    return {extent.minX - margin, extent.maxX + margin, extent.minY - margin, extent.maxY + margin};
}

// The smallest step of 1, 2 or 5 times a power of ten that is at least `least`.
double roundStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= least) return factor * power;
    return 10 * power;
}

std::vector<PlanTick> ticks(double from, double to, double step, double (PlanScale::*place)(double) const,
                            const PlanScale& scale) {
    std::vector<PlanTick> result;
    for (double k = std::ceil(from / step); k * step <= to; ++k) {
        const double metres = k * step + 0.0; // never -0
        result.push_back({metres, (scale.*place)(metres)});
    }
    return result;
}

WallFill fillOf(const PlanWall& wall, bool resultsCurrent) {
    if (wall.failing()) return resultsCurrent ? WallFill::failing : WallFill::failingStale;
    return wall.xDirection ? WallFill::xWall : WallFill::yWall;
}

} // namespace

PlanDrawing drawStoreyPlan(const StoreyPlan& plan, const PlanBox& area, int highlightedWall, double tickGap) {
    const Extent extent = extentOf(plan);
    const double spanX = extent.maxX - extent.minX, spanY = extent.maxY - extent.minY;
    PlanDrawing drawing;
    PlanScale& scale = drawing.scale;
    scale.unitsPerMetre = std::max(1e-9, std::min(area.width / spanX, area.height / spanY));
    // The extent centred in the area.
    scale.originX = area.left + (area.width - spanX * scale.unitsPerMetre) / 2 - extent.minX * scale.unitsPerMetre;
    scale.originY = area.top + (area.height + spanY * scale.unitsPerMetre) / 2 + extent.minY * scale.unitsPerMetre;
    drawing.frame = {scale.x(extent.minX), scale.y(extent.maxY), spanX * scale.unitsPerMetre,
                     spanY * scale.unitsPerMetre};

    for (const PlanWall& wall : plan.walls) {
        const double left = scale.x(wall.centre.x - wall.sizeX / 2), top = scale.y(wall.centre.y + wall.sizeY / 2);
        drawing.walls.push_back({.number = wall.number,
                                 .box = {left, top, wall.sizeX * scale.unitsPerMetre, wall.sizeY * scale.unitsPerMetre},
                                 .centre = {scale.x(wall.centre.x), scale.y(wall.centre.y)},
                                 .fill = fillOf(wall, plan.resultsCurrent),
                                 .highlighted = wall.number == highlightedWall});
    }
    // At most about fifty ticks an axis, whatever the coordinates typed.
    const double step = roundStep(std::max({tickGap / scale.unitsPerMetre, spanX / 50, spanY / 50, 1e-9}));
    drawing.xTicks = ticks(extent.minX, extent.maxX, step, &PlanScale::x, scale);
    drawing.yTicks = ticks(extent.minY, extent.maxY, step, &PlanScale::y, scale);
    const auto inUnits = [&scale](const std::optional<PlanPoint>& point) -> std::optional<PlanPoint> {
        if (!point) return std::nullopt;
        return PlanPoint{scale.x(point->x), scale.y(point->y)};
    };
    drawing.massCentre = inUnits(plan.massCentre);
    drawing.stiffnessCentre = inUnits(plan.stiffnessCentre);
    return drawing;
}

int wallAt(const PlanDrawing& drawing, double x, double y, double tolerance) {
    const auto found =
        std::find_if(drawing.walls.rbegin(), drawing.walls.rend(),
                     [x, y, tolerance](const DrawnWall& wall) { return wall.box.contains(x, y, tolerance); });
    return found == drawing.walls.rend() ? 0 : found->number;
}

} // namespace calvex
