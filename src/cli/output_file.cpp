#include "output_file.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include <algorithm>
#include <filesystem>

#include "commands.h"
#include "exit_codes.h"
#include "model/durable_file.h"
#include "print/qt/qt_text_device.h"

namespace calvex::cli {

namespace {

std::optional<OutputArguments> parseOutputArguments(std::span<const std::string> args) {
    if (args.size() != 3) return std::nullopt;
    if (args[1] == "-o") return OutputArguments{args[0], args[2]};
    if (args[0] == "-o") return OutputArguments{args[2], args[1]};
    return std::nullopt;
}

// An output never goes over the archive it is made from (also when a link
// leads there): the message when it would.
std::optional<std::string> sameFileProblem(const OutputArguments& arguments, std::string_view madeFrom) {
    std::error_code error;
    if (std::filesystem::equivalent(arguments.file, arguments.output, error))
        return "\u00e8 l'archivio da cui si ricava " + std::string(madeFrom) + ": non viene sovrascritto";
    return std::nullopt;
}

} // namespace

std::optional<OutputArguments> readOutputArguments(std::span<const std::string> args, const OutputKind& kind,
                                                   std::ostream& err) {
    const std::optional<OutputArguments> parsed = parseOutputArguments(args);
    if (!parsed) {
        printUsage(err);
        return std::nullopt;
    }
    std::optional<std::string> problem;
    if (std::none_of(kind.endings.begin(), kind.endings.end(),
                     [&](std::string_view ending) { return endsWith(parsed->output, ending); })) {
        std::string endings;
        for (std::string_view ending : kind.endings) endings += (endings.empty() ? "" : " o ") + std::string(ending);
        problem = "il nome del file " + std::string(kind.fileOf) + " deve terminare con " + endings;
    } else {
        problem = sameFileProblem(*parsed, kind.madeFrom);
    }
    if (!problem) return parsed;
    err << "calvex-batch: " << parsed->output << ": " << *problem << '\n';
    printUsage(err);
    return std::nullopt;
}

bool endsWith(const std::string& name, std::string_view extension) {
    if (name.size() < extension.size()) return false;
    return QString::fromStdString(name.substr(name.size() - extension.size()))
               .compare(QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size())),
                        Qt::CaseInsensitive) == 0;
}

int writeOutput(const std::string& output, std::string_view bytes, std::ostream& err) {
    const DurableWriteResult written = writeFileDurably(output, bytes);
    if (!written.ok) {
        err << "calvex-batch: " << output << ": " << written.error << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

int inOffscreenApplication(const std::function<int()>& command) {
    if (QCoreApplication::instance()) return command();
#ifndef _WIN32
    // Without a display on Linux; Windows always has its desktop, whose
    // platform finds the system's fonts.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    int argc = 1;
    char name[] = "calvex-batch";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);
    return command();
}

int writePdf(const std::string& output, const QString& title, const std::function<void(TextDevice&)>& draw,
             std::ostream& err) {
    return inOffscreenApplication([&] {
        QBuffer pdfBytes;
        pdfBytes.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&pdfBytes);
            qt::setUpA4Pdf(pdf);
            pdf.setCreator(QStringLiteral("Calvex"));
            pdf.setTitle(title);
            qt::QtTextDevice device(pdf);
            if (device.isActive()) draw(device);
            if (!device.documentComplete()) {
                err << "calvex-batch: " << output << ": impossibile scrivere il file PDF\n";
                return kExitFailure;
            }
        }
        const QByteArray& bytes = pdfBytes.data();
        return writeOutput(output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), err);
    });
}

} // namespace calvex::cli
