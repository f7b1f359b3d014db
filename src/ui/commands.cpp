#include "ui/commands.h"

namespace calvex {

std::vector<ToolbarButton> toolbarButtons(int windowNumber) {
    // In the results and wall-check windows the copy and clear buttons lead to the exit.
    const bool readOnlyWindow = windowNumber == 3 || windowNumber == 4;
    return {
        {Command::apri, QStringLiteral("apri file"), false},
        {Command::salva, QStringLiteral("salva file"), false},
        {Command::salvanome, QStringLiteral("salva file con nome"), false},
        {Command::eliminare, QStringLiteral("elimina file"), false},
        {windowNumber == 5 ? Command::stampatutto : Command::solodati, QStringLiteral("stampa dati finestra"), true},
        {Command::fin1, QStringLiteral("visualizza finestra 'Dati'"), true},
        {Command::fin2, QStringLiteral("visualizza finestra 'Verifica sismica'"), false},
        {Command::fin3, QStringLiteral("visualizza finestra 'Risultati dei piani'"), false},
        {Command::fin4, QStringLiteral("visualizza finestra 'Controllo dei setti'"), false},
        {Command::fin5, QStringLiteral("visualizza finestra 'Frontespizio'"), false},
        {Command::colorare, QStringLiteral("colore di sfondo"), true},
        {Command::guida, QStringLiteral("guida in linea"), true},
        {Command::sugger, QStringLiteral("suggerimenti"), false},
        {Command::supporto, QStringLiteral("supporto prodotto"), false},
        {Command::informazioni, QStringLiteral("informazioni su Calvex"), false},
        {Command::controllodat, QStringLiteral("controllo dati immessi"), true},
        {readOnlyWindow ? Command::esci : Command::copiadati, QStringLiteral("copia i dati correnti nel piano successivo"),
         false},
        {readOnlyWindow ? Command::esci : Command::cancella, QStringLiteral("cancella dati finestra"), false},
        {Command::esci, QStringLiteral("uscita da Calvex"), false},
    };
}

} // namespace calvex
