#include "print/report/report_printout.h"

#include "print/report/report_sections.h"

namespace calvex::report {

void printCalculationReport(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                            std::string_view calculatorAddress) {
    device.setNumberFormatter(shortestNumberText);
    report::printTitlePage(device, project, calculatorName, calculatorAddress);
    report::printMethodStatement(device);
    report::printGeneralData(device, project);
    report::printWallData(device, project);
    report::printWallResults(device, project);
    report::printStoreyResults(device, project);
    report::printClosing(device, project, calculatorName);
}

} // namespace calvex::report
