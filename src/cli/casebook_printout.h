#pragma once
// The casebook printed through the text device: a summary page, then one
// section per case with its expected and obtained values side by side.

#include <string>
#include <vector>

#include "case_check.h"
#include "print/device/text_device.h"

namespace calvex::cli {

struct CasebookEdition {
    std::string version; // of the program that obtained the values
    std::string date;
};

void printCasebook(TextDevice& device, const std::vector<CaseOutcome>& outcomes, const CasebookEdition& edition);

} // namespace calvex::cli
