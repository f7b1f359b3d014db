#pragma once
// Where the program's data files are: the splash music, the tips file and
// Qt's Italian texts.

#include <QString>

namespace calvex {

// On Linux share/calvex beside the executable's folder: bin/calvex finds
// them in share/calvex of the build folder and of /usr alike. On Windows the
// executable's folder itself, as the installer lays it out. The install
// rules of CMakeLists.txt keep these layouts.
QString dataFolderFor(const QString& programFolder);

} // namespace calvex
