#pragma once

#include "model/number_pattern.h"
#include "model/project_data.h"
#include "print/documents/word_document.h"

#include <string_view>

namespace calvex::documents {

// The calculation report as an editable document: the title block, the
// method statement, sections A to D with tables instead of columns, and the
// closing block. Values are written with their display patterns in the
// user's notation; the document computes nothing.
void buildReportDocument(WordDocument& document, const ProjectData& project, std::string_view calculatorName,
                         const NumberSymbols& symbols);

} // namespace calvex::documents
