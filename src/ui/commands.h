#pragma once
// The commands of the menu bar and toolbar common to every work window, in
// one table: a row holds everything about one command, its action included,
// and the menus, the toolbar, the enabling and the dispatch all read it.

#include <QString>
#include <functional>
#include <vector>

#include "ui/work_windows.h"

namespace calvex {

class WorkWindow;

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
    guida,
    sugger,
    supporto,
    informazioni,
    // The view commands "Finestra '...'" (fin1, fin2, ...), one per work
    // window from here on, in the order of kWorkWindows: showWindowCommand.
    showWindow,
};

// The view command that shows that window.
constexpr Command showWindowCommand(WorkWindowId id) {
    return static_cast<Command>(static_cast<int>(Command::showWindow) + static_cast<int>(id) - 1);
}

// The menus of the menu bar; `print` is the "S&tampa" submenu of "&File".
enum class CommandMenu { file, print, modify, view, help };

// What a command does in a read-only window.
enum class InReadOnlyWindow {
    asElsewhere,
    buttonExits,     // its toolbar button leads to the exit
    runsInWallWindow // run from the wall window, which is brought up
};

struct CommandRow {
    Command command;
    QString objectName;
    CommandMenu menu;
    QString caption;                    // with its mnemonic
    WindowSet inMenuOf = kEveryWindow;  // the windows whose menu lists it
    WindowSet offeredBy = kEveryWindow; // where it is enabled
    // The toolbar button: its place (buttons of equal place stand for each
    // other in different windows), the windows that show it, its tip and a
    // separator before it. A negative place: no button of its own.
    int toolbarPlace = -1;
    WindowSet onToolbarOf = kEveryWindow;
    QString toolTip{};
    bool separatorBefore = false;
    // The icon: a glyph on a rounded square of that colour (0xRRGGBB).
    QString glyph;
    unsigned colour = 0;
    InReadOnlyWindow inReadOnlyWindow = InReadOnlyWindow::asElsewhere;
    // What it does, given the window it runs in.
    std::function<void(WorkWindow&)> run;
};

// Every command, in menu order.
const std::vector<CommandRow>& commandTable();
const CommandRow& commandRow(Command command);

struct ToolbarButton {
    Command command;
    QString toolTip;
    bool separatorBefore;
};

// The toolbar buttons of a work window (numbered from 1), nineteen with
// five windows.
std::vector<ToolbarButton> toolbarButtons(int windowNumber);

} // namespace calvex
