// verifica FILE [--json]: the archive is loaded and checked as the windows
// load and check it, handed over to wall entry as AVANTI does, and computed
// once; it gives a verdict exactly when the report could be written.

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
    const LoadedProject loaded = loadAndCompute(parsed->file, err);
    const ProjectData& project = *loaded.project;

    // One object for every outcome, so that a program reading it never
    // meets an empty output.
    if (parsed->json)
        out << jsonReport(project, loaded.stopReason)
                   .dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace)
            << '\n';
    else if (loaded.complete())
        printTextReport(project, out);

    if (!loaded.complete()) return kExitFailure;
    return buildingVerified(project) ? kExitVerified : kExitNotVerified;
}

} // namespace calvex::cli
