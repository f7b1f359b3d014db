#include "ui/commands.h"

#include <algorithm>

namespace calvex {

namespace {

using enum WorkWindowId;
using enum CommandMenu;
using enum InReadOnlyWindow;

constexpr unsigned kGold = 0xc89628, kBlue = 0x285aaa, kRed = 0xb42828, kGrey = 0x464646, kGreen = 0x1e6e3c,
                   kPurple = 0x963c96;

const std::vector<CommandRow> kCommands = {
    {Command::apri, "apri", file, "&Apri...", kEveryWindow, kEveryWindow, 0, kEveryWindow, "apri file", false, "\u2197",
     kGold, asElsewhere},
    {Command::salva, "salva", file, "&Salva", kEveryWindow, kEveryWindow, 1, kEveryWindow, "salva file", false,
     "\u2193", kBlue, runsInWallWindow},
    {Command::salvanome, "salvanome", file, "Salva con &nome...", kEveryWindow, kEveryWindow, 2, kEveryWindow,
     "salva file con nome", false, "\u2193\u2026", kBlue, runsInWallWindow},
    {Command::eliminare, "eliminare", file, "&Elimina...", kEveryWindow, kEveryWindow, 3, kEveryWindow, "elimina file",
     false, "\u2715", kRed, runsInWallWindow},
    {Command::stampaModello,
     "modello",
     print,
     "&Modello acquisizione dati finestra",
     {dati, sismica},
     {dati, sismica},
     -1,
     {},
     "",
     false,
     "\u25a4",
     kGrey,
     asElsewhere},
    {Command::solodati,
     "solodati",
     print,
     "&Solo dati finestra",
     kEveryWindow,
     kEveryWindow,
     4,
     {dati, sismica, risultati, controllasetti},
     "stampa dati finestra",
     true,
     "\u25a4",
     kGrey,
     asElsewhere},
    {Command::stampatutto,
     "stampatutto",
     print,
     "&Intera elaborazione",
     {frontespizio},
     {frontespizio},
     4,
     {frontespizio},
     "stampa dati finestra",
     true,
     "\u25a4",
     kGrey,
     asElsewhere},
    {Command::esci, "esci", file, "Es&ci", kEveryWindow, kEveryWindow, 18, kEveryWindow, "uscita da Calvex", false,
     "\u2716", kRed, asElsewhere},
    {Command::colorare, "colorare", modify, "&Colore di sfondo", kEveryWindow, kEveryWindow, 10, kEveryWindow,
     "colore di sfondo", true, "\u25d1", kPurple, asElsewhere},
    {Command::controllodat, "controllodat", modify, "Controllo &dati immessi", kEveryWindow, kEveryWindow, 15,
     kEveryWindow, "controllo dati immessi", true, "ABC", kGreen, asElsewhere},
    {Command::copiadati,
     "copiadati",
     modify,
     "Copia dati nel &piano successivo",
     kEveryWindow,
     {dati, sismica},
     16,
     kEveryWindow,
     "copia i dati correnti nel piano successivo",
     false,
     "\u21a7",
     kGrey,
     buttonExits},
    {Command::cancella,
     "cancella",
     modify,
     "Cancella dati &finestra",
     kEveryWindow,
     {dati, sismica, frontespizio},
     17,
     kEveryWindow,
     "cancella dati finestra",
     false,
     "\u232b",
     kRed,
     buttonExits},
    {Command::fin1, "fin1", view, "Finestra 'Dati'", kEveryWindow, kEveryWindow, 5, kEveryWindow,
     "visualizza finestra 'Dati'", true, "1", kGreen, asElsewhere},
    {Command::fin2, "fin2", view, "Finestra 'Verifica sismica'", kEveryWindow, kEveryWindow, 6, kEveryWindow,
     "visualizza finestra 'Verifica sismica'", false, "2", kGreen, asElsewhere},
    {Command::fin3, "fin3", view, "Finestra 'Risultati dei piani'", kEveryWindow, kEveryWindow, 7, kEveryWindow,
     "visualizza finestra 'Risultati dei piani'", false, "3", kGreen, asElsewhere},
    {Command::fin4, "fin4", view, "Finestra 'Controllo dei setti'", kEveryWindow, kEveryWindow, 8, kEveryWindow,
     "visualizza finestra 'Controllo dei setti'", false, "4", kGreen, asElsewhere},
    {Command::fin5, "fin5", view, "Finestra 'Frontespizio'", kEveryWindow, kEveryWindow, 9, kEveryWindow,
     "visualizza finestra 'Frontespizio'", false, "5", kGreen, asElsewhere},
    {Command::guida, "guida", help, "&Guida in linea", kEveryWindow, kEveryWindow, 11, kEveryWindow, "guida in linea",
     true, "?", kBlue, asElsewhere},
    {Command::sugger, "sugger", help, "&Suggerimenti...", kEveryWindow, kEveryWindow, 12, kEveryWindow, "suggerimenti",
     false, "!", kGold, asElsewhere},
    {Command::supporto, "supporto", help, "Supporto &prodotto", kEveryWindow, kEveryWindow, 13, kEveryWindow,
     "supporto prodotto", false, "@", kBlue, asElsewhere},
    {Command::informazioni, "informazioni", help, "&Informazioni su Calvex", kEveryWindow, kEveryWindow, 14,
     kEveryWindow, "informazioni su Calvex", false, "i", kBlue, asElsewhere},
};

} // namespace

bool isReadOnlyWindow(WorkWindowId id) { return id == risultati || id == controllasetti; }

const std::vector<CommandRow>& commandTable() { return kCommands; }

const CommandRow& commandRow(Command command) {
    return *std::find_if(kCommands.begin(), kCommands.end(),
                         [command](const CommandRow& row) { return row.command == command; });
}

std::vector<ToolbarButton> toolbarButtons(int windowNumber) {
    const auto window = static_cast<WorkWindowId>(windowNumber);
    std::vector<const CommandRow*> shown;
    for (const CommandRow& row : kCommands)
        if (row.toolbarPlace >= 0 && row.onToolbarOf.contains(window)) shown.push_back(&row);
    std::sort(shown.begin(), shown.end(),
              [](const CommandRow* a, const CommandRow* b) { return a->toolbarPlace < b->toolbarPlace; });
    std::vector<ToolbarButton> buttons;
    for (const CommandRow* row : shown) {
        const bool exits = row->inReadOnlyWindow == buttonExits && isReadOnlyWindow(window);
        buttons.push_back(
            {exits ? Command::esci : row->command, QString::fromUtf8(row->toolTip), row->separatorBefore});
    }
    return buttons;
}

} // namespace calvex
