// The failure lists, made from the wall-check texts of the last checks.

#include "project_data.h"

namespace calvex {

const FailureList& ProjectData::failureList(FailureKind kind) const {
    return failureLists_[static_cast<std::size_t>(kind)];
}

// Storey by storey, wall by wall: the order in which the checks met them.
// The texts of the walls outside the building in use are empty, so every
// storey and wall may be looked at.
void ProjectData::listFailuresOfChecks(int xWalls) {
    std::vector<FailureEntry>& shear = failureLists_[static_cast<std::size_t>(FailureKind::shear)].rewrite();
    std::vector<FailureEntry>& sigma = failureLists_[static_cast<std::size_t>(FailureKind::sigma)].rewrite();
    std::vector<FailureEntry>& section = failureLists_[static_cast<std::size_t>(FailureKind::section)].rewrite();
    for (int s = 1; s <= kMaxStoreys; ++s) {
        const WallResultRows& r = wallResults_[static_cast<std::size_t>(s)];
        for (int w = 1; w <= kMaxWalls; ++w) {
            const ComparisonText& shearText = r.shearCheckText[static_cast<std::size_t>(w)];
            if (!shearText.isEmpty()) shear.push_back({s, w, w > xWalls, shearText.resisting(), shearText.acting()});
            const ComparisonText& sigmaText = r.sigmaCheckText[static_cast<std::size_t>(w)];
            if (!sigmaText.isEmpty()) sigma.push_back({s, w, false, sigmaText.resisting(), sigmaText.acting()});
            if (!r.sectionCheckText[static_cast<std::size_t>(w)].isEmpty()) section.push_back({s, w});
        }
    }
}

} // namespace calvex
