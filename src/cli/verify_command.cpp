// verifica FILE [--json]: the archive is loaded as the general window loads
// it, handed over to wall entry as AVANTI does, and computed once.

#include <filesystem>
#include <memory>
#include <optional>

#include "archive_problem.h"
#include "commands.h"
#include "engine/engine.h"
#include "exit_codes.h"
#include "general_handover.h"
#include "json_report.h"
#include "text_report.h"

namespace calvex::cli {

namespace {

struct VerifyArguments {
    std::filesystem::path file;
    bool json = false;
};

std::optional<VerifyArguments> parseArguments(std::span<const std::string> args) {
    VerifyArguments parsed;
    bool fileSeen = false;
    for (const std::string& arg : args) {
        if (arg == "--json" && !parsed.json) {
            parsed.json = true;
        } else if (!fileSeen && !arg.starts_with("--")) {
            parsed.file = arg;
            fileSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!fileSeen) return std::nullopt;
    return parsed;
}

} // namespace

int verifyCommand(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const std::optional<VerifyArguments> parsed = parseArguments(args);
    if (!parsed) {
        printUsage(err);
        return kExitFailure;
    }
    const std::string fileName = parsed->file.string();

    auto project = std::make_unique<ProjectData>();
    const ArchiveReadResult read = readArchiveFile(parsed->file, *project);
    if (!read.complete) {
        err << describeReadProblem(parsed->file, read) << '\n';
        return kExitFailure;
    }
    project->currentFileName = fileName;

    const Handover handover = handOverGeneralData(*project);
    for (const std::string& message : handover.messages) err << "calvex-batch: " << fileName << ": " << message << '\n';
    if (!handover.passed) return kExitFailure;

    const RunContext context{true, project->currentFloor, project->currentWall, false};
    const RunOutcome outcome = runEngine(*project, context);
    if (!outcome.complete)
        err << "calvex-batch: " << fileName << ": calcolo non completato: " << outcome.describe() << '\n';

    if (parsed->json)
        out << jsonReport(*project, outcome).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    else if (outcome.complete)
        printTextReport(*project, out);

    if (!outcome.complete) return kExitFailure;
    return buildingVerified(*project) ? kExitVerified : kExitNotVerified;
}

} // namespace calvex::cli
