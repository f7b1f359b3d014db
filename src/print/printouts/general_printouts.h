#pragma once
// The printouts of the general data window: the blank template to fill in
// by hand and the table of the general and storey data typed in it.

#include "model/project_data.h"
#include "print/device/text_device.h"
#include "rules/general_entry.h"

namespace calvex::printouts {

// From the title line to the end of the document. Numbers printed as
// numbers go through `formatNumber` (the user's locale in the windows).

// Seven general captions to fill in and twenty blank storey lines.
void printGeneralDataTemplate(TextDevice& device, const TextDevice::NumberFormatter& formatNumber);

// The seven general values as the fields show them, the project line and
// one line of storey data for each storey in use.
void printGeneralDataTable(TextDevice& device, const ProjectData& project, const GeneralFieldTexts& texts,
                           const TextDevice::NumberFormatter& formatNumber);

} // namespace calvex::printouts
