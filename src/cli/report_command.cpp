// relazione FILE -o OUT.pdf | OUT.odt: the calculation report of an archive,
// printed to a PDF or written as the editable document, without a display
// and without questions.

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>
#include <iostream>

#include "commands.h"
#include "exit_codes.h"
#include "loaded_project.h"
#include "model/durable_file.h"
#include "model/number_pattern.h"
#include "print/documents/odt_word_document.h"
#include "print/documents/report_document.h"
#include "print/qt/calculator_settings.h"
#include "print/qt/qt_text_device.h"
#include "print/report/report_printout.h"
#include "rules/wall_entry.h"

namespace calvex::cli {

namespace {

struct ReportArguments {
    std::string file;
    std::string output;
};

std::optional<ReportArguments> parseArguments(std::span<const std::string> args) {
    if (args.size() != 3) return std::nullopt;
    if (args[1] == "-o") return ReportArguments{args[0], args[2]};
    if (args[0] == "-o") return ReportArguments{args[2], args[1]};
    return std::nullopt;
}

// The calculator's lines, as the program reads them.
std::pair<std::string, std::string> calculator() {
    const qt::CalculatorSettings settings = qt::readCalculatorSettings(std::cerr, "calvex-batch");
    return {settings.name.toStdString(), settings.address.toStdString()};
}

bool isEditableReport(const std::string& output) {
    const std::string extension = ".odt";
    if (output.size() < extension.size()) return false;
    const std::string end = output.substr(output.size() - extension.size());
    return QString::fromStdString(end).compare(QString::fromStdString(extension), Qt::CaseInsensitive) == 0;
}

// The finished file put in the output's place whole, or a message naming it.
int writeOutput(const std::string& output, std::string_view bytes, std::ostream& err) {
    const DurableWriteResult written = writeFileDurably(output, bytes);
    if (!written.ok) {
        err << "calvex-batch: " << output << ": " << written.error << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

int writeEditableReport(const ProjectData& project, const std::string& output, std::ostream& err) {
    documents::OdtWordDocument document;
    // Numbers in the notation of the user's locale, as the program writes them.
    const QLocale locale;
    const NumberSymbols symbols{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
    documents::buildReportDocument(document, project, calculator().first, symbols);
    const std::optional<std::string> bytes = document.package();
    if (!bytes) {
        err << "calvex-batch: " << output << ": impossibile scrivere il documento\n";
        return kExitFailure;
    }
    return writeOutput(output, *bytes, err);
}

} // namespace

int reportCommand(std::span<const std::string> args, std::ostream& err) {
    const std::optional<ReportArguments> parsed = parseArguments(args);
    if (!parsed) {
        printUsage(err);
        return kExitFailure;
    }
    const std::optional<LoadedProject> loaded = loadAndCompute(parsed->file, err);
    if (!loaded) return kExitFailure;
    const ProjectData& project = *loaded->project;
    if (const auto failure = checkWallData(project)) {
        err << "calvex-batch: " << parsed->file << ": " << failure->message << '\n';
        return kExitFailure;
    }
    if (!loaded->outcome.complete) return kExitFailure;
    if (isEditableReport(parsed->output)) return writeEditableReport(project, parsed->output, err);

    // The PDF is drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "calvex-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    // The PDF is made in memory and written only when whole, so that a
    // failure never leaves a truncated file or spoils an earlier one.
    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&pdfBytes);
        qt::setUpA4Pdf(pdf);
        pdf.setCreator(QStringLiteral("Calvex"));
        pdf.setTitle(QStringLiteral("RELAZIONE DI CALCOLO"));
        qt::QtTextDevice device(pdf);
        if (device.isActive()) {
            const auto [calculatorName, calculatorAddress] = calculator();
            report::printCalculationReport(device, project, calculatorName, calculatorAddress);
        }
        if (!device.documentComplete()) {
            err << "calvex-batch: " << parsed->output << ": impossibile scrivere il file PDF\n";
            return kExitFailure;
        }
    }
    const QByteArray& bytes = pdfBytes.data();
    return writeOutput(parsed->output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                       err);
}

} // namespace calvex::cli
