#include "loaded_project.h"

#include "archive_problem.h"
#include "general_handover.h"
#include "model/archive.h"
#include "print/tables/printable_values.h"
#include "rules/general_entry.h"
#include "rules/title_page_rules.h"
#include "rules/wall_entry.h"

namespace calvex::cli {

namespace {

// The first reason the loaded data give no verdict, checked in the order
// the windows check them; empty when the run reached its end.
std::string stopReasonOf(ProjectData& project, const std::string& fileName, std::ostream& err) {
    const Handover handover = handOverGeneralData(project);
    for (const std::string& message : handover.messages) err << "calvex-batch: " << fileName << ": " << message << '\n';
    if (handover.refusal) return *handover.refusal;

    if (const auto refusal = checkSignificantValues(project)) return refusal->message.text;
    if (const auto failure = checkWallData(project)) return failure->message;

    const RunContext context{true, project.currentFloor, project.currentWall, false};
    const RunOutcome outcome = runEngine(project, context);
    if (!outcome.complete) return "calcolo non completato: " + outcome.describe();
    if (auto message = tables::unprintableValueMessage(project)) return std::move(*message);
    return {};
}

void warnAboutLongTitleTexts(const ProjectData& project, const std::string& fileName, std::ostream& err) {
    for (int field = 0; field < kTitleFieldCount; ++field)
        if (exceedsPrintLimit(project.title(static_cast<TitleField>(field))))
            err << "calvex-batch: attenzione: " << fileName << ": " << kTitleFieldNames[field] << ": "
                << kMessageTitleTooLong << '\n';
}

} // namespace

LoadedProject loadAndCompute(const std::filesystem::path& file, std::ostream& err) {
    const std::string fileName = file.string();
    LoadedProject loaded{std::make_unique<ProjectData>(), {}};
    ProjectData& project = *loaded.project;
    const ArchiveReadResult read = readArchiveFile(file, project);
    if (!read.complete) {
        loaded.stopReason = describeReadProblem(file, read);
        err << "calvex-batch: " << loaded.stopReason << '\n';
        return loaded;
    }
    if (read.misalignedLine > 0)
        err << "calvex-batch: attenzione: " << fileName << ": " << misalignedRecordWarning(read.misalignedLine) << '\n';
    warnAboutLongTitleTexts(project, fileName, err);
    project.currentFileName = fileName;

    loaded.stopReason = stopReasonOf(project, fileName, err);
    if (!loaded.complete()) err << "calvex-batch: " << fileName << ": " << loaded.stopReason << '\n';
    return loaded;
}

} // namespace calvex::cli
