// relazione FILE -o OUT.pdf: the printed calculation report of an archive,
// written to a PDF without a display and without questions.

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSettings>

#include "commands.h"
#include "exit_codes.h"
#include "loaded_project.h"
#include "model/durable_file.h"
#include "model/wall_entry.h"
#include "print/qt_text_device.h"
#include "print/report_printout.h"

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
    const QSettings settings(QStringLiteral("Calvex"), QStringLiteral("Calvex"));
    return {settings.value(QStringLiteral("calcolatore/nome"), QStringLiteral("Studio tecnico (nome da configurare)"))
                .toString()
                .toStdString(),
            settings.value(QStringLiteral("calcolatore/indirizzo"), QStringLiteral("Indirizzo dello studio (da configurare)"))
                .toString()
                .toStdString()};
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
        setUpA4Pdf(pdf);
        pdf.setCreator(QStringLiteral("Calvex"));
        pdf.setTitle(QStringLiteral("RELAZIONE DI CALCOLO"));
        QtTextDevice device(pdf);
        if (device.isActive()) {
            const auto [calculatorName, calculatorAddress] = calculator();
            printCalculationReport(device, project, calculatorName, calculatorAddress);
        }
        if (!device.documentComplete()) {
            err << "calvex-batch: " << parsed->output << ": impossibile scrivere il file PDF\n";
            return kExitFailure;
        }
    }
    const QByteArray& bytes = pdfBytes.data();
    const DurableWriteResult written =
        writeFileDurably(parsed->output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written.ok) {
        err << "calvex-batch: " << parsed->output << ": " << written.error << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace calvex::cli
