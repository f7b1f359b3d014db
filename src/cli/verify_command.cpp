// verifica FILE [--json]: the archive is loaded as the general window loads
// it, handed over to wall entry as AVANTI does, and computed once.

#include <filesystem>
#include <optional>

#include "commands.h"
#include "exit_codes.h"
#include "json_report.h"
#include "loaded_project.h"
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
    const std::optional<LoadedProject> loaded = loadAndCompute(parsed->file, err);
    if (!loaded) return kExitFailure;
    const ProjectData& project = *loaded->project;
    const RunOutcome& outcome = loaded->outcome;

    if (parsed->json)
        out << jsonReport(project, outcome).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    else if (outcome.complete)
        printTextReport(project, out);

    if (!outcome.complete) return kExitFailure;
    return buildingVerified(project) ? kExitVerified : kExitNotVerified;
}

} // namespace calvex::cli
