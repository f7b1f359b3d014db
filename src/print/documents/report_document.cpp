#include "print/documents/report_document.h"

#include "print/documents/report_document_parts.h"

namespace calvex::documents {

void buildReportDocument(WordDocument& document, const ProjectData& project, std::string_view calculatorName,
                         const NumberSymbols& symbols) {
    addTitleAndMethod(document, project, calculatorName);
    const GeneralDataTables general = addGeneralData(document, project, symbols);
    const int walls = addWallData(document, project, symbols);
    const int wallResults = addWallResults(document, project, symbols);
    const ResultTables results = addStoreyResults(document, project, symbols);
    addClosing(document, project, calculatorName);

    document.alignTable(general.general, WordDocument::Alignment::centre);
    for (const int table : {general.storeys, walls, wallResults, results.building, results.storeys})
        document.alignTable(table, WordDocument::Alignment::right);
}

} // namespace calvex::documents
