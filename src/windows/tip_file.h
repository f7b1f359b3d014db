#pragma once
// The tips file: a Windows-1252 text in the program's folder, one tip a line.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>

namespace calvex {

inline const QString kTipsFileName = QStringLiteral("SuggerimentiCalvex.TXT");

// The lines of a text ended by CR LF, LF or CR. Every line counts, an empty
// one too, but the line end at the very end of the text starts no new line.
QStringList splitTipLines(const QString& text);

// The largest tips file read: far above any list of one-line tips.
inline constexpr std::size_t kMaxTipsFileBytes = 1024 * 1024;

// The tips of the file, or nothing when it does not exist or cannot be read:
// a folder, a pipe or a file over the limit is refused at once.
std::optional<QStringList> readTipsFile(const QString& path);

} // namespace calvex
