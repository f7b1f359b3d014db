// The three checks of every wall (shear, stress, resultant inside the
// section), their texts for the wall-check map, the failure lists, the
// verdicts and the final rounding of each wall.

#include <vector>

#include "engine_run.h"

namespace calvex::engine {

namespace {

// The walls outside the building in use lose the texts of earlier runs;
// those inside are cleared as they are checked.
void clearUnusedCheckTexts(EngineRun& run) {
    for (int s = 1; s <= kMaxStoreys; ++s) {
        for (int w = s <= run.storeys ? run.walls + 1 : 1; w <= kMaxWalls; ++w) {
            WallResult& r = run.result(s, w);
            r.shearCheckText.clear();
            r.sigmaCheckText.clear();
            r.sectionCheckText.clear();
        }
    }
}

void checkShear(EngineRun& run, int s, int w, WallResult& r, std::vector<FailureEntry>& list) {
    const bool xList = run.isXWall(w);
    const double tu = (xList ? r.ultimateShearX : r.ultimateShearY).writtenNumber();
    const double h = (xList ? r.horizontalForceX : r.horizontalForceY).writtenNumber();
    if (!(tu < h)) return;
    r.shearCheckText.set(tu, h);
    list.push_back({s, w, !xList, tu, h});
    r.verdict.setNotVerified();
}

template <bool zeroEmptyValues>
void checkStress(EngineRun& run, const StoreyWalls& row, int s, int w, WallResult& r, std::vector<FailureEntry>& list) {
    if constexpr (zeroEmptyValues) run.zeroIfEmpty(s, w, WallField::sigma);
    const double sigma = row.in(w, WallField::sigma);
    const double maxStress = r.maxStress.writtenNumber();
    if (!(maxStress > sigma)) return;
    r.sigmaCheckText.set(sigma, maxStress);
    list.push_back({s, w, false, sigma, maxStress});
    r.verdict.setNotVerified();
}

void checkSection(int s, int w, WallResult& r, std::vector<FailureEntry>& list) {
    if (!r.minStressText.isOutside()) return;
    r.minStressText.setEmpty();
    r.sectionCheckText.setPartialised();
    list.push_back({s, w});
    r.verdict.setNotVerified();
}

struct FailureLists {
    std::vector<FailureEntry>& shear;
    std::vector<FailureEntry>& sigma;
    std::vector<FailureEntry>& section;
};

template <bool zeroEmptyValues>
void checkStorey(EngineRun& run, int s, const FailureLists& lists) {
    const StoreyWalls row = run.storeyWalls(s);
    for (int w = 1; w <= row.count; ++w) {
        WallResult& r = row.result(w);
        r.shearCheckText.clear();
        r.sigmaCheckText.clear();
        r.sectionCheckText.clear();
        r.verdict.setVerified();
        checkShear(run, s, w, r, lists.shear);
        checkStress<zeroEmptyValues>(run, row, s, w, r, lists.sigma);
        checkSection(s, w, r, lists.section);
        // Rounded right after its checks: the divisions of the rounding
        // overlap the checks of the next walls.
        roundWallResults(&r, 1);
    }
}

} // namespace

// One pass over the walls: each list is filled storey by storey, wall by
// wall, and the X list precedes the Y list on every storey, so the lists
// come out in the order of the three checks made one after the other. A
// wall's checks use only its own values, so it is rounded right after them.
void buildChecksAndVerdicts(EngineRun& run) {
    run.at(Phase::Checks);
    clearUnusedCheckTexts(run);
    BuildingResult& building = run.project.building();
    const FailureLists lists{building.shearFailList.rewrite(), building.sigmaFailList.rewrite(),
                             building.sectionFailList.rewrite()};
    constexpr std::uint16_t zeroed = EngineRun::fieldBits({WallField::sigma});
    for (int s = 1; s <= run.storeys; ++s) {
        if (run.anyEmpty(s, zeroed))
            checkStorey<true>(run, s, lists);
        else
            checkStorey<false>(run, s, lists);
    }
}

} // namespace calvex::engine
