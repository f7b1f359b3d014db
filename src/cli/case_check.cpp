#include "case_check.h"

#include <algorithm>
#include <cmath>

#include "engine/engine.h"
#include "loaded_project.h"
#include "model/numeric_text.h"
#include "rules/results_verdicts.h"

namespace calvex::cli {

namespace {

long long hundredths(double value) { return std::llround(roundHundredth(value) * 100.0); }

ObtainedValue numberValue(const ResultValue& value) {
    if (!value.isNumber()) return {true, value.isEmptyText() ? "" : "(non calcolato)", 0.0};
    return {false, formatFixed2(value.number(), 0), value.number()};
}

ObtainedValue textValue(std::string text) { return {true, std::move(text), 0.0}; }

std::optional<ObtainedValue> buildingValue(const ProjectData& project, std::string_view name) {
    for (const auto& field : kBuildingNumbers)
        if (field.name == name) return numberValue(project.building().*field.member);
    for (const NamedList& list : kBuildingTexts)
        if (list.name == name) return textValue(project.failureList(list.kind).str());
    if (name == "buildingVerdict") return textValue(std::string(buildingVerdictText(project)));
    return std::nullopt;
}

std::optional<ObtainedValue> storeyValue(const ProjectData& project, std::string_view name, int level) {
    const FloorResult& floor = project.floorResult(level);
    for (const auto& field : kFloorResultNumbers)
        if (field.name == name) return numberValue(floor.*field.member);
    if (name == "storeyVerdict" && level >= 1)
        return textValue(storeyVerdictText(level, floor.safetyX.number(), floor.safetyY.number()));
    return std::nullopt;
}

std::optional<ObtainedValue> wallValue(const ProjectData& project, std::string_view name, int storey, int wall) {
    const WallResult result = project.wallResult(storey, wall);
    for (const auto& field : kWallResultNumbers)
        if (field.name == name) return numberValue(result.*field.member);
    for (const NamedText& text : wallResultTexts(result))
        if (text.name == name) return textValue(text.written ? text.text : "(non calcolato)");
    return std::nullopt;
}

} // namespace

std::optional<ObtainedValue> obtainedValue(const ProjectData& project, const ExpectedValue& expected) {
    const int storeys = project.storeyCount();
    if (expected.storey == 0 && expected.wall == 0) {
        if (auto value = buildingValue(project, expected.quantity)) return value;
    }
    if (expected.wall == 0 && expected.storey <= storeys)
        return storeyValue(project, expected.quantity, expected.storey);
    if (expected.storey >= 1 && expected.storey <= storeys && expected.wall >= 1 &&
        expected.wall <= project.wallCount())
        return wallValue(project, expected.quantity, expected.storey, expected.wall);
    return std::nullopt;
}

bool agrees(const ExpectedValue& expected, const ObtainedValue& obtained) {
    if (expected.isText != obtained.isText) return false;
    if (expected.isText) return expected.text == obtained.text;
    return hundredths(expected.number) == hundredths(obtained.number);
}

std::string CheckedValue::obtainedText() const {
    if (!obtained) return "(grandezza sconosciuta)";
    return obtained->text;
}

std::string CheckedValue::differenceText() const {
    if (expected.isText || !obtained || obtained->isText) return {};
    return formatFixed2(static_cast<double>(hundredths(obtained->number) - hundredths(expected.number)) / 100.0, 0);
}

bool CaseOutcome::passed() const { return problem.empty() && failedCount() == 0; }

int CaseOutcome::failedCount() const {
    return static_cast<int>(
        std::count_if(values.begin(), values.end(), [](const CheckedValue& v) { return !v.passed; }));
}

CaseOutcome checkCase(const CaseReading& reading, std::ostream& err) {
    CaseOutcome outcome{reading.validationCase, reading.problem, {}};
    if (!outcome.problem.empty()) return outcome;
    const LoadedProject loaded = loadAndCompute(outcome.validationCase.archive, err);
    if (!loaded.complete()) {
        outcome.problem = loaded.stopReason;
        return outcome;
    }
    for (const ExpectedValue& expected : outcome.validationCase.expected) {
        CheckedValue checked{expected, obtainedValue(*loaded.project, expected), false};
        checked.passed = checked.obtained && agrees(expected, *checked.obtained);
        outcome.values.push_back(std::move(checked));
    }
    return outcome;
}

} // namespace calvex::cli
