#pragma once
// The calculator's name and address of the title page and of the report,
// set by whoever installs the program in its settings file
// ([calcolatore] nome=..., indirizzo=...). The program and the batch tool
// read them here alike.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <ostream>
#include <string_view>

namespace calvex::qt {

struct CalculatorSettings {
    QString name;
    QString address;
};

// The largest settings file read; the two lines it needs take a few
// hundred bytes.
inline constexpr std::size_t kMaxSettingsFileBytes = 64 * 1024;

// The settings files of organisation and application "Calvex", where
// QSettings looks for them and in its order: the user's (on Linux
// ~/.config/Calvex/Calvex.conf, then ~/.config/Calvex.conf), then the
// system's (/etc/xdg/Calvex/Calvex.conf, then /etc/xdg/Calvex.conf).
QStringList calculatorSettingsFiles();

// Each value from the first of `files` that holds it, else its placeholder.
// A missing file is passed over. So is, at once, one that is there but
// cannot be read (a folder, a pipe, a file over the limit), with a line on
// `warnings` that begins with the `program`'s name. A file that is not
// UTF-8 is read as Windows-1252.
CalculatorSettings readCalculatorSettings(const QStringList& files, std::ostream& warnings, std::string_view program);
// From calculatorSettingsFiles().
CalculatorSettings readCalculatorSettings(std::ostream& warnings, std::string_view program);

} // namespace calvex::qt
