#pragma once
// The work windows in one list: what the menus, the toolbar, the common
// commands and the shell know of each. A window is added by its id in
// window_ids.h and a row here (README, "Adding a window").

#include <cstddef>
#include <initializer_list>
#include <iterator>

#include "ui/window_ids.h"

namespace calvex {

struct WorkWindowInfo {
    WorkWindowId id;
    // As the view menu and the toolbar tip name it: "Finestra 'Dati'".
    const char* name;
    // As the question of its own view command names it ("E' questa la
    // finestra '...': si vuole la guida della finestra?").
    const char* nameInOwnQuestion;
    // Its view command's caption in the menu when it is not "Finestra '<name>'".
    const char* viewCaption = nullptr;
    // Its help page, offered by its own view command and "Finestra n.k di N".
    HelpPage helpPage;
    // Shows data without editing it: saving and deleting run from the wall
    // window, and the copy and clear buttons lead to the exit.
    bool readOnly = false;
    // Takes storey data: it prints a blank template and copies a storey to
    // the next one.
    bool storeyData = false;
    // Its print button prints the whole report instead of its own data.
    bool printsReport = false;
};

// In the order of their numbers, which is the order of the view menu and of
// their toolbar buttons.
inline constexpr WorkWindowInfo kWorkWindows[] = {
    {.id = WorkWindowId::dati,
     .name = "Dati",
     .nameInOwnQuestion = "Dati",
     .helpPage = HelpPage::guidadati,
     .storeyData = true},
    {.id = WorkWindowId::sismica,
     .name = "Verifica sismica",
     .nameInOwnQuestion = "Verifica Sismica",
     .helpPage = HelpPage::guidasismica,
     .storeyData = true},
    {.id = WorkWindowId::risultati,
     .name = "Risultati dei piani",
     .nameInOwnQuestion = "Risultati",
     .helpPage = HelpPage::guidarisultati,
     .readOnly = true},
    {.id = WorkWindowId::controllasetti,
     .name = "Controllo dei setti",
     .nameInOwnQuestion = "Controllo setti",
     .helpPage = HelpPage::guidacontrollo,
     .readOnly = true},
    {.id = WorkWindowId::frontespizio,
     .name = "Frontespizio",
     .nameInOwnQuestion = "Frontespizio",
     .helpPage = HelpPage::guidafrontespizio,
     .printsReport = true},
    {.id = WorkWindowId::pianta,
     .name = "Pianta del piano",
     .nameInOwnQuestion = "Pianta del piano",
     .viewCaption = "&Pianta del piano",
     .helpPage = HelpPage::guidapianta,
     .readOnly = true},
};

inline constexpr int kWorkWindowCount = static_cast<int>(std::size(kWorkWindows));

// A window's number is its place in the list.
constexpr bool numberedInOrder() {
    for (int i = 0; i < kWorkWindowCount; ++i)
        if (static_cast<int>(kWorkWindows[i].id) != i + 1) return false;
    return true;
}
static_assert(numberedInOrder(), "kWorkWindows lists the windows in the order of their WorkWindowId numbers");

constexpr const WorkWindowInfo& workWindowInfo(WorkWindowId id) { return kWorkWindows[static_cast<int>(id) - 1]; }

// A set of work windows.
class WindowSet {
public:
    constexpr WindowSet() = default;
    constexpr WindowSet(std::initializer_list<WorkWindowId> ids) {
        for (WorkWindowId id : ids) add(id);
    }
    constexpr void add(WorkWindowId id) { bits_ |= 1u << static_cast<int>(id); }
    constexpr bool contains(WorkWindowId id) const { return bits_ & (1u << static_cast<int>(id)); }

private:
    unsigned bits_ = 0;
};

// The windows whose flag (readOnly, storeyData, printsReport) has that value.
constexpr WindowSet windowsWhere(bool WorkWindowInfo::*flag, bool value = true) {
    WindowSet windows;
    for (const WorkWindowInfo& window : kWorkWindows)
        if (window.*flag == value) windows.add(window.id);
    return windows;
}

inline constexpr WindowSet kEveryWindow = [] {
    WindowSet windows;
    for (const WorkWindowInfo& window : kWorkWindows) windows.add(window.id);
    return windows;
}();

} // namespace calvex
