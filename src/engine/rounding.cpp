// Final rounding of the results to the hundredth. Every check has already
// used the unrounded values.

#include "engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {

namespace {

void roundValue(ResultValue& value) {
    if (value.isNumber()) value = roundHundredth(value.number());
}

} // namespace

void roundResults(EngineRun& run) {
    BuildingResult& building = run.project.building();
    for (ResultValue* value : {&building.totalWeight, &building.massHeight, &building.totalForce, &building.forceHeight})
        roundValue(*value);
    for (int level = 0; level <= run.storeys; ++level) {
        FloorResult& f = run.result(level);
        for (ResultValue* value : {&f.storeyWeight, &f.distributionCoeff, &f.massCentreX, &f.massCentreY,
                                   &f.stiffCentreX, &f.stiffCentreY, &f.eccX, &f.eccY, &f.polarMoment,
                                   &f.storeyForce, &f.torsionMoment, &f.torsionTotalForce})
            roundValue(*value);
        for (int w = 1; w <= run.walls; ++w) {
            WallResult& r = run.result(level, w);
            for (ResultValue* value :
                 {&r.selfWeightShare, &r.slabLoad, &r.normalForce, &r.baseStress, &r.stiffnessX, &r.stiffnessY,
                  &r.armX, &r.armY, &r.storeyShareX, &r.horizontalForceX, &r.storeyShareY, &r.horizontalForceY,
                  &r.ultimateShearX, &r.ultimateShearY, &r.maxStress, &r.torsionForce})
                roundValue(*value);
        }
    }
}

} // namespace calvex::engine
