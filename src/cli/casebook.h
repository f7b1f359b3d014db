#pragma once
// The validation casebook: cases worked by hand, each a folder with an
// archive and a text (caso.md) that states the expected values.
//
// caso.md opens with "# " and the title, then the paragraphs "Scopo:",
// "Fonte:" and "Dati:"; the expected values are the rows of the table under
// "## Valori attesi": quantity, storey, wall, expected value. A quantity is
// a result's name as the JSON output names it (or storeyVerdict,
// buildingVerdict); storey and wall are empty or "-" where they do not
// apply; a value in double quotes is a text, compared exactly, any other a
// number, compared to the hundredth.

#include <filesystem>
#include <string>
#include <vector>

namespace calvex::cli {

inline constexpr const char* kCaseTextName = "caso.md";
inline constexpr const char* kCaseArchiveName = "Calvex-dati-caso";

struct ExpectedValue {
    std::string quantity;
    int storey = 0; // 0 where the quantity is the building's
    int wall = 0;   // 0 where it is a storey's or the building's
    bool isText = false;
    std::string text; // the text without its quotes, or the number as written
    double number = 0.0;
};

struct ValidationCase {
    std::string name; // the folder's name, "01-..."
    std::filesystem::path archive;
    std::string title, purpose, source, inputSummary;
    std::vector<ExpectedValue> expected;
};

struct CaseReading {
    ValidationCase validationCase;
    std::string problem; // empty when the text was read whole
};

// Reads caso.md of one case folder.
CaseReading readCase(const std::filesystem::path& folder);

// The case folders of the casebook (those holding caso.md), in name order.
std::vector<std::filesystem::path> caseFolders(const std::filesystem::path& casebook);

} // namespace calvex::cli
