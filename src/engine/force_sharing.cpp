// Sharing of each storey force among the walls of the X and Y lists, the
// horizontal forces from the top storey down, the full-load stress and the
// ultimate shear of every wall.

#include <cmath>

#include "engine_run.h"

namespace calvex::engine {

namespace {

struct ListOfWalls {
    ResultValue WallResult::*stiffness;
    ResultValue WallResult::*arm;
    ResultValue WallResult::*share;
    ResultValue WallResult::*horizontalForce;
    ResultValue WallResult::*ultimateShear;
    ResultValue FloorResult::*eccentricity;
    ResultValue FloorResult::*stiffnessSum;
    ResultValue FloorResult::*shareSum;
    ResultValue FloorResult::*ultimateShearSum;
};

constexpr ListOfWalls kXList{&WallResult::stiffnessX,       &WallResult::armY,           &WallResult::storeyShareX,
                             &WallResult::horizontalForceX, &WallResult::ultimateShearX, &FloorResult::eccY,
                             &FloorResult::sumKxList,       &FloorResult::sumShareX,     &FloorResult::sumTuX};
constexpr ListOfWalls kYList{&WallResult::stiffnessY,       &WallResult::armX,           &WallResult::storeyShareY,
                             &WallResult::horizontalForceY, &WallResult::ultimateShearY, &FloorResult::eccX,
                             &FloorResult::sumKyList,       &FloorResult::sumShareY,     &FloorResult::sumTuY};

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
        WallResult& r = row.result(w);
        const double k = (r.*list.stiffness).writtenNumber();
        const double direct = run.divide(k * force, stiffnessSum);
        const double torsion = r.torsionForce.writtenNumber();
        const double share =
            polar == 0 ? direct + torsion
                       : run.divide((r.*list.arm).writtenNumber() * k * eccentricity * force, polar) + direct + torsion;
        shareSum += run.put(r.*list.share, share);
    };
    auto pairShare = [&](int w) {
        WallResult &r1 = row.result(w), &r2 = row.result(w + 1);
        const WallPair k = writtenPair(r1, r2, list.stiffness);
        const WallPair direct = k * force / stiffnessSum;
        const WallPair torsion = writtenPair(r1, r2, &WallResult::torsionForce);
        const WallPair share =
            polar == 0 ? direct + torsion
                       : writtenPair(r1, r2, list.arm) * k * eccentricity * force / polar + direct + torsion;
        if (stiffnessSum == 0 || notFinite(share).any()) return false;
        share.storeTo(r1.*list.share, r2.*list.share);
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
    const WallResult* above = run.rowAbove(s);
    auto wallStress = [&](int w) {
        run.wall = w;
        WallResult& r = row.result(w);
        const double area = r.area.writtenNumber();
        double staticStress = r.staticStress.writtenNumber();
        if (area != 0) {
            const double fullLoad =
                run.put(r.fullLoad, (permsbalzi + accsbalzi) * row.in(w, WallField::sbalzi) +
                                        ((accsolai + permsolai) * row.in(w, WallField::solai) + hp * specifico * area));
            staticStress = run.put(r.staticStress, run.divide(fullLoad, area));
        }
        run.put(r.staticStress, staticStress + above[w].staticStress.writtenNumber());
    };
    // Only pairs of walls that both have an area: the others keep the full
    // load they had.
    auto pairStress = [&](int w) {
        WallResult &r1 = row.result(w), &r2 = row.result(w + 1);
        const WallPair area = writtenPair(r1, r2, &WallResult::area);
        const WallPair fullLoad = (permsbalzi + accsbalzi) * row.inPair(w, WallField::sbalzi) +
                                  ((accsolai + permsolai) * row.inPair(w, WallField::solai) + hp * specifico * area);
        const WallPair ownStress = fullLoad / area;
        const WallPair staticStress = ownStress + writtenPair(above[w], above[w + 1], &WallResult::staticStress);
        if (((area == 0) | notFinite(fullLoad) | notFinite(ownStress) | notFinite(staticStress)).any()) return false;
        fullLoad.storeTo(r1.fullLoad, r2.fullLoad);
        staticStress.storeTo(r1.staticStress, r2.staticStress);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallPairs(1, run.walls, pairStress, wallStress);
}

void accumulateHorizontalForces(EngineRun& run, int s, int firstWall, int lastWall, const ListOfWalls& list) {
    const StoreyWalls row = run.storeyWalls(s);
    const WallResult* above = run.rowAbove(s);
    auto wallForce = [&](int w) {
        run.wall = w;
        WallResult& r = row.result(w);
        run.put(r.*list.horizontalForce,
                (r.*list.share).writtenNumber() + (above[w].*list.horizontalForce).writtenNumber());
    };
    auto pairForce = [&](int w) {
        WallResult &r1 = row.result(w), &r2 = row.result(w + 1);
        const WallPair force =
            writtenPair(r1, r2, list.share) + writtenPair(above[w], above[w + 1], list.horizontalForce);
        if (notFinite(force).any()) return false;
        force.storeTo(r1.*list.horizontalForce, r2.*list.horizontalForce);
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
        WallResult& r = row.result(w);
        const double tk = row.in(w, WallField::tauk);
        const double area = r.area.writtenNumber();
        double tu = 0;
        if (tk != 0 && area != 0) {
            const double so = r.staticStress.writtenNumber();
            // A wall with an area has a thickness, so the run has written its tie stresses.
            const double sy = r.tieStressV.writtenNumber();
            const double sx = r.tieStressH.writtenNumber();
            const double radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
            tu = run.root(radicand) * (tk * area);
        }
        sum += run.put(r.*list.ultimateShear, tu);
    };
    auto pairShear = [&](int w) {
        WallResult &r1 = row.result(w), &r2 = row.result(w + 1);
        const WallPair tk = row.inPair(w, WallField::tauk);
        const WallPair area = writtenPair(r1, r2, &WallResult::area);
        const LaneMask resists = (tk != 0) & (area != 0);
        const WallPair so = writtenPair(r1, r2, &WallResult::staticStress);
        // Lanes without an area may hold anything here: they are masked.
        const WallPair sy = writtenPair(r1, r2, &WallResult::tieStressV);
        const WallPair sx = writtenPair(r1, r2, &WallResult::tieStressH);
        const WallPair radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
        const WallPair tu = select(resists, sqrt(radicand) * (tk * area), 0.0);
        if ((resists & (radicand < 0)).any() || notFinite(tu).any()) return false;
        tu.storeTo(r1.*list.ultimateShear, r2.*list.ultimateShear);
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
