// relazione FILE -o OUT.pdf | OUT.odt: the calculation report of an archive,
// printed to a PDF or written as the editable document, without a display
// and without questions.

#include <QBuffer>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>

#include <filesystem>
#include <optional>
#include <string_view>

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
std::pair<std::string, std::string> calculator(std::ostream& err) {
    const qt::CalculatorSettings settings = qt::readCalculatorSettings(err, "calvex-batch");
    return {settings.name.toStdString(), settings.address.toStdString()};
}

bool endsWith(const std::string& name, std::string_view extension) {
    if (name.size() < extension.size()) return false;
    return QString::fromStdString(name.substr(name.size() - extension.size()))
               .compare(QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size())),
                        Qt::CaseInsensitive) == 0;
}

bool isEditableReport(const std::string& output) { return endsWith(output, ".odt"); }

// A report goes only to a name that says what it is, and never over the
// archive it is made from (also when a link leads there): anything else is
// taken for a mistake in the arguments.
std::optional<std::string> outputProblem(const ReportArguments& arguments) {
    if (!endsWith(arguments.output, ".pdf") && !endsWith(arguments.output, ".odt"))
        return "il nome del file della relazione deve terminare con .pdf o .odt";
    std::error_code error;
    if (std::filesystem::equivalent(arguments.file, arguments.output, error))
        return "\u00e8 l'archivio da cui si ricava la relazione: non viene sovrascritto";
    return std::nullopt;
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
    const std::optional<ReportArguments> parsed = parseArguments(args);
    if (!parsed) {
        printUsage(err);
        return kExitFailure;
    }
    if (const auto problem = outputProblem(*parsed)) {
        err << "calvex-batch: " << parsed->output << ": " << *problem << '\n';
        printUsage(err);
        return kExitFailure;
    }
    const LoadedProject loaded = loadAndCompute(parsed->file, err);
    if (!loaded.complete()) return kExitFailure;
    const ProjectData& project = *loaded.project;
    if (isEditableReport(parsed->output)) return writeEditableReport(project, parsed->output, err);

#ifndef _WIN32
    // The PDF is drawn without a display on Linux; Windows always has its
    // desktop, whose platform finds the system's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
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
            const auto [calculatorName, calculatorAddress] = calculator(err);
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
