#pragma once
// The printout of the title-page window: its eight texts and the
// calculator's name and address.

#include "model/project_data.h"
#include "print/device/text_device.h"

#include <string_view>

namespace calvex::printouts {

// From the title line to the end of the document, in the title-page font.
void printTitlePageData(TextDevice& device, const ProjectData& project, std::string_view calculatorName,
                        std::string_view calculatorAddress);

} // namespace calvex::printouts
