#include "ui/command_icons.h"

#include <QPainter>
#include <QPixmap>

namespace calvex {

namespace {

struct IconLook {
    QString glyph;
    QColor colour;
};

IconLook lookOf(Command command) {
    switch (command) {
    case Command::apri: return {QStringLiteral("\u2197"), QColor(200, 150, 40)};
    case Command::salva: return {QStringLiteral("\u2193"), QColor(40, 90, 170)};
    case Command::salvanome: return {QStringLiteral("\u2193\u2026"), QColor(40, 90, 170)};
    case Command::eliminare: return {QStringLiteral("\u2715"), QColor(180, 40, 40)};
    case Command::solodati:
    case Command::stampaModello:
    case Command::stampatutto: return {QStringLiteral("\u25a4"), QColor(70, 70, 70)};
    case Command::fin1: return {QStringLiteral("1"), QColor(30, 110, 60)};
    case Command::fin2: return {QStringLiteral("2"), QColor(30, 110, 60)};
    case Command::fin3: return {QStringLiteral("3"), QColor(30, 110, 60)};
    case Command::fin4: return {QStringLiteral("4"), QColor(30, 110, 60)};
    case Command::fin5: return {QStringLiteral("5"), QColor(30, 110, 60)};
    case Command::colorare: return {QStringLiteral("\u25d1"), QColor(150, 60, 150)};
    case Command::guida: return {QStringLiteral("?"), QColor(40, 90, 170)};
    case Command::sugger: return {QStringLiteral("!"), QColor(200, 150, 40)};
    case Command::supporto: return {QStringLiteral("@"), QColor(40, 90, 170)};
    case Command::informazioni: return {QStringLiteral("i"), QColor(40, 90, 170)};
    case Command::controllodat: return {QStringLiteral("ABC"), QColor(30, 110, 60)};
    case Command::copiadati: return {QStringLiteral("\u21a7"), QColor(70, 70, 70)};
    case Command::cancella: return {QStringLiteral("\u232b"), QColor(180, 40, 40)};
    case Command::esci: return {QStringLiteral("\u2716"), QColor(180, 40, 40)};
    }
    return {};
}

} // namespace

QIcon commandIcon(Command command) {
    const IconLook look = lookOf(command);
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.colour, 1.5));
    painter.setBrush(look.colour.lighter(185));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 4, 4);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(look.glyph.size() > 2 ? 8 : 14);
    painter.setFont(font);
    painter.setPen(look.colour.darker(130));
    painter.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, look.glyph);
    return QIcon(pixmap);
}

} // namespace calvex
