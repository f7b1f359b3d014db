// Outer plan dimensions of the first storey and the coefficient lambda of
// the additional torsional moment of elongated buildings.

#include <utility>

#include "engine_run.h"

namespace calvex::engine {

namespace {

struct Extreme {
    double value;
    int wall;
};

// Coefficient of the additional torsion, lambda, from D/B.
double lambdaForRatio(double ratio) {
    if (ratio <= 2.5) return 0.0;
    if (ratio < 3.5) return 0.03 + 0.02 * (ratio - 2.5);
    return 0.05;
}

} // namespace

void computeBuildingPlan(EngineRun& run) {
    run.at(Phase::BuildingPlan, 1);
    auto x = [&](int w) { return run.in(1, w, WallField::ascissa); };
    auto y = [&](int w) { return run.in(1, w, WallField::ordinata); };
    Extreme minX{x(1), 1}, maxX{x(1), 1}, minY{y(1), 1}, maxY{y(1), 1};
    for (int w = 2; w <= run.walls; ++w) {
        if (minX.value > x(w)) minX = {x(w), w};
        if (maxX.value < x(w)) maxX = {x(w), w};
        if (minY.value > y(w)) minY = {y(w), w};
        if (maxY.value < y(w)) maxY = {y(w), w};
    }
    auto dimx = [&](int w) { return run.in(1, w, WallField::dimx); };
    auto dimy = [&](int w) { return run.in(1, w, WallField::dimy); };
    // Outer plan dimensions: the extreme coordinates plus half the end walls.
    double sideLong = (maxX.value - minX.value) + dimx(minX.wall) / 2 + dimx(maxX.wall) / 2;
    double sideShort = (maxY.value - minY.value) + dimy(minY.wall) / 2 + dimy(maxY.wall) / 2;
    if (sideLong < sideShort) std::swap(sideLong, sideShort);

    BuildingResult& building = run.project.building();
    run.put(building.sideLong, sideLong);
    run.put(building.sideShort, sideShort);
    run.put(building.lambda, lambdaForRatio(run.divide(sideLong, sideShort)));
}

} // namespace calvex::engine
