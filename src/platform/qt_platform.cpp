#include "qt_platform.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "model/durable_file.h"
#include "print/documents/odt_word_document.h"
#include "print/qt/local_path.h"
#include "print/qt/qt_text_device.h"

namespace calvex {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::question:
            return QMessageBox::Question;
        case MessageIcon::critical:
            return QMessageBox::Critical;
        case MessageIcon::exclamation:
            return QMessageBox::Warning;
        case MessageIcon::information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> chosen(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return path;
}

QFileDialog::Options dialogOptions() {
    // The Qt dialog keeps the titles and filters exactly as given on every desktop.
    return QFileDialog::DontUseNativeDialog;
}

} // namespace

QtPlatform::QtPlatform(std::unique_ptr<MusicPlayer> music, QString printFailureTitle, const QString& translationsFolder)
    : music_(std::move(music)), printFailureTitle_(std::move(printFailureTitle)) {
    if ((!translationsFolder.isEmpty() && qtTexts_.load(QStringLiteral("qt_it"), translationsFolder)) ||
        qtTexts_.load(QStringLiteral("qt_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

QtPlatform::~QtPlatform() { QCoreApplication::removeTranslator(&qtTexts_); }

MessageAnswer QtPlatform::showMessage(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(qtIcon(request.icon), request.title, request.text, QMessageBox::NoButton, parent);
    if (request.buttons == MessageButtons::yesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        yes->setText(QStringLiteral("&S\u00ec"));
        no->setText(QStringLiteral("&No"));
        box.setDefaultButton(request.defaultAnswer == MessageAnswer::no ? no : yes);
        box.exec();
        return box.clickedButton() == static_cast<QAbstractButton*>(yes) ? MessageAnswer::yes : MessageAnswer::no;
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::ok;
}

QStringList qtNameFilters(const QString& filters) {
    const QStringList parts = filters.split('|');
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1].trimmed();
        if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        result << parts[i].trimmed() + QStringLiteral(" (") + pattern + QLatin1Char(')');
    }
    return result;
}

std::optional<QString> QtPlatform::chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) {
    const QStringList nameFilters = qtNameFilters(request.filters);
    QString selected = nameFilters.value(request.selectedFilter);
    return chosen(QFileDialog::getOpenFileName(parent, request.title, request.proposedName, nameFilters.join(";;"),
                                               &selected, dialogOptions()));
}

std::optional<QString> QtPlatform::chooseFileToSave(QWidget* parent, const FileDialogRequest& request) {
    const QStringList nameFilters = qtNameFilters(request.filters);
    QString selected = nameFilters.value(request.selectedFilter);
    return chosen(QFileDialog::getSaveFileName(parent, request.title, request.proposedName, nameFilters.join(";;"),
                                               &selected, dialogOptions()));
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* parent, const QColor& initial) {
    const QColor color = QColorDialog::getColor(initial, parent, QStringLiteral("Colore di sfondo"));
    if (!color.isValid()) return std::nullopt;
    return color;
}

namespace {

// The printer comes first so that it outlives the painting on it. A
// printout to a PDF file is painted into a scratch file and written to the
// chosen one only when whole.
struct PrinterOwner {
    std::unique_ptr<QPrinter> printer;
    QString pdfTarget;
    QTemporaryDir scratch;

    explicit PrinterOwner(std::unique_ptr<QPrinter> chosen) : printer(std::move(chosen)) {
        if (printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) return;
        pdfTarget = printer->outputFileName();
        printer->setOutputFileName(scratch.isValid() ? scratch.filePath(QStringLiteral("stampa.pdf")) : QString());
    }
};

class PrinterTextDevice : private PrinterOwner, public qt::QtTextDevice {
public:
    PrinterTextDevice(std::unique_ptr<QPrinter> chosen, Platform& platform, const QString& failureTitle,
                      QWidget* parent)
        : PrinterOwner(std::move(chosen)),
          qt::QtTextDevice(*printer),
          platform_(platform),
          failureTitle_(failureTitle),
          parent_(parent) {}

protected:
    void documentEnded() override {
        qt::QtTextDevice::documentEnded();
        if (pdfTarget.isEmpty()) return;
        const std::optional<QString> problem =
            deliverPrintedPdf(documentComplete(), printer->outputFileName(), pdfTarget);
        if (problem) platform_.inform(parent_, failureTitle_, *problem, MessageIcon::critical);
    }

private:
    Platform& platform_;
    QString failureTitle_;
    QWidget* parent_;
};

} // namespace

std::optional<QString> deliverPrintedPdf(bool complete, const QString& printed, const QString& target) {
    const auto failed = [&](const QString& reason) {
        return QStringLiteral(
                   "La stampa nel file %1 non \u00e8 riuscita: %2. L'eventuale file precedente \u00e8 "
                   "rimasto invariato.")
            .arg(QDir::toNativeSeparators(target), reason);
    };
    QFile file(printed);
    if (!complete || !file.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("il PDF non \u00e8 stato completato"));
    const QByteArray bytes = file.readAll();
    const DurableWriteResult written = writeFileDurably(
        qt::localPath(target), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!written.ok) return failed(QString::fromStdString(written.error));
    return std::nullopt;
}

std::unique_ptr<TextDevice> QtPlatform::choosePrinter(QWidget* parent) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The printouts are laid out for A4; the dialog offers it first.
    printer->setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    auto device = std::make_unique<PrinterTextDevice>(std::move(printer), *this, printFailureTitle_, parent);
    if (!device->isActive()) return nullptr;
    return device;
}

QString unusedFileName(const QString& folder, const QString& baseName, const QString& extension) {
    const QDir dir(folder);
    QString name = dir.filePath(baseName + extension);
    for (int copy = 2; QFileInfo::exists(name); ++copy)
        name = dir.filePath(QStringLiteral("%1 (%2)%3").arg(baseName).arg(copy).arg(extension));
    return name;
}

std::optional<QString> QtPlatform::openWordDocument(QWidget*, const QString& name,
                                                    const std::function<void(documents::WordDocument&)>& build) {
    documents::OdtWordDocument document;
    // The report of the largest building takes most of a second.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    build(document);
    const std::optional<std::string> bytes = document.package();
    QGuiApplication::restoreOverrideCursor();
    // The document goes where the user keeps his documents, under a name of
    // its own, so that nothing of his is overwritten and his edits are kept.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::homePath();
    const QString file = unusedFileName(folder, name, QStringLiteral(".odt"));
    if (!bytes)
        return QStringLiteral("Impossibile scrivere il documento nel file %1.").arg(QDir::toNativeSeparators(file));
    const DurableWriteResult written = writeFileDurably(qt::localPath(file), *bytes);
    if (!written.ok)
        return QStringLiteral("Impossibile scrivere il documento nel file %1 (%2).")
            .arg(QDir::toNativeSeparators(file), QString::fromStdString(written.error));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        return QStringLiteral(
                   "Il documento \u00e8 stato scritto nel file %1, ma non \u00e8 stato possibile aprirlo "
                   "con l'elaboratore di testi.")
            .arg(QDir::toNativeSeparators(file));
    return std::nullopt;
}

QSize QtPlatform::screenSizeTwips() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    const double twips = twipsPerPixel();
    return QSize(static_cast<int>(pixels.width() * twips), static_cast<int>(pixels.height() * twips));
}

double QtPlatform::twipsPerPixel() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

QDate QtPlatform::currentDate() const { return QDate::currentDate(); }

} // namespace calvex
