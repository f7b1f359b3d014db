#include "loaded_project.h"

#include "archive_problem.h"
#include "general_handover.h"
#include "model/archive.h"

namespace calvex::cli {

std::optional<LoadedProject> loadAndCompute(const std::filesystem::path& file, std::ostream& err) {
    const std::string fileName = file.string();
    auto project = std::make_unique<ProjectData>();
    const ArchiveReadResult read = readArchiveFile(file, *project);
    if (!read.complete) {
        err << describeReadProblem(file, read) << '\n';
        return std::nullopt;
    }
    project->currentFileName = fileName;

    const Handover handover = handOverGeneralData(*project);
    for (const std::string& message : handover.messages) err << "calvex-batch: " << fileName << ": " << message << '\n';
    if (!handover.passed) return std::nullopt;

    const RunContext context{true, project->currentFloor, project->currentWall, false};
    const RunOutcome outcome = runEngine(*project, context);
    if (!outcome.complete)
        err << "calvex-batch: " << fileName << ": calcolo non completato: " << outcome.describe() << '\n';
    return LoadedProject{std::move(project), outcome};
}

} // namespace calvex::cli
