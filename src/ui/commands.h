#pragma once
// The commands of the menu bar and toolbar common to every work window, in
// one table: a row holds everything about one command, and the menus, the
// toolbar, the enabling and the dispatch all read it.

#include <QString>
#include <initializer_list>
#include <vector>

#include "ui/window_ids.h"

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

// The menus of the menu bar; `print` is the "S&tampa" submenu of "&File".
enum class CommandMenu { file, print, modify, view, help };

// A set of work windows.
class WindowSet {
public:
    constexpr WindowSet(std::initializer_list<WorkWindowId> ids) {
        for (WorkWindowId id : ids) bits_ |= 1u << static_cast<int>(id);
    }
    constexpr bool contains(WorkWindowId id) const { return bits_ & (1u << static_cast<int>(id)); }

private:
    unsigned bits_ = 0;
};

inline constexpr WindowSet kEveryWindow{WorkWindowId::dati, WorkWindowId::sismica, WorkWindowId::risultati,
                                        WorkWindowId::controllasetti, WorkWindowId::frontespizio};

// The results and wall-check windows show data without editing it.
bool isReadOnlyWindow(WorkWindowId id);

// What a command does in a read-only window.
enum class InReadOnlyWindow {
    asElsewhere,
    buttonExits,     // its toolbar button leads to the exit
    runsInWallWindow // run from the wall window, which is brought up
};

struct CommandRow {
    Command command;
    const char* objectName;
    CommandMenu menu;
    const char* caption; // with its mnemonic
    WindowSet inMenuOf;  // the windows whose menu lists it
    WindowSet offeredBy; // where it is enabled
    // The toolbar button: its place (buttons of equal place stand for each
    // other in different windows), the windows that show it, its tip and a
    // separator before it. A negative place: no button of its own.
    int toolbarPlace;
    WindowSet onToolbarOf;
    const char* toolTip;
    bool separatorBefore;
    // The icon: a glyph on a rounded square of that colour (0xRRGGBB).
    const char* glyph;
    unsigned colour;
    InReadOnlyWindow inReadOnlyWindow;
};

// Every command, in menu order.
const std::vector<CommandRow>& commandTable();
const CommandRow& commandRow(Command command);

struct ToolbarButton {
    Command command;
    QString toolTip;
    bool separatorBefore;
};

// The nineteen toolbar buttons of a work window (1 to 5).
std::vector<ToolbarButton> toolbarButtons(int windowNumber);

} // namespace calvex
