#pragma once
// What the plan of a storey shows, read from the project the way the engine
// reads it: each wall's rectangle from the readings of its four values, its
// direction from the X list, the checks it failed in the last run, the
// storey's centres and safety coefficients and the building's sides.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/project_data.h"

namespace calvex {

struct PlanPoint {
    double x = 0;
    double y = 0;
};

struct PlanWall {
    int number = 0;
    bool xDirection = true;
    PlanPoint centre; // m
    double sizeX = 0; // dimx, m
    double sizeY = 0; // dimy, m
    // One line per failed check: the check as the wall-check map heads it
    // and, for the two comparisons, the numbers compared.
    std::vector<std::string> failedChecks;
    bool failing() const { return !failedChecks.empty(); }
};

struct StoreyPlan {
    int storey = 0;
    // The walls with both sizes, in number order.
    std::vector<PlanWall> walls;
    // The walls in use that have no size in X or in Y: they are not drawn.
    std::vector<int> wallsWithoutData;
    std::optional<PlanPoint> massCentre, stiffnessCentre;
    std::optional<double> sideLong, sideShort, safetyX, safetyY;
    // Whether the results read belong to the data.
    bool resultsCurrent = true;
};

StoreyPlan readStoreyPlan(const ProjectData& project, int storey);

using PlanNumberFormat = std::function<std::string(double)>;

// "Setto n.3 (direzione X)", then the failed checks, one to a line.
std::string wallDescription(const ProjectData& project, const PlanWall& wall);
// "D = 12.5 m   B = 8 m   coefficiente di sicurezza X = 1.2   Y = 0.9";
// a value never computed is left out.
std::string planValuesLine(const StoreyPlan& plan, const PlanNumberFormat& format);
// "Setti senza dati (non disegnati): 3, 7", or "" when every wall is drawn.
std::string wallsWithoutDataLine(const StoreyPlan& plan);

// The legend's names of the two centres and of the colours.
inline constexpr const char* kMassCentreName = "baricentro delle masse (xm, ym)";
inline constexpr const char* kStiffnessCentreName = "baricentro delle rigidezze (xr, yr)";
inline constexpr const char* kXWallsName = "setti in direzione X";
inline constexpr const char* kYWallsName = "setti in direzione Y";
inline constexpr const char* kFailingWallsName = "setti non verificati";

} // namespace calvex
