#include "tip_file.h"

#include "model/bounded_file.h"
#include "model/cp1252.h"
#include "print/qt/local_path.h"

namespace calvex {

QStringList splitTipLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

std::optional<QStringList> readTipsFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const BoundedFile read = readBoundedFile(qt::localPath(path), kMaxTipsFileBytes);
    if (!read.isRead()) return std::nullopt;
    return splitTipLines(QString::fromStdString(cp1252ToUtf8(read.bytes)));
}

} // namespace calvex
