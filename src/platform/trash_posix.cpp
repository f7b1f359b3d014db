#include "platform/trash.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace calvex {

bool moveFileToTrash(const QString& file) {
#if !defined(Q_OS_MACOS)
    // The desktop trash of the user's data folder is used only when it can
    // be there: without it the move would go astray.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
    if (!QDir().mkpath(trash + QStringLiteral("/files")) || !QDir().mkpath(trash + QStringLiteral("/info")))
        return false;
#endif
    return QFile::moveToTrash(file);
}

} // namespace calvex
