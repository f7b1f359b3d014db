// relazione FILE -o OUT.pdf | OUT.odt: the calculation report of an archive,
// printed to a PDF or written as the editable document, without a display
// and without questions.

#include <QLocale>

#include <optional>
#include <string_view>

#include "commands.h"
#include "exit_codes.h"
#include "loaded_project.h"
#include "model/number_pattern.h"
#include "output_file.h"
#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"
#include "print/qt/calculator_settings.h"
#include "print/report/report_printout.h"

namespace calvex::cli {

namespace {

// The calculator's lines, as the program reads them.
std::pair<std::string, std::string> calculator(std::ostream& err) {
    const qt::CalculatorSettings settings = qt::readCalculatorSettings(err, "calvex-batch");
    return {settings.name.toStdString(), settings.address.toStdString()};
}

bool isEditableReport(const std::string& output) { return endsWith(output, ".odt"); }

int writeEditableReport(const ProjectData& project, const std::string& output, std::ostream& err) {
    documents::OdtWordDocument document;
    // Numbers in the notation of the user's locale, as the program writes them.
    const QLocale locale;
    const NumberSymbols symbols{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
    documents::buildReportDocument(document, project, calculator(err).first, symbols);
    const std::optional<std::string> bytes = document.package();
    if (!bytes) {
        err << "calvex-batch: " << output << ": impossibile scrivere il documento\n";
        return kExitFailure;
    }
    return writeOutput(output, *bytes, err);
}

} // namespace

int reportCommand(std::span<const std::string> args, std::ostream& err) {
    // A report goes only to a name that says what it is, and never over the
    // archive it is made from: anything else is taken for a mistake in the
    // arguments.
    static constexpr std::string_view kEndings[] = {".pdf", ".odt"};
    const std::optional<OutputArguments> parsed =
        readOutputArguments(args, {"della relazione", "la relazione", kEndings}, err);
    if (!parsed) return kExitFailure;
    const LoadedProject loaded = loadAndCompute(parsed->file, err);
    if (!loaded.complete()) return kExitFailure;
    const ProjectData& project = *loaded.project;
    if (isEditableReport(parsed->output)) return writeEditableReport(project, parsed->output, err);

    return writePdf(
        parsed->output, QStringLiteral("RELAZIONE DI CALCOLO"),
        [&](TextDevice& device) {
            const auto [calculatorName, calculatorAddress] = calculator(err);
            report::printCalculationReport(device, project, calculatorName, calculatorAddress);
        },
        err);
}

} // namespace calvex::cli
