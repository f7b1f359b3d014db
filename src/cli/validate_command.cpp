// validazione -o OUT.pdf: runs every case of the casebook installed with the
// program's data and prints the casebook with the values obtained.

#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPdfWriter>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>

#include "casebook_printout.h"
#include "commands.h"
#include "exit_codes.h"
#include "model/durable_file.h"
#include "print/qt/qt_text_device.h"

namespace calvex::cli {

namespace {

// share/calvex/validation beside the program's folder, where the build
// copies the casebook and the package installs it.
std::filesystem::path casebookFolder() {
    const QString folder =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/calvex/validation"));
    return std::filesystem::path(folder.toStdString());
}

bool isPdfName(const std::string& name) {
    return QString::fromStdString(name).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

std::string today() {
    return QLocale(QLocale::Italian, QLocale::Italy)
        .toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"))
        .toStdString();
}

std::vector<CaseOutcome> checkCasebook(const std::filesystem::path& casebook, std::ostream& err) {
    std::vector<CaseOutcome> outcomes;
    for (const std::filesystem::path& folder : caseFolders(casebook)) {
        // The archive's own warnings are left out: a case that cannot be
        // run is named with its reason below.
        std::ostringstream archiveMessages;
        CaseOutcome outcome = checkCase(readCase(folder), archiveMessages);
        if (!outcome.problem.empty())
            err << "calvex-batch: caso " << outcome.validationCase.name << ": " << outcome.problem << '\n';
        for (const CheckedValue& value : outcome.values)
            if (!value.passed)
                err << "calvex-batch: caso " << outcome.validationCase.name << ": " << value.expected.quantity
                    << " piano " << value.expected.storey << " setto " << value.expected.wall << ": atteso "
                    << value.expected.text << ", ottenuto " << value.obtainedText() << '\n';
        outcomes.push_back(std::move(outcome));
    }
    return outcomes;
}

std::optional<std::string> casebookPdf(const std::vector<CaseOutcome>& outcomes) {
    QBuffer pdfBytes;
    pdfBytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&pdfBytes);
        qt::setUpA4Pdf(pdf);
        pdf.setCreator(QStringLiteral("Calvex"));
        pdf.setTitle(QStringLiteral("VALIDAZIONE: CASI PROVA"));
        qt::QtTextDevice device(pdf);
        if (device.isActive()) printCasebook(device, outcomes, {CALVEX_VERSION, today()});
        if (!device.documentComplete()) return std::nullopt;
    }
    return pdfBytes.data().toStdString();
}

} // namespace

int validateCommand(std::span<const std::string> args, std::ostream& err) {
    if (args.size() != 2 || args[0] != "-o" || !isPdfName(args[1])) {
        printUsage(err);
        return kExitFailure;
    }
    const std::string& output = args[1];
    // The PDF is drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "calvex-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    const std::filesystem::path casebook = casebookFolder();
    const std::vector<CaseOutcome> outcomes = checkCasebook(casebook, err);
    if (outcomes.empty()) {
        err << "calvex-batch: " << casebook.string() << ": nessun caso prova trovato\n";
        return kExitFailure;
    }
    const std::optional<std::string> bytes = casebookPdf(outcomes);
    if (!bytes) {
        err << "calvex-batch: " << output << ": impossibile scrivere il file PDF\n";
        return kExitFailure;
    }
    const DurableWriteResult written = writeFileDurably(output, *bytes);
    if (!written.ok) {
        err << "calvex-batch: " << output << ": " << written.error << '\n';
        return kExitFailure;
    }
    const bool allPassed =
        std::all_of(outcomes.begin(), outcomes.end(), [](const CaseOutcome& o) { return o.passed(); });
    return allPassed ? kExitOk : kExitNotVerified;
}

} // namespace calvex::cli
