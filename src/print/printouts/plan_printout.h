#pragma once
// The plan of a storey on one A4 page: a title block (project, storey,
// date), the drawing to scale with its axes in metres, the legend and the
// storey's values. The page is turned to landscape when the plan is drawn
// larger that way.

#include <string>

#include "model/project_data.h"
#include "print/device/text_device.h"
#include "rules/storey_plan.h"

namespace calvex::printouts {

// One page; the document is left open.
void printStoreyPlan(TextDevice& device, const ProjectData& project, int storey, const std::string& date,
                     const PlanNumberFormat& format);

// Every storey in use, one page each, and the end of the document.
void printBuildingPlans(TextDevice& device, const ProjectData& project, const std::string& date,
                        const PlanNumberFormat& format);

} // namespace calvex::printouts
