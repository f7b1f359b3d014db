// Sharing of each storey force among the walls of the X and Y lists, the
// horizontal forces from the top storey down, the full-load stress and the
// ultimate shear of every wall.

#include <cmath>

#include "engine_run.h"

namespace calvex::engine {

namespace {

struct ListOfWalls {
    WallRow<ResultValue> WallResultRows::*stiffness;
    WallRow<ResultValue> WallResultRows::*arm;
    WallRow<ResultValue> WallResultRows::*share;
    WallRow<ResultValue> WallResultRows::*horizontalForce;
    WallRow<ResultValue> WallResultRows::*ultimateShear;
    ResultValue FloorResult::*eccentricity;
    ResultValue FloorResult::*stiffnessSum;
    ResultValue FloorResult::*shareSum;
    ResultValue FloorResult::*ultimateShearSum;
};

constexpr ListOfWalls kXList{
    &WallResultRows::stiffnessX,       &WallResultRows::armY,           &WallResultRows::storeyShareX,
    &WallResultRows::horizontalForceX, &WallResultRows::ultimateShearX, &FloorResult::eccY,
    &FloorResult::sumKxList,           &FloorResult::sumShareX,         &FloorResult::sumTuX};
constexpr ListOfWalls kYList{
    &WallResultRows::stiffnessY,       &WallResultRows::armX,           &WallResultRows::storeyShareY,
    &WallResultRows::horizontalForceY, &WallResultRows::ultimateShearY, &FloorResult::eccX,
    &FloorResult::sumKyList,           &FloorResult::sumShareY,         &FloorResult::sumTuY};

void shareStoreyForce(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    WallResultRows& r = run.results(s);
    FloorResult& floor = run.result(s);
    const double force = floor.storeyForce.number();
    const double polar = floor.polarMoment.number();
    const double eccentricity = std::fabs((floor.*list.eccentricity).number());
    const double stiffnessSum = (floor.*list.stiffnessSum).number();
    double shareSum = 0;
    run.at(Phase::ForceSharing, s);
    for (int w = firstWall; w <= lastWall; ++w) {
        run.wall = w;
        const double k = (r.*list.stiffness)[w].number();
        // Direct share: K F / the sum of K over the list.
        const double direct = run.divide(k * force, stiffnessSum);
        const double torsion = r.torsionForce[w].number();
        // Storey share: arm K |ecc| F / polarMoment + the direct share + torsionForce.
        const double share =
            polar == 0 ? direct + torsion
                       : run.divide((r.*list.arm)[w].number() * k * eccentricity * force, polar) + direct + torsion;
        shareSum += run.put((r.*list.share)[w], share);
    }
    run.put(floor.*list.shareSum, shareSum);
}

void computeStaticStresses(EngineRun& run, int s) {
    WallResultRows& r = run.results(s);
    const double permsbalzi = run.in(s, FloorField::permsbalzi), accsbalzi = run.in(s, FloorField::accsbalzi);
    const double permsolai = run.in(s, FloorField::permsolai), accsolai = run.in(s, FloorField::accsolai);
    const StoreyLoads loads = storeyLoads(run, s);
    run.at(Phase::ForceSharing, s);
    for (int w = 1; w <= run.walls; ++w) {
        run.wall = w;
        const double area = r.area[w].number();
        double staticStress = r.staticStress[w].number();
        if (area != 0) {
            // Full load: (permsbalzi + accsbalzi) sbalzi + ((accsolai + permsolai) solai + hp specifico area).
            const double fullLoad = run.put(
                r.fullLoad[w], (permsbalzi + accsbalzi) * run.in(s, w, WallField::sbalzi) +
                                   ((accsolai + permsolai) * run.in(s, w, WallField::solai) + loads.wallWeight(area)));
            // Static stress: fullLoad / area, plus that of the wall above.
            staticStress = run.put(r.staticStress[w], run.divide(fullLoad, area));
        }
        run.put(r.staticStress[w], staticStress + run.above(s, w, &WallResultRows::staticStress));
    }
}

void accumulateHorizontalForces(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    WallResultRows& r = run.results(s);
    run.at(Phase::ForceSharing, s);
    for (int w = firstWall; w <= lastWall; ++w) {
        run.wall = w;
        // Horizontal force: the storey share plus that of the wall above.
        run.put((r.*list.horizontalForce)[w], (r.*list.share)[w].number() + run.above(s, w, list.horizontalForce));
    }
}

void computeUltimateShears(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    WallResultRows& r = run.results(s);
    FloorResult& floor = run.result(s);
    double sum = (floor.*list.ultimateShearSum).number();
    run.at(Phase::ForceSharing, s);
    for (int w = firstWall; w <= lastWall; ++w) {
        run.wall = w;
        const double tk = run.in(s, w, WallField::tauk);
        const double area = r.area[w].number();
        double tu = 0;
        if (tk != 0 && area != 0) {
            const double so = r.staticStress[w].number();
            // A wall with an area has a thickness, so the run has written its tie stresses.
            const double sy = r.tieStressV[w].number();
            const double sx = r.tieStressH[w].number();
            // Tu = sqrt(1 + (sx + sy + so) / (1.5 tk) + sx (sy + so) / (2.25 tk^2)) tk A
            const double radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
            tu = run.root(radicand) * (tk * area);
        }
        sum += run.put((r.*list.ultimateShear)[w], tu);
    }
    run.put(floor.*list.ultimateShearSum, sum);
}

} // namespace

void shareForces(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        FloorResult& floor = run.result(s);
        floor.sumShareX = floor.sumShareY = floor.sumTuX = floor.sumTuY = 0.0;
    }
    const int lastX = run.xWalls;
    for (int s = run.storeys; s >= 1; --s) {
        shareStoreyForce(run, s, 1, lastX, kXList);
        shareStoreyForce(run, s, lastX + 1, run.walls, kYList);
        computeStaticStresses(run, s);
        accumulateHorizontalForces(run, s, 1, lastX, kXList);
        accumulateHorizontalForces(run, s, lastX + 1, run.walls, kYList);
        computeUltimateShears(run, s, 1, lastX, kXList);
        computeUltimateShears(run, s, lastX + 1, run.walls, kYList);
        run.at(Phase::ForceSharing, s);
        FloorResult& floor = run.result(s);
        // Storey shear: storeyForce + the storey shear above.
        run.put(floor.storeyShear, floor.storeyForce.number() + run.above(s, &FloorResult::storeyShear));
    }
}

} // namespace calvex::engine
