#pragma once
// The desktop program's command line: nothing, or the one archive to open
// (what the file manager passes on a double click).

#include <QString>
#include <optional>

namespace calvex {

struct StartRequest {
    // The archive to open once the general window is up; empty to start as
    // the splash alone.
    QString archive;
};

inline constexpr const char* kUsageLine =
    "uso: calvex [ARCHIVIO]  (senza argomenti, oppure il nome di un archivio Calvex-dati-... da aprire)\n";

// What the arguments ask for; nothing when they are not one of those forms
// (an option, or more than one name).
std::optional<StartRequest> readCommandLine(int argc, const char* const* argv);

// The folder to work in. Started in its own folder (as the Windows Start menu
// starts it: a folder under Program Files the user cannot write to), the
// program works in the user's documents, where its file dialogs then start;
// started anywhere else, it stays there.
QString workingFolderAtStart(const QString& current, const QString& programFolder, const QString& documents);

} // namespace calvex
