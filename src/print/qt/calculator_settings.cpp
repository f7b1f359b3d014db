#include "print/qt/calculator_settings.h"

#include <QDir>
#include <QHash>
#include <QStandardPaths>
#include <QStringDecoder>

#include "model/bounded_file.h"
#include "model/cp1252.h"
#include "print/qt/local_path.h"

namespace calvex::qt {

namespace {

using SettingsMap = QHash<QString, QString>;

QString decodeSettingsText(const std::string& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    // Written by an editor of the 8-bit Western European character set.
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

// Settings in the INI layout whose values are whole texts: the standard INI
// reading makes a value with a comma a list, and an address such as
// "Via dei Test 7, 00100 Roma" would come back empty. A value written in
// double quotes loses them. Keys outside a group, or in [General], have
// no group in their name; the others are "group/key".
SettingsMap readWholeValues(const QString& text) {
    SettingsMap map;
    QString group;
    for (const QString& rawLine : text.split(u'\n')) {
        const QString line = rawLine.trimmed();
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
    return map;
}

} // namespace

QStringList calculatorSettingsFiles() {
    const QString appFile = QStringLiteral("/Calvex/Calvex.conf");
    const QString orgFile = QStringLiteral("/Calvex.conf");
    // The user's folder comes first, then the system's, as QSettings has it.
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    QStringList files;
    if (folders.isEmpty()) return files;
    files << folders.front() + appFile << folders.front() + orgFile;
    const QStringList systemFolders = folders.mid(1);
    for (const QString& folder : systemFolders) files << folder + appFile;
    for (const QString& folder : systemFolders) files << folder + orgFile;
    return files;
}

CalculatorSettings readCalculatorSettings(const QStringList& files, std::ostream& warnings, std::string_view program) {
    SettingsMap values;
    for (const QString& file : files) {
        const BoundedFile read = readBoundedFile(localPath(file), kMaxSettingsFileBytes);
        if (read.status == BoundedFile::Status::missing) continue;
        if (!read.isRead()) {
            warnings << program << ": attenzione: impostazioni del calcolatore non lette da "
                     << QDir::toNativeSeparators(file).toStdString() << ": " << read.problem << '\n';
            continue;
        }
        // The earlier files take precedence.
        const SettingsMap fileValues = readWholeValues(decodeSettingsText(read.bytes));
        for (auto it = fileValues.cbegin(); it != fileValues.cend(); ++it)
            if (!values.contains(it.key())) values.insert(it.key(), it.value());
    }
    return {values.value(QStringLiteral("calcolatore/nome"), QStringLiteral("Studio tecnico (nome da configurare)")),
            values.value(QStringLiteral("calcolatore/indirizzo"),
                         QStringLiteral("Indirizzo dello studio (da configurare)"))};
}

CalculatorSettings readCalculatorSettings(std::ostream& warnings, std::string_view program) {
    return readCalculatorSettings(calculatorSettingsFiles(), warnings, program);
}

} // namespace calvex::qt
