// Storey weights lumped at the floor levels, the seismic coefficient, the
// distribution of the seismic action over the height and the storey forces.

#include "engine_run.h"

CALVEX_WALL_LOOPS_BEGIN

void computeStoreyWeights(EngineRun& run) {
    for (int level = run.storeys; level >= 0; --level) {
        run.at(Phase::StoreyWeights, level);
        FloorResult& floor = run.result(level);
        const double hp = run.in(level, FloorField::hp);
        const double specifico = run.in(level, FloorField::specifico);
        const bool hasAbove = level + 1 <= run.storeys;
        const double hpAbove = hasAbove ? run.in(level + 1, FloorField::hp) : 0.0;
        const double specificoAbove = hasAbove ? run.in(level + 1, FloorField::specifico) : 0.0;
        const double cantileverLoad =
            run.riduz * run.in(level, FloorField::accsbalzi) + run.in(level, FloorField::permsbalzi);
        const double slabLoad = run.riduz * run.in(level, FloorField::accsolai) + run.in(level, FloorField::permsolai);
        run.put(floor.storeyHeight, hp);
        const StoreyWalls row = run.storeyWalls(level);
        // Above the top storey: a row that is never read.
        const StoreyWalls rowAbove = hasAbove ? run.storeyWalls(level + 1) : row;
        double weight = 0;
        auto wallWeight = [&](int w) {
            run.wall = w;
            WallResultRows& r = row.results;
            const double own = level == 0 ? 0.0 : hp * specifico * r.area[w].writtenNumber() / 2;
            const double fromAbove =
                hasAbove ? hpAbove * specificoAbove * rowAbove.results.area[w].writtenNumber() / 2 : 0.0;
            const double selfWeight = run.put(r.selfWeightShare[w], own + fromAbove);
            const double slab = run.put(r.slabLoad[w], level == 0 ? 0.0
                                                                  : cantileverLoad * row.in(w, WallField::sbalzi) +
                                                                        slabLoad * row.in(w, WallField::solai));
            weight += slab + selfWeight;
        };
        auto groupWeight = [&]<typename Lanes>(int w) {
            WallResultRows& r = row.results;
            const Lanes own = level == 0 ? 0.0 : hp * specifico * Lanes::written(r.area, w) / 2;
            const Lanes fromAbove =
                hasAbove ? hpAbove * specificoAbove * Lanes::written(rowAbove.results.area, w) / 2 : 0.0;
            const Lanes selfWeight = own + fromAbove;
            const Lanes slab = level == 0 ? 0.0
                                          : cantileverLoad * Lanes::at(row.input(WallField::sbalzi), w) +
                                                slabLoad * Lanes::at(row.input(WallField::solai), w);
            if ((notFinite(selfWeight) | notFinite(slab)).any()) return false;
            selfWeight.storeTo(r.selfWeightShare, w);
            slab.storeTo(r.slabLoad, w);
            addLanes(weight, slab + selfWeight);
            return true;
        };
        forWallGroups<WallGroup>(1, run.walls, groupWeight, wallWeight);
        run.put(floor.storeyWeight, weight);
    }
}

void computeSeismicForces(EngineRun& run) {
    run.at(Phase::SeismicForces);
    ProjectData& project = run.project;
    BuildingResult& building = project.building();
    double totalWeight = 0;
    for (int level = run.storeys; level >= 0; --level) totalWeight += run.result(level).storeyWeight.number();
    run.put(building.totalWeight, totalWeight);

    if (run.grado <= 2) {
        run.grado = 2.001;
        project.setGeneral(GeneralField::grado, FieldValue::real(2.001));
    }
    const double coefficient = (run.grado - 2) / 100;
    const double k = run.protez * run.strutt * coefficient;

    if (run.storeys >= 1) {
        FloorResult& first = run.result(1);
        run.put(first.storeyHeight, first.storeyHeight.number() - 0.1);
    }
    double weightedHeights = 0;
    for (int level = 0; level <= run.storeys; ++level) {
        FloorResult& floor = run.result(level);
        const double below = level == 0 ? 0.0 : run.result(level - 1).levelHeight.number();
        run.put(floor.levelHeight, level == 0 ? 0.0 : floor.storeyHeight.number() + below);
        weightedHeights += floor.levelHeight.number() * floor.storeyWeight.number();
    }
    if (weightedHeights == 0) run.stop(StopReason::ZeroWeightedHeights);
    run.put(building.massHeight, run.divide(weightedHeights, totalWeight));

    double totalForce = 0, forceMoment = 0;
    for (int level = 0; level <= run.storeys; ++level) {
        run.storey = level;
        FloorResult& floor = run.result(level);
        const double height = floor.levelHeight.number();
        run.put(floor.distributionCoeff, run.divide(height * totalWeight, weightedHeights));
        run.put(floor.storeyForce, floor.distributionCoeff.number() * k * floor.storeyWeight.number());
        totalForce += floor.storeyForce.number();
        forceMoment += height * floor.storeyForce.number();
    }
    run.put(building.totalForce, totalForce);
    run.storey = 0;
    run.put(building.forceHeight, run.divide(forceMoment, totalForce));
}

CALVEX_WALL_LOOPS_END
