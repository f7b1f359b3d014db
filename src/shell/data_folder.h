#pragma once
// Where the program's data files are: the splash music, the tips file and
// Qt's Italian texts.

#include <QString>

namespace calvex {

// share/calvex beside the executable's folder: bin/calvex finds them in
// share/calvex of the build folder, of /usr and of an install folder on
// Windows alike (the install rules of CMakeLists.txt keep that layout).
QString dataFolderFor(const QString& programFolder);

} // namespace calvex
