// Tie stresses, wall loads with the normal force from the top storey down,
// and the centres of mass of the storeys.

#include "engine_run.h"

namespace calvex::engine {

void computeTieStresses(EngineRun& run) {
    constexpr std::uint16_t dimensions = EngineRun::fieldBits({WallField::dimx, WallField::dimy});
    for (int s = run.storeys; s >= 1; --s) {
        const double h = run.in(s, FloorField::hp);
        const StoreyWalls row = run.storeyWalls(s);
        run.at(Phase::TieStresses, s);
        for (int w = 1; w <= row.count; ++w) {
            run.wall = w;
            if (row.emptyBits(w) & dimensions) run.stop(StopReason::EmptyDimension);
            const double dimx = row.in(w, WallField::dimx);
            const double dimy = row.in(w, WallField::dimy);
            const double thickness = dimy < dimx ? dimy : dimx;
            if (thickness == 0.0) continue;
            // Most walls have no ties: their stresses are 0, which no check
            // need look at.
            WallResult& r = row.result(w);
            const double horizontalTies = row.in(w, WallField::tirantiO);
            if (horizontalTies > 0)
                run.put(r.tieStressH, run.divide(horizontalTies, h * thickness));
            else
                r.tieStressH = 0.0;
            const double verticalTies = row.in(w, WallField::tirantiV);
            if (verticalTies > 0)
                run.put(r.tieStressV, run.divide(verticalTies, dimx * dimy));
            else
                r.tieStressV = 0.0;
        }
    }
}

namespace {

template <bool zeroEmptyValues>
void computeStoreyWallLoads(EngineRun& run, int s) {
    const double specifico = run.in(s, FloorField::specifico);
    const double hp = run.in(s, FloorField::hp);
    const double cantileverLoad = run.riduz * run.in(s, FloorField::accsbalzi) + run.in(s, FloorField::permsbalzi);
    const double slabLoad = run.riduz * run.in(s, FloorField::accsolai) + run.in(s, FloorField::permsolai);
    const WallResult* above = run.rowAbove(s);
    double sumN = 0, sumX = 0, sumY = 0;
    auto wallLoads = [&](int w) {
        run.wall = w;
        WallResult& r = run.result(s, w);
        const double area = run.put(r.area, run.in(s, w, WallField::dimx) * run.in(s, w, WallField::dimy));
        r.baseStress = 0.0;
        r.staticStress = 0.0;
        if constexpr (zeroEmptyValues) {
            run.zeroIfEmpty(s, w, WallField::solai);
            run.zeroIfEmpty(s, w, WallField::sbalzi);
        }
        const double load = cantileverLoad * run.in(s, w, WallField::sbalzi) +
                            slabLoad * run.in(s, w, WallField::solai) + hp * specifico * area;
        const double normalForce = run.put(r.normalForce, above[w].normalForce.writtenNumber() + load);
        const double ownStress = area > 0 ? run.put(r.baseStress, run.divide(load, area)) : 0.0;
        const double baseStress = run.put(r.baseStress, ownStress + above[w].baseStress.writtenNumber());
        if constexpr (zeroEmptyValues) {
            run.zeroIfEmpty(s, w, WallField::ascissa);
            run.zeroIfEmpty(s, w, WallField::ordinata);
        }
        sumN += normalForce;
        sumX += run.in(s, w, WallField::ascissa) * area * baseStress;
        sumY += run.in(s, w, WallField::ordinata) * area * baseStress;
    };
    auto pairLoads = [&](int w) {
        WallResult &r1 = run.result(s, w), &r2 = run.result(s, w + 1);
        const WallPair area = run.inPair(s, w, WallField::dimx) * run.inPair(s, w, WallField::dimy);
        const WallPair load = cantileverLoad * run.inPair(s, w, WallField::sbalzi) +
                              slabLoad * run.inPair(s, w, WallField::solai) + hp * specifico * area;
        const WallPair normalForce =
            WallPair(above[w].normalForce.writtenNumber(), above[w + 1].normalForce.writtenNumber()) + load;
        const LaneMask loaded = area > 0;
        const WallPair ownStress = select(loaded, load / area, 0.0);
        const WallPair baseStress =
            ownStress + WallPair(above[w].baseStress.writtenNumber(), above[w + 1].baseStress.writtenNumber());
        if ((notFinite(area) | notFinite(normalForce) | notFinite(ownStress) | notFinite(baseStress)).any())
            return false;
        area.storeTo(r1.area, r2.area);
        normalForce.storeTo(r1.normalForce, r2.normalForce);
        baseStress.storeTo(r1.baseStress, r2.baseStress);
        r1.staticStress = 0.0;
        r2.staticStress = 0.0;
        addLanes(sumN, normalForce);
        addLanes(sumX, run.inPair(s, w, WallField::ascissa) * area * baseStress);
        addLanes(sumY, run.inPair(s, w, WallField::ordinata) * area * baseStress);
        return true;
    };
    run.at(Phase::WallLoads, s);
    if constexpr (zeroEmptyValues)
        for (int w = 1; w <= run.walls; ++w) wallLoads(w);
    else
        forWallPairs(1, run.walls, pairLoads, wallLoads);
    run.at(Phase::WallLoads, s);
    FloorResult& floor = run.result(s);
    run.put(floor.massCentreX, run.divide(sumX, sumN));
    run.put(floor.massCentreY, run.divide(sumY, sumN));
}

} // namespace

void computeWallLoads(EngineRun& run) {
    constexpr std::uint16_t zeroed =
        EngineRun::fieldBits({WallField::solai, WallField::sbalzi, WallField::ascissa, WallField::ordinata});
    for (int s = run.storeys; s >= 1; --s) {
        if (run.anyEmpty(s, zeroed))
            computeStoreyWallLoads<true>(run, s);
        else
            computeStoreyWallLoads<false>(run, s);
    }
}

} // namespace calvex::engine
