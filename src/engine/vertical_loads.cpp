// Tie stresses, wall loads with the normal force from the top storey down,
// and the centres of mass of the storeys.

#include "engine_run.h"

CALVEX_WALL_LOOPS_BEGIN

void computeTieStresses(EngineRun& run) {
    constexpr std::uint16_t dimensions = EngineRun::fieldBits({WallField::dimx, WallField::dimy});
    for (int s = run.storeys; s >= 1; --s) {
        const double h = run.in(s, FloorField::hp);
        const StoreyWalls row = run.storeyWalls(s);
        WallResultRows& r = row.results;
        auto wallTies = [&](int w) {
            run.wall = w;
            if (row.emptyBits(w) & dimensions) run.stop(StopReason::EmptyDimension);
            const double dimx = row.in(w, WallField::dimx);
            const double dimy = row.in(w, WallField::dimy);
            const double thickness = dimy < dimx ? dimy : dimx;
            if (thickness == 0.0) return;
            // Most walls have no ties: their stresses are 0, which no check
            // need look at.
            const double horizontalTies = row.in(w, WallField::tirantiO);
            if (horizontalTies > 0)
                run.put(r.tieStressH[w], run.divide(horizontalTies, h * thickness));
            else
                r.tieStressH[w] = 0.0;
            const double verticalTies = row.in(w, WallField::tirantiV);
            if (verticalTies > 0)
                run.put(r.tieStressV[w], run.divide(verticalTies, dimx * dimy));
            else
                r.tieStressV[w] = 0.0;
        };
        // Walls that all have a thickness and no ties.
        auto groupTies = [&]<typename Lanes>(int w) {
            std::uint16_t empty = 0;
            for (int i = 0; i < Lanes::width; ++i) empty |= row.emptyBits(w + i);
            const Lanes thickness =
                lesserOf(Lanes::at(row.input(WallField::dimy), w), Lanes::at(row.input(WallField::dimx), w));
            if ((empty & dimensions) || (thickness == 0).any() ||
                ((Lanes::at(row.input(WallField::tirantiO), w) > 0) |
                 (Lanes::at(row.input(WallField::tirantiV), w) > 0))
                    .any())
                return false;
            Lanes(0.0).storeTo(r.tieStressH, w);
            Lanes(0.0).storeTo(r.tieStressV, w);
            return true;
        };
        run.at(Phase::TieStresses, s);
        forWallGroups<WallGroup>(1, row.count, groupTies, wallTies);
    }
}

namespace {

template <bool zeroEmptyValues>
void computeStoreyWallLoads(EngineRun& run, int s) {
    const double specifico = run.in(s, FloorField::specifico);
    const double hp = run.in(s, FloorField::hp);
    const double cantileverLoad = run.riduz * run.in(s, FloorField::accsbalzi) + run.in(s, FloorField::permsbalzi);
    const double slabLoad = run.riduz * run.in(s, FloorField::accsolai) + run.in(s, FloorField::permsolai);
    const WallResultRows& above = run.rowsAbove(s);
    WallResultRows& r = run.results(s);
    double sumN = 0, sumX = 0, sumY = 0;
    auto wallLoads = [&](int w) {
        run.wall = w;
        const double area = run.put(r.area[w], run.in(s, w, WallField::dimx) * run.in(s, w, WallField::dimy));
        r.baseStress[w] = 0.0;
        r.staticStress[w] = 0.0;
        if constexpr (zeroEmptyValues) {
            run.zeroIfEmpty(s, w, WallField::solai);
            run.zeroIfEmpty(s, w, WallField::sbalzi);
        }
        const double load = cantileverLoad * run.in(s, w, WallField::sbalzi) +
                            slabLoad * run.in(s, w, WallField::solai) + hp * specifico * area;
        const double normalForce = run.put(r.normalForce[w], above.normalForce[w].writtenNumber() + load);
        const double ownStress = area > 0 ? run.put(r.baseStress[w], run.divide(load, area)) : 0.0;
        const double baseStress = run.put(r.baseStress[w], ownStress + above.baseStress[w].writtenNumber());
        if constexpr (zeroEmptyValues) {
            run.zeroIfEmpty(s, w, WallField::ascissa);
            run.zeroIfEmpty(s, w, WallField::ordinata);
        }
        sumN += normalForce;
        sumX += run.in(s, w, WallField::ascissa) * area * baseStress;
        sumY += run.in(s, w, WallField::ordinata) * area * baseStress;
    };
    auto groupLoads = [&]<typename Lanes>(int w) {
        const Lanes area = Lanes::at(run.input(s, WallField::dimx), w) * Lanes::at(run.input(s, WallField::dimy), w);
        const Lanes load = cantileverLoad * Lanes::at(run.input(s, WallField::sbalzi), w) +
                           slabLoad * Lanes::at(run.input(s, WallField::solai), w) + hp * specifico * area;
        const Lanes normalForce = Lanes::written(above.normalForce, w) + load;
        const auto loaded = area > 0;
        const Lanes ownStress = select(loaded, load / area, 0.0);
        const Lanes baseStress = ownStress + Lanes::written(above.baseStress, w);
        if ((notFinite(area) | notFinite(normalForce) | notFinite(ownStress) | notFinite(baseStress)).any())
            return false;
        area.storeTo(r.area, w);
        normalForce.storeTo(r.normalForce, w);
        baseStress.storeTo(r.baseStress, w);
        Lanes(0.0).storeTo(r.staticStress, w);
        addLanes(sumN, normalForce);
        addLanes(sumX, Lanes::at(run.input(s, WallField::ascissa), w) * area * baseStress);
        addLanes(sumY, Lanes::at(run.input(s, WallField::ordinata), w) * area * baseStress);
        return true;
    };
    run.at(Phase::WallLoads, s);
    if constexpr (zeroEmptyValues)
        for (int w = 1; w <= run.walls; ++w) wallLoads(w);
    else
        forWallGroups<WallGroup>(1, run.walls, groupLoads, wallLoads);
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

CALVEX_WALL_LOOPS_END
