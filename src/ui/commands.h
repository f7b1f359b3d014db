#pragma once
// The commands of the menu bar and toolbar common to every work window.

#include <QString>
#include <vector>

namespace calvex {

enum class Command {
    apri,
    salva,
    salvanome,
    eliminare,
    stampaModello, // "&Modello acquisizione dati finestra"
    solodati,      // "&Solo dati finestra"
    stampatutto,   // "&Intera elaborazione"
    esci,
    colorare,
    controllodat,
    copiadati,
    cancella,
    fin1,
    fin2,
    fin3,
    fin4,
    fin5,
    guida,
    sugger,
    supporto,
    informazioni,
};

struct ToolbarButton {
    Command command;
    QString toolTip;
    bool separatorBefore;
};

// The nineteen toolbar buttons of a work window (1 to 5).
std::vector<ToolbarButton> toolbarButtons(int windowNumber);

} // namespace calvex
