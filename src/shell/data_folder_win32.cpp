#include "shell/data_folder.h"

#include <QDir>

namespace calvex {

QString dataFolderFor(const QString& programFolder) { return QDir::cleanPath(programFolder); }

} // namespace calvex
