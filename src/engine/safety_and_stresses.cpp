// Safety coefficients of the storeys, and the eccentricity of the normal
// force and the maximum compressive stress of every wall.

#include <cmath>

#include "engine_run.h"

CALVEX_WALL_LOOPS_BEGIN

void computeSafetyCoefficients(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        run.at(Phase::SafetyCoefficients, s);
        FloorResult& floor = run.result(s);
        const double shear = floor.storeyShear.number();
        run.put(floor.safetyX, std::floor(0.5 + run.divide(100 * floor.sumTuX.number(), shear)) / 100);
        run.put(floor.safetyY, std::floor(0.5 + run.divide(100 * floor.sumTuY.number(), shear)) / 100);
    }
}

namespace {

// 2/3 as the partialised-section formula has always held it: in single precision.
const double kTwoThirds = static_cast<double>(2.0f / 3.0f);

void computeMaxStress(EngineRun& run, const StoreyWalls& row, int w, double h) {
    WallResultRows& r = row.results;
    const double horizontal = (run.isXWall(w) ? r.horizontalForceX[w] : r.horizontalForceY[w]).writtenNumber();
    const double normal = row.in(w, WallField::tirantiV) + r.normalForce[w].writtenNumber();
    const double area = r.area[w].writtenNumber();
    if (area == 0) {
        r.maxStress[w] = 0.0;
        return;
    }
    const double e = run.divide(h * horizontal / 2, normal);
    const double dimx = row.in(w, WallField::dimx);
    const double dimy = row.in(w, WallField::dimy);
    const double length = dimy > dimx ? dimy : dimx;
    const double thickness = dimy > dimx ? dimx : dimy;
    if (length / 6 < e && e < length / 2) {
        run.put(r.maxStress[w], run.divide(normal * kTwoThirds, (length / 2 - e) * thickness));
        r.minStressText[w].setEmpty();
    } else if (e <= length / 6) {
        const double bending = 6 * e / length;
        run.put(r.maxStress[w], (1 + bending) * normal / area);
        const double minStress = (1 - bending) * normal / area;
        if (!std::isfinite(minStress)) run.stop(StopReason::OutOfRange);
        r.minStressText[w].setValue(minStress);
    } else {
        // The resultant falls outside the section (its edge included).
        r.minStressText[w].setOutside();
        r.maxStress[w] = 0.0;
        return;
    }
    run.put(r.eccentricity[w], e);
}

// A group of walls of one list, each with a partialised or a fully
// compressed section. Each formula is worked out where some lane has its
// case, and each lane keeps the one of its case. A section with the
// resultant outside goes one wall at a time.
template <typename Lanes>
bool computeMaxStressGroup(EngineRun& run, const StoreyWalls& row, int w, double h) {
    const bool xList = run.isXWall(w);
    if (xList != run.isXWall(w + Lanes::width - 1)) return false;
    WallResultRows& r = row.results;
    const Lanes horizontal = Lanes::written(xList ? r.horizontalForceX : r.horizontalForceY, w);
    const Lanes normal = Lanes::at(row.input(WallField::tirantiV), w) + Lanes::written(r.normalForce, w);
    const Lanes area = Lanes::written(r.area, w);
    const Lanes e = h * horizontal / 2 / normal;
    const Lanes dimx = Lanes::at(row.input(WallField::dimx), w), dimy = Lanes::at(row.input(WallField::dimy), w);
    // dimy > dimx ? dimy : dimx, and dimy > dimx ? dimx : dimy
    const Lanes length = greaterOf(dimy, dimx), thickness = lesserOf(dimx, dimy);
    const Lanes sixth = length / 6;
    if (((area == 0) | (normal == 0) | notFinite(e)).any()) return false;
    const auto partialised = (sixth < e) & (e < length / 2);
    const auto compressed = e <= sixth;
    if (!(partialised | compressed).all()) return false;

    Lanes maxStress = 0.0, minStress = 0.0;
    if (partialised.any()) {
        const Lanes divisor = (length / 2 - e) * thickness;
        maxStress = normal * kTwoThirds / divisor;
        if ((partialised & (notFinite(maxStress) | (divisor == 0))).any()) return false;
    }
    if (compressed.any()) {
        const Lanes bending = 6 * e / length;
        const Lanes compressedStress = (1 + bending) * normal / area;
        minStress = (1 - bending) * normal / area;
        if ((compressed & (notFinite(compressedStress) | notFinite(minStress))).any()) return false;
        maxStress = select(compressed, compressedStress, maxStress);
    }
    maxStress.storeTo(r.maxStress, w);
    for (int i = 0; i < Lanes::width; ++i) {
        if (compressed.lane(i))
            r.minStressText[w + i].setValue(minStress.lane(i));
        else
            r.minStressText[w + i].setEmpty();
    }
    e.storeTo(r.eccentricity, w);
    return true;
}

} // namespace

void computeMaxStresses(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        const double h = run.in(s, FloorField::hp);
        const StoreyWalls row = run.storeyWalls(s);
        run.at(Phase::Eccentricity, s);
        forWallGroups<WallGroup>(
            1, run.walls, [&]<typename Lanes>(int w) { return computeMaxStressGroup<Lanes>(run, row, w, h); },
            [&](int w) {
                run.wall = w;
                computeMaxStress(run, row, w, h);
            });
    }
}

CALVEX_WALL_LOOPS_END
