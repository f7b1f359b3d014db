#include "rules/results_verdicts.h"

#include "engine/engine.h"
#include "model/numeric_text.h"

namespace calvex {

std::string storeyVerdictText(int storey, double shownSafetyX, double shownSafetyY) {
    const bool verified = shownSafetyX >= 1 && shownSafetyY >= 1;
    return "piano n." + str(storey) + (verified ? " verificato" : " non verificato");
}

std::string_view buildingVerdictText(const ProjectData& project) {
    return buildingVerified(project) ? kBuildingVerified : kBuildingNotVerified;
}

} // namespace calvex
