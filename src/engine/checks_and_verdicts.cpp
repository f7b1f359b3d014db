// The three checks of every wall (shear, stress, resultant inside the
// section), their texts for the wall-check map, the failure lists and the
// verdicts.

#include <string>

#include "engine_run.h"
#include "model/numeric_text.h"

namespace calvex::engine {

namespace {

constexpr const char* kNone = "*** nessuno ***";

void appendWallLabel(std::string& out, int s, int w) {
    out += "piano n.";
    appendStr(out, s);
    out += " - setto n.";
    appendStr(out, w);
}

void clearCheckTexts(EngineRun& run) {
    for (int s = 1; s <= kMaxStoreys; ++s) {
        for (int w = 1; w <= kMaxWalls; ++w) {
            WallResult& r = run.result(s, w);
            r.shearCheckText.clear();
            r.sigmaCheckText.clear();
            r.sectionCheckText.clear();
        }
    }
    for (int s = 1; s <= run.storeys; ++s)
        for (int w = 1; w <= run.walls; ++w) run.result(s, w).verdict.setVerified();
}

// Appends the failures of one list of walls to the shear list; true when any.
bool checkShear(EngineRun& run, int s, int firstWall, int lastWall, bool xList, std::string& list) {
    bool anyFailure = false;
    for (int w = firstWall; w <= lastWall; ++w) {
        WallResult& r = run.result(s, w);
        const double tu = (xList ? r.ultimateShearX : r.ultimateShearY).number();
        const double h = (xList ? r.horizontalForceX : r.horizontalForceY).number();
        if (!(tu < h)) continue;
        r.shearCheckText.set(intPart(tu), intPart(h));
        appendWallLabel(list, s, w);
        list += xList ? " (direzione X) " : " (direzione Y)";
        list += " taglio t.= ";
        appendStr(list, intPart(tu));
        list += " < forza orizz. t.= ";
        appendStr(list, intPart(h));
        list += " ----- ";
        r.verdict.setNotVerified();
        anyFailure = true;
    }
    return anyFailure;
}

bool checkStress(EngineRun& run, int s, int w, std::string& list) {
    run.zeroIfEmpty(s, w, WallField::sigma);
    WallResult& r = run.result(s, w);
    const double sigma = run.in(s, w, WallField::sigma);
    const double maxStress = r.maxStress.number();
    if (!(maxStress > sigma)) return false;
    r.sigmaCheckText.set(intPart(sigma), intPart(maxStress));
    appendWallLabel(list, s, w);
    list += " sigma ammissibile t.= ";
    appendStr(list, sigma);
    list += " <  sigma lavoro t.= ";
    appendStr(list, intPart(maxStress));
    list += " ----- ";
    r.verdict.setNotVerified();
    return true;
}

bool checkSection(EngineRun& run, int s, int w, std::string& list) {
    WallResult& r = run.result(s, w);
    if (!r.minStressText.isOutside()) return false;
    r.minStressText.setEmpty();
    r.sectionCheckText.setPartialised();
    appendWallLabel(list, s, w);
    list += " --- ";
    r.verdict.setNotVerified();
    return true;
}

} // namespace

void buildChecksAndVerdicts(EngineRun& run) {
    run.at(Phase::Checks);
    clearCheckTexts(run);
    BuildingResult& building = run.project.building();
    std::string& shearList = building.shearFailList.rewrite();
    std::string& sigmaList = building.sigmaFailList.rewrite();
    std::string& sectionList = building.sectionFailList.rewrite();
    bool shearFailures = false, sigmaFailures = false, sectionFailures = false;
    for (int s = 1; s <= run.storeys; ++s) {
        shearFailures |= checkShear(run, s, 1, run.xWalls, true, shearList);
        shearFailures |= checkShear(run, s, run.xWalls + 1, run.walls, false, shearList);
    }
    for (int s = 1; s <= run.storeys; ++s)
        for (int w = 1; w <= run.walls; ++w) sigmaFailures |= checkStress(run, s, w, sigmaList);
    for (int s = 1; s <= run.storeys; ++s)
        for (int w = 1; w <= run.walls; ++w) sectionFailures |= checkSection(run, s, w, sectionList);

    // A list without failures keeps its marker.
    if (!shearFailures) shearList = kNone;
    if (!sigmaFailures) sigmaList = kNone;
    if (!sectionFailures) sectionList = kNone;
}

} // namespace calvex::engine
