// The three checks of every wall (shear, stress, resultant inside the
// section), their texts for the wall-check map and the failure lists, and
// the verdicts.

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

void checkStorey(EngineRun& run, int s) {
    WallResultRows& r = run.results(s);
    for (int w = 1; w <= run.walls; ++w) {
        const bool xList = run.isXWall(w);
        // Shear check: it fails where Tu < H.
        const double tu = (xList ? r.ultimateShearX[w] : r.ultimateShearY[w]).number();
        const double h = (xList ? r.horizontalForceX[w] : r.horizontalForceY[w]).number();
        const bool shearFails = tu < h;
        r.shearCheckText[w].record(tu, h, shearFails);

        // Stress check: it fails where maxStress > sigma.
        run.zeroIfEmpty(s, w, WallField::sigma);
        const double sigma = run.in(s, w, WallField::sigma);
        const double maxStress = r.maxStress[w].number();
        const bool sigmaFails = maxStress > sigma;
        r.sigmaCheckText[w].record(sigma, maxStress, sigmaFails);

        // Section check: it fails where the resultant falls outside the section.
        const bool outside = r.minStressText[w].isOutside();
        r.sectionCheckText[w].clear();
        if (outside) {
            r.minStressText[w].setEmpty();
            r.sectionCheckText[w].setPartialised();
        }
        r.verdict[w].set(!(shearFails || sigmaFails || outside));
    }
}

} // namespace

// Every check uses the unrounded results; the failure lists are made from
// the check texts.
void buildChecksAndVerdicts(EngineRun& run) {
    run.at(Phase::Checks);
    clearUnusedCheckTexts(run);
    for (int s = 1; s <= run.storeys; ++s) checkStorey(run, s);
    run.project.listFailuresOfChecks(run.xWalls);
}

} // namespace calvex::engine
