#pragma once
// Deleting a file the way the desktop does: into its trash, from where a
// wrong click can be undone.

#include <QString>

namespace calvex {

// True when the file went to the trash (on Windows the Recycle Bin); false
// when there is none to take it, and the file is then left where it was.
bool moveFileToTrash(const QString& file);

} // namespace calvex
