#include "casebook_folder.h"

#include <QDir>

namespace calvex::cli {

QString casebookFolderFor(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/validation"));
}

} // namespace calvex::cli
