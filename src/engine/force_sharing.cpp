// Sharing of each storey force among the walls of the X and Y lists, the
// horizontal forces from the top storey down, the full-load stress and the
// ultimate shear of every wall.

#include <cmath>

#include "engine_run.h"

CALVEX_WALL_LOOPS_BEGIN

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
    auto groupShare = [&]<typename Lanes>(int w) {
        WallResultRows& r = row.results;
        const Lanes k = Lanes::written(r.*list.stiffness, w);
        const Lanes direct = k * force / stiffnessSum;
        const Lanes torsion = Lanes::written(r.torsionForce, w);
        const Lanes share = polar == 0
                                ? direct + torsion
                                : Lanes::written(r.*list.arm, w) * k * eccentricity * force / polar + direct + torsion;
        if (stiffnessSum == 0 || notFinite(share).any()) return false;
        share.storeTo(r.*list.share, w);
        addLanes(shareSum, share);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallGroups<WallGroup>(firstWall, lastWall, groupShare, wallShare);
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
    auto groupStress = [&]<typename Lanes>(int w) {
        WallResultRows& r = row.results;
        const Lanes area = Lanes::written(r.area, w);
        const Lanes fullLoad =
            (permsbalzi + accsbalzi) * Lanes::at(row.input(WallField::sbalzi), w) +
            ((accsolai + permsolai) * Lanes::at(row.input(WallField::solai), w) + hp * specifico * area);
        const Lanes ownStress = fullLoad / area;
        const Lanes staticStress = ownStress + Lanes::written(above.staticStress, w);
        if (((area == 0) | notFinite(fullLoad) | notFinite(ownStress) | notFinite(staticStress)).any()) return false;
        fullLoad.storeTo(r.fullLoad, w);
        staticStress.storeTo(r.staticStress, w);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallGroups<WallGroup>(1, run.walls, groupStress, wallStress);
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
    auto groupForce = [&]<typename Lanes>(int w) {
        WallResultRows& r = row.results;
        const Lanes force = Lanes::written(r.*list.share, w) + Lanes::written(above.*list.horizontalForce, w);
        if (notFinite(force).any()) return false;
        force.storeTo(r.*list.horizontalForce, w);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallGroups<WallGroup>(firstWall, lastWall, groupForce, wallForce);
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
    auto groupShear = [&]<typename Lanes>(int w) {
        WallResultRows& r = row.results;
        const Lanes tk = Lanes::at(row.input(WallField::tauk), w);
        const Lanes area = Lanes::written(r.area, w);
        const auto resists = (tk != 0) & (area != 0);
        const Lanes so = Lanes::written(r.staticStress, w);
        // Lanes without an area may hold anything here: they are masked.
        const Lanes sy = Lanes::written(r.tieStressV, w);
        const Lanes sx = Lanes::written(r.tieStressH, w);
        const Lanes radicand = 1 + (sx + (sy + so)) / (1.5 * tk) + sx * (sy + so) / (2.25 * (tk * tk));
        const Lanes tu = select(resists, sqrt(radicand) * (tk * area), 0.0);
        if ((resists & (radicand < 0)).any() || notFinite(tu).any()) return false;
        tu.storeTo(r.*list.ultimateShear, w);
        addLanes(sum, tu);
        return true;
    };
    run.at(Phase::ForceSharing, s);
    forWallGroups<WallGroup>(firstWall, lastWall, groupShear, wallShear);
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

CALVEX_WALL_LOOPS_END
