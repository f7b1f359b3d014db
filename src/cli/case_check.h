#pragma once
// A case of the casebook run as calvex-batch runs an archive, and each of
// its expected values set beside the value the program obtained.

#include <optional>
#include <string>
#include <vector>

#include "casebook.h"
#include "model/project_data.h"

namespace calvex::cli {

struct ObtainedValue {
    bool isText = false;
    std::string text; // a text result, or the number to the hundredth
    double number = 0.0;
};

// The program's value of the quantity, for the storey and wall the
// expectation names; nullopt when the name, storey or wall names nothing.
std::optional<ObtainedValue> obtainedValue(const ProjectData& project, const ExpectedValue& expected);

struct CheckedValue {
    ExpectedValue expected;
    std::optional<ObtainedValue> obtained;
    bool passed = false;
    // The obtained value as it is printed: "12.35", a text, or why there
    // is none.
    std::string obtainedText() const;
    // Obtained minus expected, to the hundredth; "" for texts.
    std::string differenceText() const;
};

struct CaseOutcome {
    ValidationCase validationCase;
    std::string problem; // the case text or the archive could not be used
    std::vector<CheckedValue> values;
    bool passed() const;
    int failedCount() const;
};

// Numbers agree when both, rounded to the hundredth, are the same number
// of hundredths; texts when they are equal.
bool agrees(const ExpectedValue& expected, const ObtainedValue& obtained);

// Loads, checks and computes the case's archive as calvex-batch does and
// compares every expected value; problems of the archive go to `err`.
CaseOutcome checkCase(const CaseReading& reading, std::ostream& err);

} // namespace calvex::cli
