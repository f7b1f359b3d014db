// Shear stiffness of the walls, centres of stiffness, lever arms, polar
// moment and the additional torsion of elongated buildings.

#include "engine_run.h"

namespace calvex::engine {

namespace {

void computeStoreyStiffness(EngineRun& run, int s) {
    const double h = run.in(s, FloorField::hp);
    WallResultRows& r = run.results(s);
    double sumKx = 0, sumKy = 0, sumYKx = 0, sumXKy = 0;
    run.at(Phase::Stiffness, s);
    for (int w = 1; w <= run.walls; ++w) {
        run.wall = w;
        run.zeroIfEmpty(s, w, WallField::tauk);
        // Shear modulus: G = 1100 tauk.
        const double shearModulus = run.put(r.shearModulus[w], 1100 * run.in(s, w, WallField::tauk));
        const double area = r.area[w].number();
        double kx = 0, ky = 0;
        if (area == 0) {
            r.stiffnessX[w] = 0.0;
            r.stiffnessY[w] = 0.0;
        } else {
            // Shear stiffness: (area G / (1.2 h)) / (1 + (h / dimx)^2 / 6), and the same with dimy.
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
    }
    run.at(Phase::Stiffness, s);
    FloorResult& floor = run.result(s);
    // Centre of stiffness: SXK / SKY and SYK / SKX.
    run.put(floor.stiffCentreX, run.divide(sumXKy, sumKy));
    run.put(floor.stiffCentreY, run.divide(sumYKx, sumKx));
    // Eccentricity: centre of mass minus centre of stiffness.
    run.put(floor.eccX, floor.massCentreX.number() - floor.stiffCentreX.number());
    run.put(floor.eccY, floor.massCentreY.number() - floor.stiffCentreY.number());
}

// Lever arm: the coordinate less the centre of stiffness, with its sign
// reversed when the eccentricity is negative.
double arm(double coordinate, double massCentre, double eccentricity) {
    return eccentricity >= 0 ? eccentricity + (coordinate - massCentre) : (massCentre - coordinate) - eccentricity;
}

} // namespace

void computeStiffness(EngineRun& run) {
    for (int s = run.storeys; s >= 1; --s) computeStoreyStiffness(run, s);
}

void computeArmsAndPolarMoment(EngineRun& run) {
    for (int s = run.storeys; s >= 1; --s) {
        FloorResult& floor = run.result(s);
        WallResultRows& r = run.results(s);
        const double massCentreX = floor.massCentreX.number(), massCentreY = floor.massCentreY.number();
        const double eccX = floor.eccX.number(), eccY = floor.eccY.number();
        double sumKxArm2 = 0, sumKxList = 0, sumKyArm2 = 0, sumKyList = 0;
        run.at(Phase::Torsion, s);
        for (int w = 1; w <= run.walls; ++w) {
            run.wall = w;
            double armX = 0, armY = 0;
            if (r.area[w].number() == 0) {
                r.armX[w] = 0.0;
                r.armY[w] = 0.0;
            } else {
                armY = run.put(r.armY[w], arm(run.in(s, w, WallField::ordinata), massCentreY, eccY));
                armX = run.put(r.armX[w], arm(run.in(s, w, WallField::ascissa), massCentreX, eccX));
            }
            // Sums of K arm^2 and of K, each over its list of walls.
            if (run.isXWall(w)) {
                const double kx = r.stiffnessX[w].number();
                sumKxArm2 += kx * (armY * armY);
                sumKxList += kx;
            } else {
                const double ky = r.stiffnessY[w].number();
                sumKyArm2 += ky * (armX * armX);
                sumKyList += ky;
            }
        }
        run.at(Phase::Torsion, s);
        run.put(floor.sumKxArm2, sumKxArm2);
        run.put(floor.sumKxList, sumKxList);
        run.put(floor.sumKyArm2, sumKyArm2);
        run.put(floor.sumKyList, sumKyList);
        // Polar moment: sum(Ky armX^2) + sum(Kx armY^2).
        run.put(floor.polarMoment, sumKyArm2 + sumKxArm2);
    }
}

void computeAdditionalTorsion(EngineRun& run) {
    for (int s = 1; s <= run.storeys; ++s) {
        FloorResult& floor = run.result(s);
        floor.torsionTotalForce = 0.0;
        floor.torsionMoment = 0.0;
        WallResultRows& r = run.results(s);
        for (int w = 1; w <= run.walls; ++w) r.torsionForce[w] = 0.0;
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
        // Additional torsion: torsionMoment = storeyForce sideLong lambda.
        run.put(floor.torsionMoment, floor.torsionTotalForce.number() * sideLong * lambda);
    }
    for (int s = 1; s <= run.storeys; ++s) {
        const FloorResult& floor = run.result(s);
        const double moment = floor.torsionMoment.number();
        WallResultRows& r = run.results(s);
        run.at(Phase::Torsion, s);
        for (int w = 1; w <= run.walls; ++w) {
            run.wall = w;
            const double kx = r.stiffnessX[w].number();
            const double ky = r.stiffnessY[w].number();
            // Torsion share, by the wall's stiffer direction: arm K torsionMoment / sum(K arm^2).
            if (kx > ky)
                run.put(r.torsionForce[w], run.divide(r.armY[w].number() * kx * moment, floor.sumKxArm2.number()));
            else if (ky > kx)
                run.put(r.torsionForce[w], run.divide(r.armX[w].number() * ky * moment, floor.sumKyArm2.number()));
        }
    }
}

} // namespace calvex::engine
