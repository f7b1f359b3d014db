#pragma once
// Where the validation casebook lies beside the program: share/calvex/
// validation next to its folder on Linux, validation in its folder on
// Windows (the data folder of src/shell/data_folder.h).

#include <QString>

namespace calvex::cli {

QString casebookFolderFor(const QString& programFolder);

} // namespace calvex::cli
