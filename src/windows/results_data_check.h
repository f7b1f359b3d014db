#pragma once
// The "Controllo dati immessi" command of the two read-only windows.

class QWidget;

namespace calvex {

class WindowLinks;

// The general check, then the wall check, each silent and bringing up its
// own window when it fails; the success message when both pass.
void checkEnteredData(WindowLinks& links, QWidget* asker);

} // namespace calvex
