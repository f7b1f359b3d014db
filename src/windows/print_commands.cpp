#include "windows/print_commands.h"

#include <QLocale>
#include <memory>

#include "engine/engine.h"
#include "print/documents/report_document.h"
#include "print/printouts/general_printouts.h"
#include "print/printouts/plan_printout.h"
#include "print/printouts/results_printouts.h"
#include "print/printouts/title_page_printout.h"
#include "print/printouts/wall_printouts.h"
#include "print/report/report_printout.h"
#include "print/tables/printable_values.h"
#include "ui/app_texts.h"
#include "ui/work_window.h"
#include "windows/number_display.h"
#include "windows/window_links.h"

namespace calvex {

namespace {

// Numbers printed as numbers take the user's locale, as on screen.
std::string localeNumber(double value) { return displayNumber(value).toStdString(); }

} // namespace

template <typename Printout>
void PrintCommands::print(WorkWindow& from, Printout printout) {
    std::unique_ptr<TextDevice> device = links_.platform().choosePrinter(&from);
    if (!device) return;
    printout(*device);
}

bool PrintCommands::wallDataChecked(WorkWindow& from) {
    if (links_.wallDataValid()) return true;
    links_.platform().inform(&from, app::kCheckTitle, QStringLiteral("Immettere correttamente i dati."),
                             MessageIcon::critical);
    links_.showWorkWindow(WorkWindowId::sismica);
    return false;
}

bool PrintCommands::resultsCurrent(WorkWindow& from) {
    if (links_.project().resultsCurrent()) return true;
    const RunOutcome outcome = links_.computeWallResults();
    if (outcome.complete) return true;
    links_.platform().inform(&from, app::kCheckTitle,
                             QStringLiteral("La verifica non pu\u00f2 essere completata con i dati immessi (") +
                                 QString::fromStdString(outcome.describe()) +
                                 QStringLiteral("): la stampa non viene eseguita."),
                             MessageIcon::critical);
    return false;
}

bool PrintCommands::valuesPrintable(WorkWindow& from) {
    const std::optional<std::string> message = tables::unprintableValueMessage(links_.project());
    if (!message) return true;
    links_.platform().inform(&from, app::kCheckTitle, QString::fromStdString(*message), MessageIcon::critical);
    return false;
}

void PrintCommands::generalTemplate(WorkWindow& from) {
    print(from, [](TextDevice& device) { printouts::printGeneralDataTemplate(device, localeNumber); });
}

void PrintCommands::generalTable(WorkWindow& from) {
    if (!links_.generalDataValid() || !valuesPrintable(from)) return;
    print(from, [&](TextDevice& device) {
        printouts::printGeneralDataTable(device, links_.project(), links_.generalFieldTexts(), localeNumber);
    });
}

void PrintCommands::titlePageData(WorkWindow& from) {
    const ShellSettings& settings = links_.settings();
    const std::string name = settings.calculatorName.toStdString();
    const std::string address = settings.calculatorAddress.toStdString();
    print(from, [&](TextDevice& device) { printouts::printTitlePageData(device, links_.project(), name, address); });
}

void PrintCommands::resultsTable(WorkWindow& from) {
    if (!wallDataChecked(from) || !resultsCurrent(from) || !valuesPrintable(from)) return;
    print(from, [&](TextDevice& device) { printouts::printResultsTable(device, links_.project(), localeNumber); });
}

void PrintCommands::wallsToModify(WorkWindow& from) {
    if (!wallDataChecked(from) || !resultsCurrent(from) || !valuesPrintable(from)) return;
    print(from, [&](TextDevice& device) { printouts::printWallsToModify(device, links_.project(), localeNumber); });
}

void PrintCommands::wallTemplate(WorkWindow& from) {
    print(from, [](TextDevice& device) { printouts::printWallTemplate(device); });
}

void PrintCommands::wallDataAndResults(WorkWindow& from) {
    if (!links_.wallDataValid() || !resultsCurrent(from) || !valuesPrintable(from)) return;
    print(from,
          [&](TextDevice& device) { printouts::printWallDataAndResults(device, links_.project(), localeNumber); });
}

void PrintCommands::storeyPlan(WorkWindow& from, int storey) {
    if (!wallDataChecked(from) || !resultsCurrent(from) || !valuesPrintable(from)) return;
    const std::string date = links_.platform().currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    print(from, [&](TextDevice& device) {
        printouts::printStoreyPlan(device, links_.project(), storey, date, localeNumber);
        device.endDocument();
    });
}

bool PrintCommands::reportMayStart(WorkWindow& from) {
    if (!links_.generalDataValid()) {
        links_.showWorkWindow(WorkWindowId::dati);
        return false;
    }
    if (!links_.wallDataValid()) {
        links_.showWorkWindow(WorkWindowId::sismica);
        return false;
    }
    if (!resultsCurrent(from) || !valuesPrintable(from)) return false;
    return buildingVerified(links_.project()) ||
           links_.platform().askYesNo(
               &from, app::kProductName,
               QStringLiteral(
                   "Attenzione: l'edificio non \u00e8 verificato, si vuole comunque stampare la relazione?"));
}

void PrintCommands::calculationReport(WorkWindow& from) {
    if (!reportMayStart(from)) return;
    const ShellSettings& settings = links_.settings();
    const std::string name = settings.calculatorName.toStdString();
    const std::string address = settings.calculatorAddress.toStdString();
    print(from, [&](TextDevice& device) { report::printCalculationReport(device, links_.project(), name, address); });
}

void PrintCommands::calculationDocument(WorkWindow& from) {
    if (!reportMayStart(from)) return;
    const std::string name = links_.settings().calculatorName.toStdString();
    const QLocale locale;
    const NumberSymbols symbols{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
    const std::optional<QString> failure = links_.platform().openWordDocument(
        &from, QStringLiteral("Relazione di calcolo"), [&](documents::WordDocument& document) {
            documents::buildReportDocument(document, links_.project(), name, symbols);
        });
    if (failure) links_.platform().inform(&from, app::kProductName, *failure, MessageIcon::critical);
}

} // namespace calvex
