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
    const StoreyWalls row = run.storeyWalls(s);
    FloorResult& floor = run.result(s);
    const double force = floor.storeyForce.number();
    const double polar = floor.polarMoment.number();
    const double eccentricity = std::fabs((floor.*list.eccentricity).number());
    const double stiffnessSum = (floor.*list.stiffnessSum).number();
    double shareSum = 0;
    auto wallShare = [&](int w) {
        run.wall = w;
        WallResultRows& r = row.results;
        const double k = (r.*list.stiffness)[w].writtenNumber();
        const double direct = run.divide(k * force, stiffnessSum);
        const double torsion = r.torsionForce[w].writtenNumber();
        const double share =
            polar == 0
                ? direct + torsion
                : run.divide((r.*list.arm)[w].writtenNumber() * k * eccentricity * force, polar) + direct + torsion;
        shareSum += run.put((r.*list.share)[w], share);
    };
    auto pairShare = [&](int w) {
        WallResultRows& r = row.results;
        const WallPair k = writtenPair(r.*list.stiffness, w);
        const WallPair direct = k * force / stiffnessSum;
        const WallPair torsion = writtenPair(r.torsionForce, w);
        const WallPair share = polar == 0
                                   ? direct + torsion
                                   : writtenPair(r.*list.arm, w) * k * eccentricity * force / polar + direct + torsion;
        if (stiffnessSum == 0 || notFinite(share).any()) return false;
        storePair(r.*list.share, w, share);
        addLanes(shareSum, share);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallPairs(firstWall, lastWall, pairShare, wallShare);
    run.put(floor.*list.shareSum, shareSum);
}

void computeStaticStresses(EngineRun& run, int s) {
    const StoreyWalls row = run.storeyWalls(s);
    const double permsbalzi = run.in(s, FloorField::permsbalzi), accsbalzi = run.in(s, FloorField::accsbalzi);
    const double permsolai = run.in(s, FloorField::permsolai), accsolai = run.in(s, FloorField::accsolai);
    const double hp = run.in(s, FloorField::hp), specifico = run.in(s, FloorField::specifico);
    const WallResultRows& above = run.rowsAbove(s);
    auto wallStress = [&](int w) {
        run.wall = w;
        WallResultRows& r = row.results;
        const double area = r.area[w].writtenNumber();
        double staticStress = r.staticStress[w].writtenNumber();
        if (area != 0) {
            const double fullLoad = run.put(
                r.fullLoad[w], (permsbalzi + accsbalzi) * row.in(w, WallField::sbalzi) +
                                   ((accsolai + permsolai) * row.in(w, WallField::solai) + hp * specifico * area));
            staticStress = run.put(r.staticStress[w], run.divide(fullLoad, area));
        }
        run.put(r.staticStress[w], staticStress + above.staticStress[w].writtenNumber());
    };
    // Only pairs of walls that both have an area: the others keep the full
    // load they had.
    auto pairStress = [&](int w) {
        WallResultRows& r = row.results;
        const WallPair area = writtenPair(r.area, w);
        const WallPair fullLoad = (permsbalzi + accsbalzi) * row.inPair(w, WallField::sbalzi) +
                                  ((accsolai + permsolai) * row.inPair(w, WallField::solai) + hp * specifico * area);
        const WallPair ownStress = fullLoad / area;
        const WallPair staticStress = ownStress + writtenPair(above.staticStress, w);
        if (((area == 0) | notFinite(fullLoad) | notFinite(ownStress) | notFinite(staticStress)).any()) return false;
        storePair(r.fullLoad, w, fullLoad);
        storePair(r.staticStress, w, staticStress);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallPairs(1, run.walls, pairStress, wallStress);
}

void accumulateHorizontalForces(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    const StoreyWalls row = run.storeyWalls(s);
    const WallResultRows& above = run.rowsAbove(s);
    auto wallForce = [&](int w) {
        run.wall = w;
        WallResultRows& r = row.results;
        run.put((r.*list.horizontalForce)[w],
                (r.*list.share)[w].writtenNumber() + (above.*list.horizontalForce)[w].writtenNumber());
    };
    auto pairForce = [&](int w) {
        WallResultRows& r = row.results;
        const WallPair force = writtenPair(r.*list.share, w) + writtenPair(above.*list.horizontalForce, w);
        if (notFinite(force).any()) return false;
        storePair(r.*list.horizontalForce, w, force);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallPairs(firstWall, lastWall, pairForce, wallForce);
}

// Tu = sqrt(1 + (sx + sy + so) / (1.5 tk) + sx (sy + so) / (2.25 tk^2)) * tk * A
void computeUltimateShears(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    const StoreyWalls row = run.storeyWalls(s);
    FloorResult& floor = run.result(s);
    double sum = (floor.*list.ultimateShearSum).number();
    auto wallShear = [&](int w) {
        run.wall = w;
        WallResultRows& r = row.results;
        const double tk = row.in(w, WallField::tauk);
        const double area = r.area[w].writtenNumber();
        double tu = 0;
        if (tk != 0 && area != 0) {
            const double so = r.staticStress[w].writtenNumber();
            // A wall with an area has a thickness, so the run has written its tie stresses.
            const double sy = r.tieStressV[w].writtenNumber();
            const double sx = r.tieStressH[w].writtenNumber();
            const double radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
            tu = run.root(radicand) * (tk * area);
        }
        sum += run.put((r.*list.ultimateShear)[w], tu);
    };
    auto pairShear = [&](int w) {
        WallResultRows& r = row.results;
        const WallPair tk = row.inPair(w, WallField::tauk);
        const WallPair area = writtenPair(r.area, w);
        const LaneMask resists = (tk != 0) & (area != 0);
        const WallPair so = writtenPair(r.staticStress, w);
        // Lanes without an area may hold anything here: they are masked.
        const WallPair sy = writtenPair(r.tieStressV, w);
        const WallPair sx = writtenPair(r.tieStressH, w);
        const WallPair radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
        const WallPair tu = select(resists, sqrt(radicand) * (tk * area), 0.0);
        if ((resists & (radicand < 0)).any() || notFinite(tu).any()) return false;
        storePair(r.*list.ultimateShear, w, tu);
        addLanes(sum, tu);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallPairs(firstWall, lastWall, pairShear, wallShear);
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
        run.put(floor.storeyShear, floor.storeyForce.number() + run.above(s, &FloorResult::storeyShear));
    }
}

} // namespace calvex::engine
