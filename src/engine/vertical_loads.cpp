// Tie stresses, wall loads with the normal force from the top storey down,
// and the centres of mass of the storeys.

#include "engine_run.h"

namespace calvex::engine {

void computeTieStresses(EngineRun& run) {
    for (int s = run.storeys; s >= 1; --s) {
        run.at(Phase::TieStresses, s);
        const double h = run.in(s, FloorField::hp);
        WallResultRows& r = run.results(s);
        for (int w = 1; w <= run.walls; ++w) {
            run.wall = w;
            if (run.project.wallIsEmpty(s, w, WallField::dimx) || run.project.wallIsEmpty(s, w, WallField::dimy))
                run.stop(StopReason::EmptyDimension);
            const double dimx = run.in(s, w, WallField::dimx);
            const double dimy = run.in(s, w, WallField::dimy);
            // Thickness t: the smaller of dimx and dimy.
            const double thickness = dimy < dimx ? dimy : dimx;
            if (thickness == 0.0) continue;
            // Horizontal tie stress: tirantiO / (h t).
            const double horizontalTies = run.in(s, w, WallField::tirantiO);
            if (horizontalTies > 0)
                run.put(r.tieStressH[w], run.divide(horizontalTies, h * thickness));
            else
                r.tieStressH[w] = 0.0;
            // Vertical tie stress: tirantiV / (dimx dimy).
            const double verticalTies = run.in(s, w, WallField::tirantiV);
            if (verticalTies > 0)
                run.put(r.tieStressV[w], run.divide(verticalTies, dimx * dimy));
            else
                r.tieStressV[w] = 0.0;
        }
    }
}

namespace {

void computeStoreyWallLoads(EngineRun& run, int s) {
    const StoreyLoads loads = storeyLoads(run, s);
    WallResultRows& r = run.results(s);
    double sumN = 0, sumX = 0, sumY = 0;
    run.at(Phase::WallLoads, s);
    for (int w = 1; w <= run.walls; ++w) {
        run.wall = w;
        // Wall area: dimx dimy.
        const double area = run.put(r.area[w], run.in(s, w, WallField::dimx) * run.in(s, w, WallField::dimy));
        r.baseStress[w] = 0.0;
        r.staticStress[w] = 0.0;
        run.zeroIfEmpty(s, w, WallField::solai);
        run.zeroIfEmpty(s, w, WallField::sbalzi);
        // Seismic load of the storey on the wall: W = slabs and cantilevers + hp specifico area.
        const double load =
            loads.floorsOn(run.in(s, w, WallField::sbalzi), run.in(s, w, WallField::solai)) + loads.wallWeight(area);
        // Normal force: N(f) = N(f + 1) + W.
        const double normalForce = run.put(r.normalForce[w], run.above(s, w, &WallResultRows::normalForce) + load);
        // Base stress: W / area + that of the wall above.
        const double ownStress = area > 0 ? run.put(r.baseStress[w], run.divide(load, area)) : 0.0;
        const double baseStress = run.put(r.baseStress[w], ownStress + run.above(s, w, &WallResultRows::baseStress));
        run.zeroIfEmpty(s, w, WallField::ascissa);
        run.zeroIfEmpty(s, w, WallField::ordinata);
        sumN += normalForce;
        sumX += run.in(s, w, WallField::ascissa) * area * baseStress;
        sumY += run.in(s, w, WallField::ordinata) * area * baseStress;
    }
    run.at(Phase::WallLoads, s);
    FloorResult& floor = run.result(s);
    // Centre of mass: SX / SN and SY / SN, with SX = sum(x area baseStress), SN = sum(N).
    run.put(floor.massCentreX, run.divide(sumX, sumN));
    run.put(floor.massCentreY, run.divide(sumY, sumN));
}

} // namespace

void computeWallLoads(EngineRun& run) {
    for (int s = run.storeys; s >= 1; --s) computeStoreyWallLoads(run, s);
}

} // namespace calvex::engine
