#include "archive_problem.h"

namespace calvex::cli {

std::string describeReadProblem(const std::filesystem::path& file, const ArchiveReadResult& result) {
    std::string text = "lettura dell'archivio \"" + file.string() + "\" non riuscita";
    if (result.line > 0) {
        text += " alla riga " + std::to_string(result.line);
        if (result.field > 0) text += ", campo " + std::to_string(result.field);
    }
    if (!result.problem.empty()) text += ": " + result.problem;
    return text;
}

} // namespace calvex::cli
