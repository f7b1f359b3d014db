#pragma once
// The plan of a storey laid out on a drawing area: metres to the area's
// units at one scale for both axes, fitted to the area, the walls'
// rectangles and fills, the axes' ticks and the centres. The window paints
// it on the screen and the printout on the page; both get the same layout.

#include <optional>
#include <vector>

#include "rules/storey_plan.h"

namespace calvex {

// A rectangle in the area's units, y downwards.
struct PlanBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    // Within `tolerance` units of the rectangle.
    bool contains(double x, double y, double tolerance = 0) const {
        return x >= left - tolerance && x <= left + width + tolerance && y >= top - tolerance &&
               y <= top + height + tolerance;
    }
};

// Metres to units: y runs upwards in metres and downwards in units.
struct PlanScale {
    double unitsPerMetre = 1;
    double originX = 0; // where x = 0 m falls
    double originY = 0; // where y = 0 m falls
    double x(double metres) const { return originX + metres * unitsPerMetre; }
    double y(double metres) const { return originY - metres * unitsPerMetre; }
};

struct PlanTick {
    double metres = 0;
    double position = 0; // x of an X tick, y of a Y tick, in units
};

enum class WallFill { xWall, yWall, failing, failingStale };

// The fill of each kind, 0xRRGGBB: X walls blue, Y walls ochre, failing
// walls red, greyed while the results are not current.
constexpr unsigned wallFillRgb(WallFill fill) {
    switch (fill) {
        case WallFill::xWall:
            return 0x8cb4e6;
        case WallFill::yWall:
            return 0xe6c878;
        case WallFill::failing:
            return 0xdc2828;
        case WallFill::failingStale:
            return 0xa8a8a8;
    }
    return 0;
}

struct DrawnWall {
    int number = 0;
    PlanBox box;
    PlanPoint centre; // in units
    WallFill fill = WallFill::xWall;
    bool highlighted = false;
};

struct PlanDrawing {
    PlanScale scale;
    // The drawn extent: the walls, the centres and the origin, with a margin.
    PlanBox frame;
    std::vector<DrawnWall> walls;
    std::vector<PlanTick> xTicks, yTicks;
    std::optional<PlanPoint> massCentre, stiffnessCentre; // in units
};

// Lays the plan out in `area`; ticks stand at least `tickGap` units apart,
// on round metres (1, 2 or 5 times a power of ten).
PlanDrawing drawStoreyPlan(const StoreyPlan& plan, const PlanBox& area, int highlightedWall, double tickGap);

// The number of the wall drawn at that point or within `tolerance` units of
// it (the last drawn where walls overlap); 0 when there is none.
int wallAt(const PlanDrawing& drawing, double x, double y, double tolerance);

} // namespace calvex
