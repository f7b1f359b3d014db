#pragma once
// The parts of the printed calculation report, in the order they print.

#include "model/project_data.h"
#include "print/device/text_device.h"

#include <string_view>

namespace calvex::report {

// Page 1, in the title-page typeface; ends with a new page.
void printTitlePage(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                    std::string_view calculatorAddress);

// "RELAZIONE DI CALCOLO" and the statement of the calculation method.
void printMethodStatement(TextDevice& device);

// Section A: general data and the storey table; closes its last page.
void printGeneralData(TextDevice& device, const ProjectData& project);

// Section B: the data of every wall of every storey; closes its last page.
void printWallData(TextDevice& device, const ProjectData& project);

// Section C: the results of every wall of every storey; closes its last page.
void printWallResults(TextDevice& device, const ProjectData& project);

// Section D: building values and the storey results.
void printStoreyResults(TextDevice& device, const ProjectData& project);

// Page count, attachments, place and date, signature, footer, document end.
void printClosing(TextDevice& device, const ProjectData& project, std::string_view calculatorName);

} // namespace calvex::report
