#include "platform/trash.h"

#include <windows.h>

#include <shellapi.h>

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <string>

namespace calvex {

// The shell's delete with undo moves a file to the Recycle Bin; on a drive
// without one (a network share) it would delete the file for good without
// a word, so such a drive is refused first.
bool moveFileToTrash(const QString& file) {
    const QFileInfo info(file);
    SHQUERYRBINFO bin{};
    bin.cbSize = sizeof bin;
    const std::wstring drive = QDir::toNativeSeparators(QStorageInfo(info.absolutePath()).rootPath()).toStdWString();
    if (drive.empty() || SHQueryRecycleBinW(drive.c_str(), &bin) != S_OK) return false;
    // A list of names, each ended by a null, the list by one more.
    std::wstring from = QDir::toNativeSeparators(info.absoluteFilePath()).toStdWString();
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted && !QFileInfo::exists(file);
}

} // namespace calvex
