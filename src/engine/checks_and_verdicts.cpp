// The three checks of every wall (shear, stress, resultant inside the
// section), their texts for the wall-check map, the failure lists, the
// verdicts and the final rounding of each wall.

#include <array>
#include <vector>

#include "engine_run.h"

namespace calvex::engine {

namespace {

// The walls outside the building in use lose the texts of earlier runs;
// those inside are cleared as they are checked.
void clearUnusedCheckTexts(EngineRun& run) {
    for (int s = 1; s <= kMaxStoreys; ++s) {
        WallResultRows& r = run.results(s);
        for (int w = s <= run.storeys ? run.walls + 1 : 1; w <= kMaxWalls; ++w) {
            r.shearCheckText[w].clear();
            r.sigmaCheckText[w].clear();
            r.sectionCheckText[w].clear();
        }
    }
}

// The lists' entries of one storey. Each check writes its entry to the next
// slot whether the wall fails or not, and the slot is kept only when it
// fails: the stress check fails for about half the walls of a building
// that does not pass, and a branch on it would go the wrong way as often.
struct StoreyFailures {
    std::array<FailureEntry, kMaxWalls> shear, sigma;
    int shearCount = 0, sigmaCount = 0;
};

template <bool zeroEmptyValues>
void checkStorey(EngineRun& run, int s, StoreyFailures& found, std::vector<FailureEntry>& sectionList) {
    const StoreyWalls row = run.storeyWalls(s);
    WallResultRows& r = row.results;
    // The counts stay in registers, where the entries' stores would make
    // the compiler keep those of `found` in memory.
    int shearCount = 0, sigmaCount = 0;
    const int count = row.count;
    for (int w = 1; w <= count; ++w) {
        const bool xList = run.isXWall(w);
        const double tu = (xList ? r.ultimateShearX[w] : r.ultimateShearY[w]).writtenNumber();
        const double h = (xList ? r.horizontalForceX[w] : r.horizontalForceY[w]).writtenNumber();
        const bool shearFails = tu < h;
        r.shearCheckText[w].record(tu, h, shearFails);
        found.shear[static_cast<std::size_t>(shearCount)] = {s, w, !xList, tu, h};
        shearCount += shearFails;

        if constexpr (zeroEmptyValues) run.zeroIfEmpty(s, w, WallField::sigma);
        const double sigma = row.in(w, WallField::sigma);
        const double maxStress = r.maxStress[w].writtenNumber();
        const bool sigmaFails = maxStress > sigma;
        r.sigmaCheckText[w].record(sigma, maxStress, sigmaFails);
        found.sigma[static_cast<std::size_t>(sigmaCount)] = {s, w, false, sigma, maxStress};
        sigmaCount += sigmaFails;

        // Rare: a branch.
        const bool outside = r.minStressText[w].isOutside();
        r.sectionCheckText[w].clear();
        if (outside) {
            r.minStressText[w].setEmpty();
            r.sectionCheckText[w].setPartialised();
            sectionList.push_back({s, w});
        }
        r.verdict[w].set(!(shearFails | sigmaFails | outside));
    }
    found.shearCount = shearCount;
    found.sigmaCount = sigmaCount;
    roundWallResults(r, count);
}

} // namespace

// One pass over the walls: each list is filled storey by storey, wall by
// wall, and the X list precedes the Y list on every storey, so the lists
// come out in the order of the three checks made one after the other. A
// wall's checks use only its own values, so a storey is rounded right after
// its checks.
void buildChecksAndVerdicts(EngineRun& run) {
    run.at(Phase::Checks);
    clearUnusedCheckTexts(run);
    BuildingResult& building = run.project.building();
    std::vector<FailureEntry>& shearList = building.shearFailList.rewrite();
    std::vector<FailureEntry>& sigmaList = building.sigmaFailList.rewrite();
    std::vector<FailureEntry>& sectionList = building.sectionFailList.rewrite();
    StoreyFailures found;
    constexpr std::uint16_t zeroed = EngineRun::fieldBits({WallField::sigma});
    for (int s = 1; s <= run.storeys; ++s) {
        if (run.anyEmpty(s, zeroed))
            checkStorey<true>(run, s, found, sectionList);
        else
            checkStorey<false>(run, s, found, sectionList);
        shearList.insert(shearList.end(), found.shear.begin(), found.shear.begin() + found.shearCount);
        sigmaList.insert(sigmaList.end(), found.sigma.begin(), found.sigma.begin() + found.sigmaCount);
    }
}

} // namespace calvex::engine
