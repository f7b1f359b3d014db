#include "windows/captions.h"

#include <QRegularExpression>

namespace calvex {

QString accessibleCaption(const QString& caption) {
    static const QRegularExpression leaders(QStringLiteral("\\.{2,}"));
    static const QRegularExpression closing(QStringLiteral("[.:\\s]+$"));
    QString name = caption;
    name.replace(leaders, QStringLiteral(" "));
    name.replace(closing, QString());
    return name.simplified();
}

} // namespace calvex
