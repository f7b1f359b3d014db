#pragma once
// The calculator's name and address of the title page and of the report,
// set by whoever installs the program in its settings file
// ([calcolatore] nome=..., indirizzo=...). The program and the batch tool
// read them here alike.

#include <QString>

namespace calvex::qt {

struct CalculatorSettings {
    QString name;
    QString address;
};

// From the user's settings of organisation and application "Calvex"
// (on Linux ~/.config/Calvex/Calvex.conf, then the system's).
CalculatorSettings readCalculatorSettings();
// From that settings file; a missing file or value gives the placeholder.
CalculatorSettings readCalculatorSettings(const QString& file);

} // namespace calvex::qt
