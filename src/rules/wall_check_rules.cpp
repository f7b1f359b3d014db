#include "rules/wall_check_rules.h"

#include "model/numeric_text.h"

namespace calvex {

namespace {

bool hasFailure(const WallResultRows& results, int wall) {
    return !results.shearCheckText[wall].isEmpty() || !results.sigmaCheckText[wall].isEmpty() ||
           !results.sectionCheckText[wall].isEmpty();
}

} // namespace

std::string wallCheckCaption(const ProjectData& project, int wall) {
    return "Setto n." + str(wall) + (wall > project.xWallCount() ? " (direzione Y)" : " (direzione X)");
}

bool wallNeedsChange(const ProjectData& project, int wall) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        if (hasFailure(project.wallResults(storey), wall)) return true;
    return false;
}

} // namespace calvex
