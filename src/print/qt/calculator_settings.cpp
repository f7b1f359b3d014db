#include "print/qt/calculator_settings.h"

#include <QIODevice>
#include <QSettings>

namespace calvex::qt {

namespace {

// Settings files in the INI layout whose values are whole texts: the
// standard INI reading makes a value with a comma a list, and an address
// such as "Via dei Test 7, 00100 Roma" would come back empty. A value
// written in double quotes loses them.
bool readWholeValues(QIODevice& device, QSettings::SettingsMap& map) {
    QString group;
    while (!device.atEnd()) {
        const QString line = QString::fromUtf8(device.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = line.mid(1, line.size() - 2).trimmed();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0) continue;
        QString value = line.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) value = value.mid(1, value.size() - 2);
        const QString key = line.left(equals).trimmed();
        map.insert(group.isEmpty() || group == u"General" ? key : group + u'/' + key, value);
    }
    return true;
}

bool refuseWriting(QIODevice&, const QSettings::SettingsMap&) { return false; }

QSettings::Format wholeValueFormat() {
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readWholeValues, refuseWriting);
    return format;
}

CalculatorSettings read(const QSettings& settings) {
    return {
        settings.value(QStringLiteral("calcolatore/nome"), QStringLiteral("Studio tecnico (nome da configurare)"))
            .toString(),
        settings
            .value(QStringLiteral("calcolatore/indirizzo"), QStringLiteral("Indirizzo dello studio (da configurare)"))
            .toString()};
}

} // namespace

CalculatorSettings readCalculatorSettings() {
    return read(
        QSettings(wholeValueFormat(), QSettings::UserScope, QStringLiteral("Calvex"), QStringLiteral("Calvex")));
}

CalculatorSettings readCalculatorSettings(const QString& file) { return read(QSettings(file, wholeValueFormat())); }

} // namespace calvex::qt
