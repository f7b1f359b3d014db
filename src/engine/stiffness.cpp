// Shear stiffness of the walls, centres of stiffness, lever arms, polar
// moment and the additional torsion of elongated buildings.

#include "engine_run.h"

CALVEX_WALL_LOOPS_BEGIN

namespace {

template <bool zeroEmptyValues>
void computeStoreyStiffness(EngineRun& run, int s) {
    const double h = run.in(s, FloorField::hp);
    double sumKx = 0, sumKy = 0, sumYKx = 0, sumXKy = 0;
    auto wallStiffness = [&](int w) {
        run.wall = w;
        WallResultRows& r = run.results(s);
        if constexpr (zeroEmptyValues) run.zeroIfEmpty(s, w, WallField::tauk);
        const double shearModulus = run.put(r.shearModulus[w], 1100 * run.in(s, w, WallField::tauk));
        const double area = r.area[w].writtenNumber();
        double kx = 0, ky = 0;
        if (area == 0) {
            r.stiffnessX[w] = 0.0;
            r.stiffnessY[w] = 0.0;
        } else {
            const double shearTerm = run.divide(area * shearModulus, 1.2 * h);
            const double slenderX = run.divide(h, run.in(s, w, WallField::dimx));
            const double slenderY = run.divide(h, run.in(s, w, WallField::dimy));
            kx = run.put(r.stiffnessX[w], shearTerm / (1 + slenderX * slenderX / 6));
            ky = run.put(r.stiffnessY[w], shearTerm / (1 + slenderY * slenderY / 6));
        }
        sumKx += kx;
        sumKy += ky;
        sumYKx += run.in(s, w, WallField::ordinata) * kx;
        sumXKy += run.in(s, w, WallField::ascissa) * ky;
    };
    auto groupStiffness = [&]<typename Lanes>(int w) {
        WallResultRows& r = run.results(s);
        const Lanes shearModulus = 1100 * Lanes::at(run.input(s, WallField::tauk), w);
        const Lanes area = Lanes::written(r.area, w);
        const auto inUse = area != 0;
        const Lanes dimx = Lanes::at(run.input(s, WallField::dimx), w),
                    dimy = Lanes::at(run.input(s, WallField::dimy), w);
        const Lanes shearTerm = area * shearModulus / (1.2 * h);
        const Lanes slenderX = h / dimx, slenderY = h / dimy;
        const Lanes kx = select(inUse, shearTerm / (1 + slenderX * slenderX / 6), 0.0);
        const Lanes ky = select(inUse, shearTerm / (1 + slenderY * slenderY / 6), 0.0);
        const auto stops =
            notFinite(shearModulus) |
            (inUse & ((Lanes(1.2 * h) == 0) | (dimx == 0) | (dimy == 0) | notFinite(kx) | notFinite(ky)));
        if (stops.any()) return false;
        shearModulus.storeTo(r.shearModulus, w);
        kx.storeTo(r.stiffnessX, w);
        ky.storeTo(r.stiffnessY, w);
        const Lanes yKx = Lanes::at(run.input(s, WallField::ordinata), w) * kx;
        const Lanes xKy = Lanes::at(run.input(s, WallField::ascissa), w) * ky;
        addLanes(sumKx, kx);
        addLanes(sumKy, ky);
        addLanes(sumYKx, yKx);
        addLanes(sumXKy, xKy);
        return true;
    };
    run.at(Phase::Stiffness, s);
    if constexpr (zeroEmptyValues)
        for (int w = 1; w <= run.walls; ++w) wallStiffness(w);
    else
        forWallGroups<WallGroup>(1, run.walls, groupStiffness, wallStiffness);
    run.at(Phase::Stiffness, s);
    FloorResult& floor = run.result(s);
    run.put(floor.stiffCentreX, run.divide(sumXKy, sumKy));
    run.put(floor.stiffCentreY, run.divide(sumYKx, sumKx));
    run.put(floor.eccX, floor.massCentreX.number() - floor.stiffCentreX.number());
    run.put(floor.eccY, floor.massCentreY.number() - floor.stiffCentreY.number());
}

} // namespace

void computeStiffness(EngineRun& run) {
    constexpr std::uint16_t zeroed = EngineRun::fieldBits({WallField::tauk});
    for (int s = run.storeys; s >= 1; --s) {
        if (run.anyEmpty(s, zeroed))
            computeStoreyStiffness<true>(run, s);
        else
            computeStoreyStiffness<false>(run, s);
    }
}

namespace {

// Distance of a coordinate from the centre of stiffness, with its sign
// reversed when the eccentricity is negative; for one wall or a pair.
template <typename Number>
Number arm(Number coordinate, double massCentre, double eccentricity) {
    return eccentricity >= 0 ? eccentricity + (coordinate - massCentre) : (massCentre - coordinate) - eccentricity;
}

} // namespace

void computeArmsAndPolarMoment(EngineRun& run) {
    for (int s = run.storeys; s >= 1; --s) {
        FloorResult& floor = run.result(s);
        const StoreyWalls row = run.storeyWalls(s);
        const double massCentreX = floor.massCentreX.number(), massCentreY = floor.massCentreY.number();
        const double eccX = floor.eccX.number(), eccY = floor.eccY.number();
        double sumKxArm2 = 0, sumKxList = 0, sumKyArm2 = 0, sumKyList = 0;
        auto wallArms = [&](int w) {
            run.wall = w;
            WallResultRows& r = row.results;
            double armX = 0, armY = 0;
            if (r.area[w].writtenNumber() == 0) {
                r.armX[w] = 0.0;
                r.armY[w] = 0.0;
            } else {
                armY = run.put(r.armY[w], arm(row.in(w, WallField::ordinata), massCentreY, eccY));
                armX = run.put(r.armX[w], arm(row.in(w, WallField::ascissa), massCentreX, eccX));
            }
            if (run.isXWall(w)) {
                const double kx = r.stiffnessX[w].writtenNumber();
                sumKxArm2 += kx * (armY * armY);
                sumKxList += kx;
            } else {
                const double ky = r.stiffnessY[w].writtenNumber();
                sumKyArm2 += ky * (armX * armX);
                sumKyList += ky;
            }
        };
        // Groups within one list.
        auto groupArms = [&]<typename Lanes>(int w) {
            const bool xList = run.isXWall(w);
            if (xList != run.isXWall(w + Lanes::width - 1)) return false;
            WallResultRows& r = row.results;
            const auto hasArea = Lanes::written(r.area, w) != 0;
            const Lanes armY =
                select(hasArea, arm(Lanes::at(row.input(WallField::ordinata), w), massCentreY, eccY), 0.0);
            const Lanes armX =
                select(hasArea, arm(Lanes::at(row.input(WallField::ascissa), w), massCentreX, eccX), 0.0);
            if ((notFinite(armX) | notFinite(armY)).any()) return false;
            armX.storeTo(r.armX, w);
            armY.storeTo(r.armY, w);
            if (xList) {
                const Lanes kx = Lanes::written(r.stiffnessX, w);
                addLanes(sumKxArm2, kx * (armY * armY));
                addLanes(sumKxList, kx);
            } else {
                const Lanes ky = Lanes::written(r.stiffnessY, w);
                addLanes(sumKyArm2, ky * (armX * armX));
                addLanes(sumKyList, ky);
            }
            return true;
        };
        run.at(Phase::Torsion, s);
        forWallGroups<WallGroup>(1, run.walls, groupArms, wallArms);
        run.at(Phase::Torsion, s);
        run.put(floor.sumKxArm2, sumKxArm2);
        run.put(floor.sumKxList, sumKxList);
        run.put(floor.sumKyArm2, sumKyArm2);
        run.put(floor.sumKyList, sumKyList);
        run.put(floor.polarMoment, sumKyArm2 + sumKxArm2);
    }
}

void computeAdditionalTorsion(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        FloorResult& floor = run.result(s);
        floor.torsionTotalForce = 0.0;
        floor.torsionMoment = 0.0;
        const StoreyWalls row = run.storeyWalls(s);
        for (int w = 1; w <= row.count; ++w) row.results.torsionForce[w] = 0.0;
    }
    const BuildingResult& building = run.project.building();
    const double lambda = building.lambda.number();
    if (lambda == 0) return;
    // An empty plan dimension (cleared by the hand-over) counts as 0.
    const double sideLong = building.sideLong.number();
    for (int s = run.storeys; s >= 1; --s) {
        run.at(Phase::Torsion, s);
        FloorResult& floor = run.result(s);
        run.put(floor.torsionTotalForce, floor.storeyForce.number());
        run.put(floor.torsionMoment, floor.torsionTotalForce.number() * sideLong * lambda);
    }
    for (int s = 1; s <= run.storeys; ++s) {
        const FloorResult& floor = run.result(s);
        const double moment = floor.torsionMoment.number();
        const StoreyWalls row = run.storeyWalls(s);
        run.at(Phase::Torsion, s);
        for (int w = 1; w <= row.count; ++w) {
            run.wall = w;
            WallResultRows& r = row.results;
            const double kx = r.stiffnessX[w].number();
            const double ky = r.stiffnessY[w].number();
            if (kx > ky)
                run.put(r.torsionForce[w], run.divide(r.armY[w].number() * kx * moment, floor.sumKxArm2.number()));
            else if (ky > kx)
                run.put(r.torsionForce[w], run.divide(r.armX[w].number() * ky * moment, floor.sumKyArm2.number()));
        }
    }
}

CALVEX_WALL_LOOPS_END
