// Storey weights lumped at the floor levels, the seismic coefficient, the
// distribution of the seismic action over the height and the storey forces.

#include "engine_run.h"

namespace calvex::engine {

void computeStoreyWeights(EngineRun& run) {
    for (int level = run.storeys; level >= 0; --level) {
        run.at(Phase::StoreyWeights, level);
        FloorResult& floor = run.result(level);
        const bool hasAbove = level + 1 <= run.storeys;
        const StoreyLoads loads = storeyLoads(run, level);
        const StoreyLoads loadsAbove = hasAbove ? storeyLoads(run, level + 1) : StoreyLoads{};
        run.put(floor.storeyHeight, run.in(level, FloorField::hp));
        WallResultRows& r = run.results(level);
        double weight = 0;
        for (int w = 1; w <= run.walls; ++w) {
            run.wall = w;
            // Self-weight share: half the wall below the level and half the wall above it.
            const double own = level == 0 ? 0.0 : loads.wallWeight(r.area[w].number()) / 2;
            const double fromAbove =
                hasAbove ? loadsAbove.wallWeight(run.results(level + 1).area[w].number()) / 2 : 0.0;
            const double selfWeight = run.put(r.selfWeightShare[w], own + fromAbove);
            // Slab share: the slabs and cantilevers the wall carries at this level.
            const double slab = run.put(r.slabLoad[w], level == 0 ? 0.0
                                                                  : loads.floorsOn(run.in(level, w, WallField::sbalzi),
                                                                                   run.in(level, w, WallField::solai)));
            // Storey weight: the sum of both shares over the walls.
            weight += slab + selfWeight;
        }
        run.put(floor.storeyWeight, weight);
    }
}

void computeSeismicForces(EngineRun& run) {
    run.at(Phase::SeismicForces);
    ProjectData& project = run.project;
    BuildingResult& building = project.building();
    // Total weight: the sum of the storey weights.
    double totalWeight = 0;
    for (int level = run.storeys; level >= 0; --level) totalWeight += run.result(level).storeyWeight.number();
    run.put(building.totalWeight, totalWeight);

    if (run.grado <= 2) {
        run.grado = 2.001;
        project.setGeneral(GeneralField::grado, FieldValue::real(2.001));
    }
    // Seismic coefficient: C = (grado - 2) / 100, and K = protez strutt C.
    const double coefficient = (run.grado - 2) / 100;
    const double k = run.protez * run.strutt * coefficient;

    if (run.storeys >= 1) {
        FloorResult& first = run.result(1);
        run.put(first.storeyHeight, first.storeyHeight.number() - 0.1);
    }
    // Level heights from the ground up, and SWZ = sum(levelHeight storeyWeight).
    double weightedHeights = 0;
    for (int level = 0; level <= run.storeys; ++level) {
        FloorResult& floor = run.result(level);
        const double below = level == 0 ? 0.0 : run.result(level - 1).levelHeight.number();
        run.put(floor.levelHeight, level == 0 ? 0.0 : floor.storeyHeight.number() + below);
        weightedHeights += floor.levelHeight.number() * floor.storeyWeight.number();
    }
    if (weightedHeights == 0) run.stop(StopReason::ZeroWeightedHeights);
    // Height of the centre of the weights: SWZ / totalWeight.
    run.put(building.massHeight, run.divide(weightedHeights, totalWeight));

    double totalForce = 0, forceMoment = 0;
    for (int level = 0; level <= run.storeys; ++level) {
        run.storey = level;
        FloorResult& floor = run.result(level);
        const double height = floor.levelHeight.number();
        // Distribution coefficient: gamma = levelHeight totalWeight / SWZ.
        run.put(floor.distributionCoeff, run.divide(height * totalWeight, weightedHeights));
        // Storey force: gamma K storeyWeight.
        run.put(floor.storeyForce, floor.distributionCoeff.number() * k * floor.storeyWeight.number());
        totalForce += floor.storeyForce.number();
        forceMoment += height * floor.storeyForce.number();
    }
    run.put(building.totalForce, totalForce);
    run.storey = 0;
    // Height of the resultant force: SFZ / totalForce, SFZ = sum(levelHeight storeyForce).
    run.put(building.forceHeight, run.divide(forceMoment, totalForce));
}

} // namespace calvex::engine
