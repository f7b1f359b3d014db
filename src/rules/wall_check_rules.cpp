#include "rules/wall_check_rules.h"

#include "model/numeric_text.h"

namespace calvex {

namespace {

bool hasFailure(const WallResult& result) {
    return !result.shearCheckText.isEmpty() || !result.sigmaCheckText.isEmpty() || !result.sectionCheckText.isEmpty();
}

} // namespace

std::string wallCheckCaption(const ProjectData& project, int wall) {
    return "Setto n." + str(wall) + (wall > project.xWallCount() ? " (direzione Y)" : " (direzione X)");
}

bool wallNeedsChange(const ProjectData& project, int wall) {
    for (int storey = 1; storey <= project.storeyCount(); ++storey)
        if (hasFailure(project.wallResult(storey, wall))) return true;
    return false;
}

} // namespace calvex
