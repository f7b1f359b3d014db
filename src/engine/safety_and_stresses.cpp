// Safety coefficients of the storeys, and the eccentricity of the normal
// force and the maximum compressive stress of every wall.

#include <cmath>

#include "engine_run.h"

namespace calvex::engine {

void computeSafetyCoefficients(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        run.at(Phase::SafetyCoefficients, s);
        FloorResult& floor = run.result(s);
        const double shear = floor.storeyShear.number();
        // Safety coefficient: floor(0.5 + 100 sumTu / storeyShear) / 100.
        run.put(floor.safetyX, std::floor(0.5 + run.divide(100 * floor.sumTuX.number(), shear)) / 100);
        run.put(floor.safetyY, std::floor(0.5 + run.divide(100 * floor.sumTuY.number(), shear)) / 100);
    }
}

namespace {

// 2/3 as the partialised-section formula has always held it: in single precision.
const double kTwoThirds = static_cast<double>(2.0f / 3.0f);

void computeMaxStress(EngineRun& run, int s, int w, double h) {
    WallResultRows& r = run.results(s);
    const double horizontal = (run.isXWall(w) ? r.horizontalForceX[w] : r.horizontalForceY[w]).number();
    // N = tirantiV + normalForce.
    const double normal = run.in(s, w, WallField::tirantiV) + r.normalForce[w].number();
    const double area = r.area[w].number();
    if (area == 0) {
        r.maxStress[w] = 0.0;
        return;
    }
    // Eccentricity of N: e = (h H / 2) / N.
    const double e = run.divide(h * horizontal / 2, normal);
    const double dimx = run.in(s, w, WallField::dimx);
    const double dimy = run.in(s, w, WallField::dimy);
    // Length L: the larger of dimx and dimy; thickness t: the other.
    const double length = dimy > dimx ? dimy : dimx;
    const double thickness = dimy > dimx ? dimx : dimy;
    if (length / 6 < e && e < length / 2) {
        // Partialised section: maxStress = (N 2/3) / ((L/2 - e) t).
        run.put(r.maxStress[w], run.divide(normal * kTwoThirds, (length / 2 - e) * thickness));
        r.minStressText[w].setEmpty();
    } else if (e <= length / 6) {
        // Whole section compressed: maxStress and minStress = (1 +- 6e/L) N / area.
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

} // namespace

void computeMaxStresses(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        const double h = run.in(s, FloorField::hp);
        run.at(Phase::Eccentricity, s);
        for (int w = 1; w <= run.walls; ++w) {
            run.wall = w;
            computeMaxStress(run, s, w, h);
        }
    }
}

} // namespace calvex::engine
