#pragma once
// A file name of the windows and dialogs as the name the file layer opens:
// through UTF-16, so that accented letters reach the system whole on every
// platform (UTF-8 bytes on Linux, the wide calls on Windows).

#include <QString>
#include <filesystem>

namespace calvex::qt {

inline std::filesystem::path localPath(const QString& file) { return std::filesystem::path(file.toStdU16String()); }

} // namespace calvex::qt
