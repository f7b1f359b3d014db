// copia IN OUT: reads an archive and writes it again, with no window rules
// in between.

#include <filesystem>
#include <memory>

#include "archive_problem.h"
#include "commands.h"
#include "exit_codes.h"
#include "model/archive.h"

namespace calvex::cli {

int copyCommand(std::span<const std::string> args, std::ostream& err) {
    if (args.size() != 2) {
        printUsage(err);
        return kExitFailure;
    }
    const std::filesystem::path source = args[0];
    const std::filesystem::path target = args[1];

    auto project = std::make_unique<ProjectData>();
    const ArchiveReadResult read = readArchiveFile(source, *project);
    if (!read.complete) {
        err << "calvex-batch: " << describeReadProblem(source, read) << '\n';
        return kExitFailure;
    }
    // Writing values that stand in each other's places would make the
    // shift permanent.
    if (read.misalignedLine > 0) {
        err << "calvex-batch: " << source.string() << ": " << misalignedRecordWarning(read.misalignedLine)
            << ": l'archivio non viene copiato\n";
        return kExitFailure;
    }
    const ArchiveWriteResult written = writeArchiveFile(target, *project);
    if (!written.ok) {
        err << "calvex-batch: scrittura dell'archivio \"" << target.string() << "\" non riuscita";
        if (!written.error.empty()) err << ": " << written.error;
        err << '\n';
        return kExitFailure;
    }
    for (const std::string& field : written.alteredFields)
        err << "calvex-batch: attenzione: testo modificato per poterlo archiviare in " << target.string() << ": "
            << field << '\n';
    return kExitOk;
}

} // namespace calvex::cli
