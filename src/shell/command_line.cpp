#include "shell/command_line.h"

#include <QFile>
#include <QFileInfo>

namespace calvex {

std::optional<StartRequest> readCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) return StartRequest{};
    if (argc > 2) return std::nullopt;
    const QString name = QFile::decodeName(argv[1]);
    // Anything that looks like an option is refused rather than taken for a
    // file: "./-name" opens a file of that name.
    if (name.isEmpty() || name.startsWith(QLatin1Char('-'))) return std::nullopt;
    // The name stays valid whatever the working folder later becomes.
    return StartRequest{QFileInfo(name).absoluteFilePath()};
}

QString workingFolderAtStart(const QString& current, const QString& programFolder, const QString& documents) {
    const QString here = QFileInfo(current).canonicalFilePath();
    const bool inProgramFolder = !here.isEmpty() && here == QFileInfo(programFolder).canonicalFilePath();
    return inProgramFolder && !documents.isEmpty() ? documents : current;
}

} // namespace calvex
