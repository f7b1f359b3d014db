#include "casebook.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <string_view>

namespace calvex::cli {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> tableCells(std::string_view row) {
    row = trimmed(row);
    if (!row.empty() && row.front() == '|') row.remove_prefix(1);
    if (!row.empty() && row.back() == '|') row.remove_suffix(1);
    std::vector<std::string> cells;
    for (std::size_t start = 0;;) {
        const std::size_t bar = row.find('|', start);
        cells.emplace_back(trimmed(row.substr(start, bar - start)));
        if (bar == std::string_view::npos) return cells;
        start = bar + 1;
    }
}

// A storey or wall number; empty or "-" where it does not apply.
bool readIndex(const std::string& cell, int& index) {
    if (cell.empty() || cell == "-") {
        index = 0;
        return true;
    }
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), index);
    return error == std::errc() && end == cell.data() + cell.size() && index >= 0;
}

bool readExpected(const std::string& cell, ExpectedValue& value) {
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"') {
        value.isText = true;
        value.text = cell.substr(1, cell.size() - 2);
        return true;
    }
    value.text = cell;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value.number);
    return !cell.empty() && error == std::errc() && end == cell.data() + cell.size();
}

// "Scopo:" and the like: the paragraph that starts with the label, its
// lines joined by blanks.
struct Paragraph {
    std::string_view label;
    std::string* target;
};

class CaseParser {
public:
    explicit CaseParser(ValidationCase& validationCase)
        : case_(validationCase),
          paragraphs_{{{"Scopo:", &case_.purpose}, {"Fonte:", &case_.source}, {"Dati:", &case_.inputSummary}}} {}

    // Returns a problem, or the empty text.
    std::string line(std::string_view text, int number) {
        const std::string_view content = trimmed(text);
        if (content.empty()) {
            paragraph_ = nullptr;
            return {};
        }
        if (content.starts_with("## ")) {
            paragraph_ = nullptr;
            inTable_ = trimmed(content.substr(3)) == "Valori attesi";
            tableRows_ = 0;
            return {};
        }
        if (inTable_ && content.front() == '|') return tableRow(content, number);
        if (content.starts_with("# ") && case_.title.empty()) {
            case_.title = trimmed(content.substr(2));
            return {};
        }
        if (paragraph_) {
            *paragraph_ += ' ';
            *paragraph_ += content;
            return {};
        }
        for (const Paragraph& p : paragraphs_)
            if (content.starts_with(p.label)) {
                paragraph_ = p.target;
                *paragraph_ = trimmed(content.substr(p.label.size()));
            }
        return {};
    }

private:
    std::string tableRow(std::string_view row, int number) {
        // The heading row and the rule below it.
        if (tableRows_++ < 2) return {};
        const std::vector<std::string> cells = tableCells(row);
        ExpectedValue value;
        const std::string where = "riga " + std::to_string(number) + ": ";
        if (cells.size() != 4) return where + "la tabella dei valori attesi ha quattro colonne";
        value.quantity = cells[0];
        if (value.quantity.empty()) return where + "manca la grandezza";
        if (!readIndex(cells[1], value.storey) || !readIndex(cells[2], value.wall))
            return where + "piano o setto non \u00e8 un numero intero";
        if (!readExpected(cells[3], value))
            return where + "il valore atteso non \u00e8 un numero n\u00e9 un testo tra virgolette";
        case_.expected.push_back(std::move(value));
        return {};
    }

    ValidationCase& case_;
    std::array<Paragraph, 3> paragraphs_;
    std::string* paragraph_ = nullptr;
    bool inTable_ = false;
    int tableRows_ = 0;
};

} // namespace

CaseReading readCase(const std::filesystem::path& folder) {
    CaseReading reading;
    ValidationCase& validationCase = reading.validationCase;
    validationCase.name = folder.filename().string();
    validationCase.archive = folder / kCaseArchiveName;
    const std::filesystem::path textFile = folder / kCaseTextName;
    std::ifstream in(textFile, std::ios::binary);
    if (!in) {
        reading.problem = textFile.string() + ": impossibile leggere il file";
        return reading;
    }
    CaseParser parser(validationCase);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
        if (std::string problem = parser.line(line, number); !problem.empty()) {
            reading.problem = textFile.string() + ": " + problem;
            return reading;
        }
    if (validationCase.title.empty() || validationCase.expected.empty())
        reading.problem = textFile.string() + ": mancano il titolo o i valori attesi";
    return reading;
}

std::vector<std::filesystem::path> caseFolders(const std::filesystem::path& casebook) {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(casebook, error))
        if (entry.is_directory() && std::filesystem::exists(entry.path() / kCaseTextName))
            folders.push_back(entry.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

} // namespace calvex::cli
