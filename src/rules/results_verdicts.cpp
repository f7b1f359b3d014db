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

std::optional<WallCheckRefusal> refuseWallCheck(const ProjectData& project, bool resultsShown, bool shownVerified) {
    if (!resultsShown || project.wallCount() + project.storeyCount() == 0)
        return WallCheckRefusal{{"Mancano i dati da elaborare.", MessageIcon::critical}, true};
    if (shownVerified)
        return WallCheckRefusal{{"Non vi sono setti da controllare per modificarli: l'edificio \u00e8 verificato.",
                                 MessageIcon::exclamation},
                                false};
    return std::nullopt;
}

} // namespace calvex
