#pragma once
// The printed calculation report: title page, method statement, the four
// sections of data and results, and the closing block.

#include "model/project_data.h"
#include "print/device/text_device.h"

#include <string_view>

namespace calvex::report {

// The whole report as one document, from its first page to its end.
void printCalculationReport(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                            std::string_view calculatorAddress);

} // namespace calvex::report
