#pragma once
// The parts of the editable report, in the order they are written.

#include "model/number_pattern.h"
#include "model/project_data.h"
#include "print/documents/word_document.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace calvex::documents {

inline constexpr double bodySize = 12;
inline constexpr double tableSize = 10;
// The tables of data, with up to fifteen columns.
inline constexpr double dataTableSize = 8;
inline constexpr double sectionSize = 14;

// The texts one after the other.
inline std::string joined(std::initializer_list<std::string_view> parts) {
    std::string text;
    for (const std::string_view part : parts) text += part;
    return text;
}

struct Row2 {
    std::string_view first;
    std::string_view second;
};

// A table of two columns: the heading row, then one row per entry; short,
// it is kept whole on one page.
int addTwoColumnTable(WordDocument& document, std::string_view firstHeading, std::string_view secondHeading,
                      std::span<const Row2> rows);

// A section heading, kept with what follows it, then the body size again.
void addSectionHeading(WordDocument& document, std::string_view heading);

// The title block, the method statement with its formula and symbols.
void addTitleAndMethod(WordDocument& document, const ProjectData& project, std::string_view calculatorName);

// The tables the sections add that hold values, by their numbers.
struct GeneralDataTables {
    int general;
    int storeys;
};
struct ResultTables {
    int building;
    int storeys;
};

// Section A: the general data and the storey table.
GeneralDataTables addGeneralData(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols);
// Section B: the wall legend and the wall table; returns the wall table.
int addWallData(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols);
// Section C: the results legend and the wall results table; returns the latter.
int addWallResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols);
// Section D: the building values, the legend and the storey results.
ResultTables addStoreyResults(WordDocument& document, const ProjectData& project, const NumberSymbols& symbols);

// Page count, attachments, place and date, signature.
void addClosing(WordDocument& document, const ProjectData& project, std::string_view calculatorName);

} // namespace calvex::documents
