#include "ui/command_icons.h"

#include <QPainter>
#include <QPixmap>

namespace calvex {

QIcon commandIcon(Command command) {
    const CommandRow& row = commandRow(command);
    const QString& glyph = row.glyph;
    const QColor colour = QColor::fromRgb(row.colour);
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    painter.setBrush(colour.lighter(185));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(glyph.size() > 2 ? 8 : 14);
    painter.setFont(font);
    painter.setPen(colour.darker(130));
    painter.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

} // namespace calvex
