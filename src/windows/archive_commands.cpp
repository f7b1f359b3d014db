#include "windows/archive_commands.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <optional>

#include "model/archive.h"
#include "model/durable_file.h"
#include "model/project_data.h"
#include "platform/platform.h"
#include "platform/trash.h"
#include "print/qt/local_path.h"
#include "ui/app_texts.h"
#include "ui/work_window.h"
#include "windows/window_links.h"

namespace calvex {

const QString ArchiveCommands::kOpenFilters =
    QStringLiteral("Tutti i file (*.*)|*.*|File Calvex-dati- | Calvex-dati-*");
const QString ArchiveCommands::kSaveFilters = QStringLiteral("File Calvex-dati- | Calvex-dati-*");

namespace {

QString quoted(const QString& file) { return QStringLiteral("\"") + QFileInfo(file).fileName() + QStringLiteral("\""); }

// What the user is told after reading an archive that stopped early or
// whose records do not end with their lines; nothing for a clean read.
std::optional<QString> readProblemText(const QString& file, const ArchiveReadResult& result) {
    if (!result.complete) {
        const QString problem = QString::fromStdString(result.problem);
        if (result.line == 0)
            return QStringLiteral("Il file ") + quoted(file) + QStringLiteral(" non \u00e8 stato aperto: ") + problem +
                   QStringLiteral(".");
        return QStringLiteral("Il file ") + quoted(file) +
               QStringLiteral(" non \u00e8 stato letto per intero (riga %1, campo %2): ")
                   .arg(result.line)
                   .arg(result.field) +
               problem +
               QStringLiteral(
                   ". I dati letti fino a quel punto sono stati caricati; il salvataggio chieder\u00e0 il "
                   "nome del file.");
    }
    if (result.misalignedLine > 0)
        return QStringLiteral("Nel file ") + quoted(file) + QStringLiteral(", ") +
               QString::fromStdString(misalignedRecordWarning(result.misalignedLine)) +
               QStringLiteral(". Controllare i dati; il salvataggio chieder\u00e0 il nome del file.");
    return std::nullopt;
}

} // namespace

void ArchiveCommands::open(WorkWindow& from) {
    const auto chosen =
        links_.platform().chooseFileToOpen(&from, {QStringLiteral("Apri file"), kOpenFilters, 1, QString()});
    if (chosen) openFile(from, *chosen);
}

void ArchiveCommands::openFile(WorkWindow& from, const QString& file) {
    Platform& platform = links_.platform();
    if (isDurableTemporaryName(QFileInfo(file).fileName().toStdString())) {
        platform.inform(&from, app::kCheckTitle,
                        QStringLiteral("Il file ") + quoted(file) +
                            QStringLiteral(" \u00e8 un file temporaneo lasciato da un salvataggio interrotto, non un "
                                           "archivio: non viene aperto."),
                        MessageIcon::exclamation);
        return;
    }
    ProjectData& project = links_.project();
    project.currentFileName = file.toStdString();

    // Opened from the general window, the wall window starts afresh (with
    // its live calculation on).
    const bool fromGeneral = from.id() == WorkWindowId::dati;
    links_.clearDataWindows(fromGeneral);
    // The texts of the project open before must not end up in this one's file.
    for (int field = 0; field < kTitleFieldCount; ++field) project.setTitle(static_cast<TitleField>(field), {});

    const ArchiveReadResult result = readArchiveFile(qt::localPath(file), project);
    if (const std::optional<QString> problem = readProblemText(file, result)) {
        platform.inform(&from, app::kCheckTitle, *problem, MessageIcon::exclamation);
        // Saving what was read over the file would lose the rest of it, or
        // make a shift of its values permanent: Save asks for a name,
        // proposing this one.
        project.currentFileName.clear();
        links_.choices().lastSaveName = file;
    }
    links_.showReadProject();
    if (!fromGeneral) {
        links_.showStoreyAndWall(1, 1);
        links_.setResultsStorey(1);
        from.showOpenedArchive();
    }
}

void ArchiveCommands::save(WorkWindow& from, bool saveAs) {
    Platform& platform = links_.platform();
    ProjectData& project = links_.project();
    if (!links_.generalDataValid()) return;
    if (project.title(TitleField::progetto).empty()) {
        platform.inform(&from, app::kCheckTitle, QStringLiteral("Digitare almeno il nome del progetto."),
                        MessageIcon::information);
        links_.showWorkWindow(WorkWindowId::frontespizio);
        return;
    }
    if (saveAs) project.currentFileName.clear();
    if (project.currentFileName.empty()) {
        const QString title = saveAs ? QStringLiteral("Salva file con nome") : QStringLiteral("Salva file");
        const auto chosen = platform.chooseFileToSave(&from, {title, kSaveFilters, 0, links_.choices().lastSaveName});
        if (!chosen) return;
        links_.choices().lastSaveName = *chosen;
        project.currentFileName = chosen->toStdString();
    }
    const QString file = QString::fromStdString(project.currentFileName);
    const ArchiveWriteResult result = writeArchiveFile(qt::localPath(file), project);
    if (!result.ok) {
        platform.inform(&from, app::kCheckTitle,
                        QStringLiteral("Il file ") + quoted(file) + QStringLiteral(" non \u00e8 stato salvato: ") +
                            QString::fromStdString(result.error) +
                            QStringLiteral(". L'eventuale file precedente \u00e8 rimasto invariato."),
                        MessageIcon::critical);
        return;
    }
    if (!result.alteredFields.empty()) {
        QStringList fields;
        for (const std::string& field : result.alteredFields) fields << QString::fromStdString(field);
        platform.inform(&from, app::kCheckTitle,
                        QStringLiteral("Il file \u00e8 stato salvato, ma nei campi seguenti le virgolette sono state "
                                       "sostituite da apostrofi e gli a capo da spazi (o sono stati sostituiti "
                                       "caratteri non archiviabili):\n") +
                            fields.join(QStringLiteral("\n")),
                        MessageIcon::exclamation);
    }
}

void ArchiveCommands::deleteFile(WorkWindow& from) {
    Platform& platform = links_.platform();
    const auto chosen = platform.chooseFileToOpen(
        &from, {QStringLiteral("Elimina: seleziona il file desiderato e clicca su Apri per cancellarlo"), kOpenFilters,
                1, links_.choices().lastDeleteName});
    if (!chosen) return;
    links_.choices().lastDeleteName = *chosen;
    // The trash keeps a wrong click undoable; where there is none the file
    // goes for good, and the user is told so.
    if (moveFileToTrash(*chosen)) return;
    if (QFile::remove(*chosen)) {
        platform.inform(&from, app::kCheckTitle,
                        QStringLiteral("Non \u00e8 stato possibile spostare il file ") + quoted(*chosen) +
                            QStringLiteral(" nel cestino: il file \u00e8 stato eliminato definitivamente."),
                        MessageIcon::information);
        return;
    }
    platform.inform(&from, app::kCheckTitle,
                    QStringLiteral("Impossibile eliminare il file ") + quoted(*chosen) + QStringLiteral("."),
                    MessageIcon::critical);
}

} // namespace calvex
