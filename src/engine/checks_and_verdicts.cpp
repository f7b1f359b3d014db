// The three checks of every wall (shear, stress, resultant inside the
// section), their texts for the wall-check map and the failure lists, the
// verdicts and the final rounding of each wall.

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

template <bool zeroEmptyValues>
void checkStorey(EngineRun& run, int s) {
    const StoreyWalls row = run.storeyWalls(s);
    WallResultRows& r = row.results;
    const int count = row.count;
    for (int w = 1; w <= count; ++w) {
        const bool xList = run.isXWall(w);
        const double tu = (xList ? r.ultimateShearX[w] : r.ultimateShearY[w]).writtenNumber();
        const double h = (xList ? r.horizontalForceX[w] : r.horizontalForceY[w]).writtenNumber();
        const bool shearFails = tu < h;
        r.shearCheckText[w].record(tu, h, shearFails);

        if constexpr (zeroEmptyValues) run.zeroIfEmpty(s, w, WallField::sigma);
        const double sigma = row.in(w, WallField::sigma);
        const double maxStress = r.maxStress[w].writtenNumber();
        const bool sigmaFails = maxStress > sigma;
        r.sigmaCheckText[w].record(sigma, maxStress, sigmaFails);

        // Rare: a branch.
        const bool outside = r.minStressText[w].isOutside();
        r.sectionCheckText[w].clear();
        if (outside) {
            r.minStressText[w].setEmpty();
            r.sectionCheckText[w].setPartialised();
        }
        r.verdict[w].set(!(shearFails | sigmaFails | outside));
    }
    roundWallResults(r, count);
}

} // namespace

// One pass over the walls, storey by storey. A wall's checks use only its
// own values, so a storey is rounded right after its checks. The failure
// lists are made from the check texts when they are first asked for.
void buildChecksAndVerdicts(EngineRun& run) {
    run.at(Phase::Checks);
    clearUnusedCheckTexts(run);
    constexpr std::uint16_t zeroed = EngineRun::fieldBits({WallField::sigma});
    for (int s = 1; s <= run.storeys; ++s) {
        if (run.anyEmpty(s, zeroed))
            checkStorey<true>(run, s);
        else
            checkStorey<false>(run, s);
    }
    run.project.listFailuresOfChecks(run.xWalls);
}

} // namespace calvex::engine
