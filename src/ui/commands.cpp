#include "ui/commands.h"

#include <algorithm>

#include "ui/window_host.h"
#include "ui/work_window.h"

namespace calvex {

namespace {

using enum CommandMenu;
using enum InReadOnlyWindow;

constexpr unsigned kGold = 0xc89628, kBlue = 0x285aaa, kRed = 0xb42828, kGrey = 0x464646, kGreen = 0x1e6e3c,
                   kPurple = 0x963c96;

constexpr WindowSet kStoreyDataWindows = windowsWhere(&WorkWindowInfo::storeyData);
constexpr WindowSet kReportWindows = windowsWhere(&WorkWindowInfo::printsReport);
constexpr WindowSet kOwnDataPrintingWindows = windowsWhere(&WorkWindowInfo::printsReport, false);
constexpr WindowSet kEditingWindows = windowsWhere(&WorkWindowInfo::readOnly, false);

// Toolbar places: the buttons of the windows stand after the print button,
// one for each window, and the rest follow them.
constexpr int kPrintButton = 4, kFirstWindowButton = 5, kAfterWindowButtons = kFirstWindowButton + kWorkWindowCount;

CommandRow showWindowRow(const WorkWindowInfo& window) {
    const int number = static_cast<int>(window.id);
    const QString name = QString::fromUtf8(window.name);
    return {.command = showWindowCommand(window.id),
            .objectName = QStringLiteral("fin%1").arg(number),
            .menu = view,
            .caption =
                window.viewCaption ? QString::fromUtf8(window.viewCaption) : QStringLiteral("Finestra '%1'").arg(name),
            .toolbarPlace = kFirstWindowButton + number - 1,
            .toolTip = QStringLiteral("visualizza finestra '%1'").arg(name),
            .separatorBefore = number == 1,
            .glyph = QString::number(number),
            .colour = kGreen,
            .run = [id = window.id](WorkWindow& runner) { runner.showWindow(id); }};
}

std::vector<CommandRow> makeCommandTable() {
    std::vector<CommandRow> rows = {
        {.command = Command::apri,
         .objectName = "apri",
         .menu = file,
         .caption = "&Apri...",
         .toolbarPlace = 0,
         .toolTip = "apri file",
         .glyph = "\u2197",
         .colour = kGold,
         .run = [](WorkWindow& runner) { runner.shell().openArchive(runner); }},
        {.command = Command::salva,
         .objectName = "salva",
         .menu = file,
         .caption = "&Salva",
         .toolbarPlace = 1,
         .toolTip = "salva file",
         .glyph = "\u2193",
         .colour = kBlue,
         .inReadOnlyWindow = runsInWallWindow,
         .run = [](WorkWindow& runner) { runner.shell().saveArchive(runner, false); }},
        {.command = Command::salvanome,
         .objectName = "salvanome",
         .menu = file,
         .caption = "Salva con &nome...",
         .toolbarPlace = 2,
         .toolTip = "salva file con nome",
         .glyph = "\u2193\u2026",
         .colour = kBlue,
         .inReadOnlyWindow = runsInWallWindow,
         .run = [](WorkWindow& runner) { runner.shell().saveArchive(runner, true); }},
        {.command = Command::eliminare,
         .objectName = "eliminare",
         .menu = file,
         .caption = "&Elimina...",
         .toolbarPlace = 3,
         .toolTip = "elimina file",
         .glyph = "\u2715",
         .colour = kRed,
         .inReadOnlyWindow = runsInWallWindow,
         .run = [](WorkWindow& runner) { runner.shell().deleteArchive(runner); }},
        {.command = Command::stampaModello,
         .objectName = "modello",
         .menu = print,
         .caption = "&Modello acquisizione dati finestra",
         .inMenuOf = kStoreyDataWindows,
         .offeredBy = kStoreyDataWindows,
         .glyph = "\u25a4",
         .colour = kGrey,
         .run = [](WorkWindow& runner) { runner.printTemplate(); }},
        {.command = Command::solodati,
         .objectName = "solodati",
         .menu = print,
         .caption = "&Solo dati finestra",
         .toolbarPlace = kPrintButton,
         .onToolbarOf = kOwnDataPrintingWindows,
         .toolTip = "stampa dati finestra",
         .separatorBefore = true,
         .glyph = "\u25a4",
         .colour = kGrey,
         .run = [](WorkWindow& runner) { runner.printWindowData(); }},
        {.command = Command::stampatutto,
         .objectName = "stampatutto",
         .menu = print,
         .caption = "&Intera elaborazione",
         .inMenuOf = kReportWindows,
         .offeredBy = kReportWindows,
         .toolbarPlace = kPrintButton,
         .onToolbarOf = kReportWindows,
         .toolTip = "stampa dati finestra",
         .separatorBefore = true,
         .glyph = "\u25a4",
         .colour = kGrey,
         .run = [](WorkWindow& runner) { runner.printAll(); }},
        {.command = Command::esci,
         .objectName = "esci",
         .menu = file,
         .caption = "Es&ci",
         .toolbarPlace = kAfterWindowButtons + 8,
         .toolTip = "uscita da Calvex",
         .glyph = "\u2716",
         .colour = kRed,
         .run = [](WorkWindow& runner) { runner.shell().exitProgram(&runner); }},
        {.command = Command::colorare,
         .objectName = "colorare",
         .menu = modify,
         .caption = "&Colore di sfondo",
         .toolbarPlace = kAfterWindowButtons,
         .toolTip = "colore di sfondo",
         .separatorBefore = true,
         .glyph = "\u25d1",
         .colour = kPurple,
         .run = [](WorkWindow& runner) { runner.chooseBackground(); }},
        {.command = Command::controllodat,
         .objectName = "controllodat",
         .menu = modify,
         .caption = "Controllo &dati immessi",
         .toolbarPlace = kAfterWindowButtons + 5,
         .toolTip = "controllo dati immessi",
         .separatorBefore = true,
         .glyph = "ABC",
         .colour = kGreen,
         .run = [](WorkWindow& runner) { runner.checkData(); }},
        {.command = Command::copiadati,
         .objectName = "copiadati",
         .menu = modify,
         .caption = "Copia dati nel &piano successivo",
         .offeredBy = kStoreyDataWindows,
         .toolbarPlace = kAfterWindowButtons + 6,
         .toolTip = "copia i dati correnti nel piano successivo",
         .glyph = "\u21a7",
         .colour = kGrey,
         .inReadOnlyWindow = buttonExits,
         .run = [](WorkWindow& runner) { runner.copyToNextStorey(); }},
        {.command = Command::cancella,
         .objectName = "cancella",
         .menu = modify,
         .caption = "Cancella dati &finestra",
         .offeredBy = kEditingWindows,
         .toolbarPlace = kAfterWindowButtons + 7,
         .toolTip = "cancella dati finestra",
         .glyph = "\u232b",
         .colour = kRed,
         .inReadOnlyWindow = buttonExits,
         .run = [](WorkWindow& runner) { runner.clearWindow(); }},
        {.command = Command::guida,
         .objectName = "guida",
         .menu = help,
         .caption = "&Guida in linea",
         .toolbarPlace = kAfterWindowButtons + 1,
         .toolTip = "guida in linea",
         .separatorBefore = true,
         .glyph = "?",
         .colour = kBlue,
         .run = [](WorkWindow& runner) { runner.shell().showHelpIndex(); }},
        {.command = Command::sugger,
         .objectName = "sugger",
         .menu = help,
         .caption = "&Suggerimenti...",
         .toolbarPlace = kAfterWindowButtons + 2,
         .toolTip = "suggerimenti",
         .glyph = "!",
         .colour = kGold,
         .run = [](WorkWindow& runner) { runner.shell().showTips(); }},
        {.command = Command::supporto,
         .objectName = "supporto",
         .menu = help,
         .caption = "Supporto &prodotto",
         .toolbarPlace = kAfterWindowButtons + 3,
         .toolTip = "supporto prodotto",
         .glyph = "@",
         .colour = kBlue,
         .run = [](WorkWindow& runner) { runner.shell().showSupport(); }},
        {.command = Command::informazioni,
         .objectName = "informazioni",
         .menu = help,
         .caption = "&Informazioni su Calvex",
         .toolbarPlace = kAfterWindowButtons + 4,
         .toolTip = "informazioni su Calvex",
         .glyph = "i",
         .colour = kBlue,
         .run = [](WorkWindow& runner) { runner.shell().showAbout(); }},
    };
    // The view commands, one for each window, stand between the modify and
    // the help menus.
    std::vector<CommandRow> views;
    for (const WorkWindowInfo& window : kWorkWindows) views.push_back(showWindowRow(window));
    const auto firstHelpRow =
        std::find_if(rows.begin(), rows.end(), [](const CommandRow& row) { return row.menu == help; });
    rows.insert(firstHelpRow, views.begin(), views.end());
    return rows;
}

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> table = makeCommandTable();
    return table;
}

const CommandRow& commandRow(Command command) {
    const std::vector<CommandRow>& table = commandTable();
    return *std::find_if(table.begin(), table.end(),
                         [command](const CommandRow& row) { return row.command == command; });
}

std::vector<ToolbarButton> toolbarButtons(int windowNumber) {
    const auto window = static_cast<WorkWindowId>(windowNumber);
    std::vector<const CommandRow*> shown;
    for (const CommandRow& row : commandTable())
        if (row.toolbarPlace >= 0 && row.onToolbarOf.contains(window)) shown.push_back(&row);
    std::sort(shown.begin(), shown.end(),
              [](const CommandRow* a, const CommandRow* b) { return a->toolbarPlace < b->toolbarPlace; });
    const bool readOnly = workWindowInfo(window).readOnly;
    std::vector<ToolbarButton> buttons;
    for (const CommandRow* row : shown) {
        const bool exits = row->inReadOnlyWindow == buttonExits && readOnly;
        buttons.push_back({exits ? Command::esci : row->command, row->toolTip, row->separatorBefore});
    }
    return buttons;
}

} // namespace calvex
